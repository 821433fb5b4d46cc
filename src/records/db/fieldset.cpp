#include "records/db/fieldset.h"

namespace db {

void FieldSet::bind(Dataset *owner, const std::vector<ResultColumn> &columns)
{
    m_bound.assign(columns.size(), nullptr);
    for (auto &f : m_all)
        f->m_column = -1;
    for (size_t c = 0; c < columns.size(); ++c) {
        const FieldDef &def = columns[c].def;
        Field *field = nullptr;
        for (auto &f : m_all)
            if (f->m_column < 0 && f->m_def.name.compare(def.name, Qt::CaseInsensitive) == 0) {
                field = f.get();
                break;
            }
        if (!field) {
            m_all.push_back(std::unique_ptr<Field>(new Field(owner, def, int(c))));
            field = m_all.back().get();
        }
        field->m_def = def;
        field->m_column = int(c);
        m_bound[c] = field;
    }
}

Field *FieldSet::find(const QString &name) const
{
    for (Field *f : m_bound)
        if (f->fieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f;
    return nullptr;
}

QStringList FieldSet::names() const
{
    QStringList names;
    for (Field *f : m_bound)
        names << f->fieldName();
    return names;
}

} // namespace db

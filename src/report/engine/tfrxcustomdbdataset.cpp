#include "report/engine/tfrxcustomdbdataset.h"

namespace {
// Splits "Name=Alias"; a line without "=" names a field that keeps its name.
void splitAlias(const QString &line, QString &field, QString &alias)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) {
        field = line;
        alias = line;
        return;
    }
    field = line.left(eq);
    alias = line.mid(eq + 1);
}
} // namespace

TfrxCustomDBDataSet::TfrxCustomDBDataSet(TfrxComponent *AOwner) : TfrxDataSetAdapter(AOwner) {}

QString TfrxCustomDBDataSet::FieldNameOfAlias(const QString &name) const
{
    for (const QString &line : m_fieldAliases) {
        QString field, alias;
        splitAlias(line, field, alias);
        if (alias.compare(name, Qt::CaseInsensitive) == 0)
            return field;
    }
    return name;
}

void TfrxCustomDBDataSet::GetFieldList(QStringList &list)
{
    list.clear();
    if (!m_fieldAliases.isEmpty()) {
        for (const QString &line : m_fieldAliases) {
            QString field, alias;
            splitAlias(line, field, alias);
            if (!field.startsWith(QLatin1Char('-')))
                list.append(alias);
        }
        return;
    }
    try {
        GetSourceFieldNames(list);
    } catch (...) {
        // A source that cannot list its fields yet simply shows fewer.
    }
}

int TfrxCustomDBDataSet::FieldsCount()
{
    QStringList list;
    GetFieldList(list);
    return int(list.size());
}

void TfrxCustomDBDataSet::RebuildFieldTable(RequireFields require)
{
    m_fieldTable.clear();
    QStringList names;
    GetFieldList(names);
    for (const QString &name : names) {
        const QString key = name.toCaseFolded();
        if (m_fieldTable.count(key))
            continue;
        const QString source = FieldNameOfAlias(name);
        FieldEntry entry{name, QString()};
        if (SourceHasField(source))
            entry.sourceField = source;
        else if (require == RequireFields::Yes)
            RequireSourceField(source);
        m_fieldTable.emplace(key, entry);
    }
}

const TfrxCustomDBDataSet::FieldEntry *TfrxCustomDBDataSet::FindEntry(const QString &name) const
{
    const auto it = m_fieldTable.find(name.toCaseFolded());
    return it == m_fieldTable.end() ? nullptr : &it->second;
}

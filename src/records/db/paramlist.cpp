#include "records/db/paramlist.h"

#include "platform/loderaerror.h"
#include "platform/turkishcase.h"
#include "records/db/datevalue.h"
#include "records/db/fieldvalue.h"

namespace db {

void ParamList::reset(const QStringList &names)
{
    std::vector<Param> params;
    for (const QString &name : names) {
        const Param *old = find(name);
        params.push_back({name, old ? old->value : QVariant()});
    }
    m_params = std::move(params);
}

ParamList::Param *ParamList::find(const QString &name)
{
    for (Param &p : m_params)
        if (platform::turkishFoldEquals(p.name, name))
            return &p;
    return nullptr;
}

const ParamList::Param *ParamList::find(const QString &name) const
{
    return const_cast<ParamList *>(this)->find(name);
}

void ParamList::set(const QString &name, const QVariant &value, const QString &dataset)
{
    Param *p = find(name);
    if (!p)
        throw LoderaError(QStringLiteral("Parametre bulunamadı: '%1' (%2)").arg(name, dataset));
    p->value = value;
}

QVariant ParamList::value(const QString &name, const QString &dataset) const
{
    const Param *p = find(name);
    if (!p)
        throw LoderaError(QStringLiteral("Parametre bulunamadı: '%1' (%2)").arg(name, dataset));
    return p->value;
}

QStringList ParamList::names() const
{
    QStringList names;
    for (const Param &p : m_params)
        names << p.name;
    return names;
}

QVector<QVariant> ParamList::binds() const
{
    QVector<QVariant> binds;
    for (const Param &p : m_params) {
        QVariant v = p.value;
        if (v.typeId() == QMetaType::QString) {
            if (auto date = DateValue::parseShortDate(v.toString()))
                v = QDateTime(*date, QTime(0, 0));
        }
        binds << FieldValue::toStorage(FieldType::Unknown, v);
    }
    return binds;
}

} // namespace db

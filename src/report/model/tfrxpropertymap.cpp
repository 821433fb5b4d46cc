#include "report/model/tfrxpropertymap.h"

#include "report/model/tfrxcomponent.h"
#include "report/model/tfrxpersistent.h"

#include <QDateTime>
#include <QMetaClassInfo>
#include <QSet>
#include <QStringList>
#include <QVariant>

#include <unordered_map>

namespace {

struct ClassEntry
{
    QList<TfrxPropInfo> props;
    QHash<QString, int> byName;
};

QMetaEnum enumOf(QMetaType type)
{
    const QMetaObject *scope = type.metaObject();
    if (!scope)
        return {};
    QString name = QString::fromLatin1(type.name());
    if (name.startsWith(QLatin1String("QFlags<")))
        name = name.mid(7, name.size() - 8);
    name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    for (int i = 0; i < scope->enumeratorCount(); ++i) {
        const QMetaEnum e = scope->enumerator(i);
        if (name == QLatin1String(e.enumName()) || name == QLatin1String(e.name()))
            return e;
    }
    return {};
}

TfrxPropKind kindOf(const QMetaProperty &p, QMetaEnum *en)
{
    const QMetaType t = p.metaType();
    switch (t.id()) {
    case QMetaType::Bool:
        return TfrxPropKind::Bool;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::LongLong:
        return TfrxPropKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TfrxPropKind::Float;
    case QMetaType::QDateTime:
        return TfrxPropKind::DateTime;
    case QMetaType::QString:
        return TfrxPropKind::String;
    case QMetaType::QVariant:
        return TfrxPropKind::Variant;
    case QMetaType::QStringList:
        return TfrxPropKind::StringList;
    default:
        break;
    }
    if (t.flags().testFlag(QMetaType::IsEnumeration)) {
        if (t.sizeOf() != int(sizeof(int)))
            return TfrxPropKind::Ignored;
        *en = enumOf(t);
        if (!en->isValid())
            return TfrxPropKind::Ignored;
        return en->isFlag() ? TfrxPropKind::Set : TfrxPropKind::Enum;
    }
    if (t.flags().testFlag(QMetaType::PointerToQObject) && t.metaObject()) {
        if (t.metaObject()->inherits(&TfrxComponent::staticMetaObject))
            return TfrxPropKind::Reference;
        if (t.metaObject()->inherits(&TfrxPersistent::staticMetaObject))
            return TfrxPropKind::Object;
    }
    return TfrxPropKind::Ignored;
}

ClassEntry build(const QMetaObject *cls)
{
    QSet<QString> noDefault;
    for (int i = 0; i < cls->classInfoCount(); ++i) {
        const QMetaClassInfo ci = cls->classInfo(i);
        if (qstrcmp(ci.name(), "nodefault") == 0)
            for (const QString &n : QString::fromLatin1(ci.value()).split(QLatin1Char(',')))
                noDefault.insert(n.trimmed());
    }

    ClassEntry entry;
    for (int i = QObject::staticMetaObject.propertyCount(); i < cls->propertyCount(); ++i) {
        const QMetaProperty p = cls->property(i);
        // A member published again further down is visited there.
        if (cls->indexOfProperty(p.name()) != i)
            continue;
        TfrxPropInfo info;
        info.Prop = p;
        info.Index = i;
        info.Stored = p.isStored();
        info.Kind = kindOf(p, &info.Enum);
        if (info.Kind == TfrxPropKind::Ignored)
            continue;
        // Read-only members are written only when they are value objects.
        if (!p.isWritable() && info.Kind != TfrxPropKind::Object)
            continue;
        const QByteArray stored = QByteArray("Is") + p.name() + "Stored()";
        info.StoredMethod = cls->indexOfMethod(stored.constData());
        info.NoDefault = noDefault.contains(QLatin1String(p.name()));
        info.LowerName = QString::fromLatin1(p.name()).toLower();
        entry.byName.insert(info.LowerName, int(entry.props.size()));
        entry.props.append(info);
    }
    return entry;
}

std::unordered_map<const QMetaObject *, ClassEntry> &classCache()
{
    static std::unordered_map<const QMetaObject *, ClassEntry> cache;
    return cache;
}

const ClassEntry &entryOf(const QMetaObject *cls)
{
    auto &cache = classCache();
    auto it = cache.find(cls);
    if (it == cache.end())
        it = cache.emplace(cls, build(cls)).first;
    return it->second;
}

} // namespace

const QList<TfrxPropInfo> &TfrxPropertyMap::Of(const QMetaObject *cls)
{
    return entryOf(cls).props;
}

const TfrxPropInfo *TfrxPropertyMap::Find(const QMetaObject *cls, const QString &lowerName)
{
    const ClassEntry &e = entryOf(cls);
    const auto it = e.byName.constFind(lowerName);
    return it == e.byName.constEnd() ? nullptr : &e.props[*it];
}

QObject *TfrxPropertyMap::Prototype(const QMetaObject *cls)
{
    static std::unordered_map<const QMetaObject *, std::unique_ptr<QObject>> prototypes;
    auto it = prototypes.find(cls);
    if (it == prototypes.end())
        it = prototypes.emplace(cls, std::unique_ptr<QObject>(cls->newInstance())).first;
    return it->second.get();
}

bool TfrxPropertyMap::IsStored(const TfrxPropInfo &info, QObject *obj)
{
    if (!info.Stored)
        return false;
    if (info.StoredMethod < 0)
        return true;
    // Called straight through the meta-call: the method's signature is fixed
    // (bool, no arguments), so the type checks of QMetaMethod::invoke are not
    // needed on this hot path of every copy.
    bool stored = true;
    void *args[] = {&stored};
    QMetaObject::metacall(obj, QMetaObject::InvokeMetaMethod, info.StoredMethod, args);
    return stored;
}

qint64 TfrxPropertyMap::OrdinalValue(const TfrxPropInfo &info, const QObject *obj)
{
    switch (info.Kind) {
    case TfrxPropKind::Bool:
        return Read<bool>(info, obj) ? 1 : 0;
    case TfrxPropKind::Enum:
    case TfrxPropKind::Set:
        return Read<int>(info, obj);
    default:
        if (info.Prop.metaType().id() == QMetaType::Int)
            return Read<int>(info, obj);
        return info.Prop.read(obj).toLongLong();
    }
}

QVariant TfrxPropertyMap::OrdinalVariant(const TfrxPropInfo &info, int value)
{
    // Enumerations and sets are int-sized; a variant of the member's own type
    // spares the write a conversion.
    if (info.Kind == TfrxPropKind::Enum || info.Kind == TfrxPropKind::Set)
        return QVariant(info.Prop.metaType(), &value);
    return QVariant(value);
}

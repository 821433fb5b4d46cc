#include "report/engine/tfsqobjectaccess.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfsvalue.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

#include <array>

namespace {

int findProperty(const QMetaObject *mo, const QString &name)
{
    for (int i = 0; i < mo->propertyCount(); ++i) {
        if (name.compare(QLatin1String(mo->property(i).name()), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int findMethod(const QMetaObject *mo, const QString &name, int argc)
{
    for (int i = mo->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod m = mo->method(i);
        if (m.access() != QMetaMethod::Public || m.methodType() == QMetaMethod::Signal)
            continue;
        if (m.parameterCount() == argc && name.compare(QLatin1String(m.name()), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

QVariant TfsQObjectAccess::normalize(const QVariant &v)
{
    if (!v.isValid())
        return v;
    const QMetaType mt = v.metaType();
    if (mt.flags() & QMetaType::IsEnumeration) {
        QVariant copy = v;
        if (copy.convert(QMetaType::fromType<qint64>()))
            return copy;
    }
    if ((mt.flags() & QMetaType::PointerToQObject) && mt != QMetaType::fromType<QObject *>())
        return QVariant::fromValue(*static_cast<QObject *const *>(v.constData()));
    if (mt.id() == QMetaType::Int || mt.id() == QMetaType::UInt || mt.id() == QMetaType::Short
        || mt.id() == QMetaType::UShort || mt.id() == QMetaType::Long)
        return QVariant(v.toLongLong());
    if (mt.id() == QMetaType::Float)
        return QVariant(v.toDouble());
    return v;
}

std::optional<QVariant> TfsQObjectAccess::read(QObject *object, const QString &name, const QVariantList &args)
{
    const QMetaObject *mo = object->metaObject();
    if (args.isEmpty()) {
        const int p = findProperty(mo, name);
        if (p >= 0)
            return normalize(mo->property(p).read(object));
    }
    const int mi = findMethod(mo, name, int(args.size()));
    if (mi < 0 || args.size() > 6)
        return std::nullopt;
    const QMetaMethod m = mo->method(mi);

    std::array<QVariant, 6> converted;
    std::array<QGenericArgument, 6> generic;
    std::array<QByteArray, 6> typeNames;  // QGenericArgument keeps only the pointer
    for (int i = 0; i < int(args.size()); ++i) {
        const QMetaType target(m.parameterType(i));
        converted[i] = args[i];
        if (target.id() == QMetaType::QVariant)
            converted[i] = QVariant::fromValue(args[i]);
        else if (!converted[i].convert(target))
            throw TfsError(QStringLiteral("'%1' için %2. parametre dönüştürülemedi").arg(name).arg(i + 1));
        typeNames[i] = m.parameterTypeName(i);
        generic[i] = QGenericArgument(typeNames[i].constData(),
                                      target.id() == QMetaType::QVariant ? static_cast<const void *>(&args[i]) : converted[i].constData());
    }
    QVariant ret;
    const QMetaType retType = m.returnMetaType();
    bool ok;
    if (retType.isValid() && retType.id() != QMetaType::Void) {
        ret = QVariant(retType);
        QGenericReturnArgument r(m.typeName(), ret.data());
        ok = m.invoke(object, Qt::DirectConnection, r, generic[0], generic[1], generic[2], generic[3], generic[4], generic[5]);
    } else {
        ok = m.invoke(object, Qt::DirectConnection, generic[0], generic[1], generic[2], generic[3], generic[4], generic[5]);
    }
    if (!ok)
        throw TfsError(QStringLiteral("'%1' çağrılamadı").arg(name));
    return normalize(ret);
}

bool TfsQObjectAccess::write(QObject *object, const QString &name, const QVariant &value)
{
    const QMetaObject *mo = object->metaObject();
    const int p = findProperty(mo, name);
    if (p < 0)
        return false;
    const QMetaProperty prop = mo->property(p);
    if (!prop.isWritable())
        return false;
    QVariant v = value;
    if (prop.metaType().id() == QMetaType::QString)
        v = tfs::toText(value);
    else if (prop.metaType().id() == QMetaType::QStringList && tfs::typeOf(value) == TfsType::String)
        v = value.toString().split(QLatin1Char('\n'));
    return prop.write(object, v);
}

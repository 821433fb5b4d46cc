#include "report/base/tfrxwindowlocalizer.h"

#include <QMetaProperty>
#include <QObject>

namespace {

// The writable QString property of that name (ignoring case), or an invalid one.
QMetaProperty stringProperty(const QObject *target, QLatin1StringView wanted)
{
    const QMetaObject *meta = target->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.isWritable() && p.metaType().id() == QMetaType::QString
            && wanted.compare(QLatin1StringView(p.name()), Qt::CaseInsensitive) == 0)
            return p;
    }
    return {};
}

bool writeFirst(QObject *target, std::initializer_list<const char *> names, const QString &value)
{
    for (const char *name : names) {
        const QMetaProperty p = stringProperty(target, QLatin1StringView(name));
        if (p.isValid())
            return p.write(target, value);
    }
    return false;
}

} // namespace

void TfrxWindowLocalizer::Apply(const QStringList &lines) const
{
    for (const QString &line : lines)
        ApplyLine(line);
}

bool TfrxWindowLocalizer::ApplyLine(const QString &line) const
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0 || !m_window)
        return false;
    const QString name = line.left(eq);
    const QString value = line.mid(eq + 1, MaxValueLength);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return setText(m_window, true, name, value);
    QObject *control = m_window->findChild<QObject *>(name.left(dot));
    if (!control)
        return false;
    return setText(control, false, name.mid(dot + 1), value);
}

bool TfrxWindowLocalizer::setText(QObject *target, bool isWindow, const QString &property,
                                  const QString &value) const
{
    const QByteArray prop = property.toLatin1();
    const QMetaProperty own = stringProperty(target, QLatin1StringView(prop));
    if (own.isValid())
        return own.write(target, value);

    if (property.compare(QLatin1String("Caption"), Qt::CaseInsensitive) == 0) {
        if (isWindow)
            return writeFirst(target, {"windowTitle"}, value);
        return writeFirst(target, {"text", "title", "windowTitle"}, value);
    }
    if (property.compare(QLatin1String("Hint"), Qt::CaseInsensitive) == 0) {
        const qsizetype bar = value.indexOf(QLatin1Char('|'));
        const QString shortHint = bar < 0 ? value : value.left(bar);
        const QString longHint = bar < 0 ? value : value.mid(bar + 1);
        const bool tip = writeFirst(target, {"toolTip"}, shortHint);
        const bool status = writeFirst(target, {"statusTip"}, longHint);
        return tip || status;
    }
    return false;
}

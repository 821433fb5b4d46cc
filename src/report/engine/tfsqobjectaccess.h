#pragma once
// Members of a QObject as a script sees them: its properties (read and
// written, names without regard to case) and its invokable methods (called
// with up to six arguments converted to the parameter types). Enumeration
// values read as integers.
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

class QObject;

class TfsQObjectAccess
{
public:
    // No value when the object has no such property or method. A method whose
    // arguments do not convert raises TfsError.
    static std::optional<QVariant> read(QObject *object, const QString &name, const QVariantList &args);
    static bool write(QObject *object, const QString &name, const QVariant &value);

    // Plain script values for what Qt hands back (enumerations as integers,
    // QObject pointers of any class as QObject*).
    static QVariant normalize(const QVariant &v);
};

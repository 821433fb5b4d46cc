#pragma once
// The classes a template may name. A loader creates every object through this
// registry, so a template can only ever produce these 33 classes.
#include <QString>
#include <QStringList>

class QObject;
struct QMetaObject;
class TfrxComponent;

class TfrxClassRegistry
{
public:
    // The registered class of that name (compared without case), or none.
    static const QMetaObject *Find(const QString &className);
    // A new object of the class; a component gets the owner as its parent, a
    // value object the owner as its QObject parent. None for unknown classes.
    static QObject *Create(const QMetaObject *cls, TfrxComponent *owner);
    static QStringList Names();
};

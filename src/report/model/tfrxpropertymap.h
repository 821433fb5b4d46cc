#pragma once
// What the serializer needs to know about the stored members of one class,
// worked out once per class from its meta-object:
//
//  - the members in stored order (ancestors first; a member that a subclass
//    publishes again is visited at the subclass's place, once);
//  - the kind of each member (decides how it is written and read);
//  - whether it has a declared default. The declared default of a member is the
//    value a freshly constructed object of the class holds; the map keeps one
//    such prototype per class. Members named in a "nodefault" class info are
//    always written;
//  - the class's invokable Is<Member>Stored() where it has one.
#include <QHash>
#include <QList>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QString>

#include <memory>

enum class TfrxPropKind {
    Integer,    // decimal, omitted at its default
    Set,        // bit mask in decimal, omitted at its default
    Enum,       // identifier, omitted at its default
    Bool,       // "True"/"False", omitted at its default
    Float,      // always written
    DateTime,   // as a float of days since 1899-12-30, always written
    String,     // escaped, omitted when empty
    Variant,    // text form, omitted when empty
    StringList, // <name>.Text with CR LF between lines, always written
    Reference,  // name of another component, omitted when none
    Object,     // value object: its own members with "<name>." in front
    Ignored,
};

struct TfrxPropInfo
{
    QMetaProperty Prop;
    TfrxPropKind Kind = TfrxPropKind::Ignored;
    QMetaEnum Enum;           // for Enum and Set
    int StoredMethod = -1;    // index of Is<Name>Stored(), or -1
    bool NoDefault = false;
    QString LowerName;
};

class TfrxPropertyMap
{
public:
    // The stored members of the class in order; cached, never null.
    static const QList<TfrxPropInfo> &Of(const QMetaObject *cls);
    // The member of that name, compared without case, or none.
    static const TfrxPropInfo *Find(const QMetaObject *cls, const QString &lowerName);
    // A default-constructed object of the class, or none when the class cannot
    // be constructed without arguments.
    static QObject *Prototype(const QMetaObject *cls);
    // Whether the member is to be written for obj at all (its stored-ness).
    static bool IsStored(const TfrxPropInfo &info, QObject *obj);
    // The member's value as an integer (Integer, Set, Enum, Bool kinds).
    static qint64 OrdinalValue(const TfrxPropInfo &info, const QObject *obj);
};

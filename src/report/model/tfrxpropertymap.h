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
#include <QVariant>

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
    int Index = -1;           // absolute property index, for meta-calls
    bool Stored = true;       // the declaration's STORED flag
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
    // A variant fit for writing an ordinal value to the member.
    static QVariant OrdinalVariant(const TfrxPropInfo &info, int value);

    // Reads and writes straight through the meta-call, without a QVariant in
    // between. T must be the member's own type (an int for enumerations and
    // sets, QObject * for object pointers). Setters may throw.
    template <typename T>
    static T Read(const TfrxPropInfo &info, const QObject *obj)
    {
        T value{};
        int status = -1;
        void *argv[] = {&value, nullptr, &status};
        QMetaObject::metacall(const_cast<QObject *>(obj), QMetaObject::ReadProperty, info.Index, argv);
        return value;
    }
    template <typename T>
    static void Write(const TfrxPropInfo &info, QObject *obj, const T &value)
    {
        int status = -1;
        int flags = 0;
        QVariant unused;
        void *argv[] = {const_cast<T *>(&value), &unused, &status, &flags};
        QMetaObject::metacall(obj, QMetaObject::WriteProperty, info.Index, argv);
    }
};

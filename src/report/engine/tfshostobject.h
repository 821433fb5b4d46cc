#pragma once
// An object that the host shows to scripts under a name: its members are read,
// called and written through this interface. The report engine maps its report
// objects and their properties onto it ("Memo1.Text"); QObjects can also be
// registered directly, then their properties and invokable methods are the
// members (see TfsQObjectAccess).
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

class TfsHostObject
{
public:
    virtual ~TfsHostObject() = default;

    // The class name that "is" tests against, and that plain text shows.
    virtual QString className() const = 0;
    virtual bool inherits(const QString &className) const
    {
        return className.compare(this->className(), Qt::CaseInsensitive) == 0;
    }

    // Reads a member or calls a method; args come from "Obj.Member(a, b)" or
    // "Obj.Member[a, b]". No value means the object has no such member.
    // A member call may raise TfsError for a runtime error of its own.
    virtual std::optional<QVariant> member(const QString &name, const QVariantList &args) = 0;

    // Writes a member ("Obj.Member[args] := value"); false when there is none
    // or it cannot be written.
    virtual bool setMember(const QString &name, const QVariantList &args, const QVariant &value)
    {
        Q_UNUSED(name) Q_UNUSED(args) Q_UNUSED(value)
        return false;
    }
};

#pragma once
// How a memo formats the values of its expressions.
#include "report/model/frxtypes.h"
#include "report/model/tfrxpersistent.h"

#include <QString>

class TfrxFormat : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString DecimalSeparator READ DecimalSeparator WRITE SetDecimalSeparator)
    Q_PROPERTY(QString FormatStr READ FormatStr WRITE SetFormatStr)
    Q_PROPERTY(TfrxFormatKind Kind READ Kind WRITE SetKind)
public:
    Q_INVOKABLE explicit TfrxFormat(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    const QString &DecimalSeparator() const { return m_decimalSeparator; }
    void SetDecimalSeparator(const QString &v) { m_decimalSeparator = v; }
    const QString &FormatStr() const { return m_formatStr; }
    void SetFormatStr(const QString &v) { m_formatStr = v; }
    TfrxFormatKind Kind() const { return m_kind; }
    void SetKind(TfrxFormatKind v) { m_kind = v; }

    void Assign(const TfrxFormat &o)
    {
        m_decimalSeparator = o.m_decimalSeparator;
        m_formatStr = o.m_formatStr;
        m_kind = o.m_kind;
    }

private:
    QString m_decimalSeparator;
    QString m_formatStr;
    TfrxFormatKind m_kind = TfrxFormatKind::fkText;
};

#pragma once
// Conditional appearance of a memo: when Condition holds at output time the memo
// is drawn with this font and fill colour.
#include "report/model/tfrxfont.h"
#include "report/model/tfrxpersistent.h"

class TfrxHighlight : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(TfrxFont *Font READ Font)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Condition READ Condition WRITE SetCondition)
public:
    Q_INVOKABLE explicit TfrxHighlight(QObject *parent = nullptr);

    bool Active() const { return m_active; }
    void SetActive(bool v) { m_active = v; }
    TfrxFont *Font() const { return m_font; }
    TColor Color() const { return m_color; }
    void SetColor(TColor v) { m_color = v; }
    const QString &Condition() const { return m_condition; }
    void SetCondition(const QString &v) { m_condition = v; }

    void Assign(const TfrxHighlight &other);

private:
    bool m_active = false;
    TfrxFont *m_font;
    TColor m_color = clNone;
    QString m_condition;
};

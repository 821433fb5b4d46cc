#pragma once
// A named style: colour, font and frame that a memo takes by naming it. Within
// one style list no two entries share a name.
#include "report/model/tfrxfont.h"
#include "report/model/tfrxframe.h"
#include "report/model/tfrxpersistent.h"

class TfrxStyleItem : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TfrxFont *Font READ Font)
    Q_PROPERTY(TfrxFrame *Frame READ Frame)
public:
    Q_INVOKABLE explicit TfrxStyleItem(QObject *parent = nullptr);

    const QString &Name() const { return m_name; }
    // Throws LoderaError "Duplicate name" when another entry of the list has it.
    void SetName(const QString &v);
    TColor Color() const { return m_color; }
    void SetColor(TColor v) { m_color = v; }
    TfrxFont *Font() const { return m_font; }
    TfrxFrame *Frame() const { return m_frame; }

private:
    QString m_name;
    TColor m_color = clNone;
    TfrxFont *m_font;
    TfrxFrame *m_frame;
};

#pragma once
// Border and shadow of a view or a page.
#include "report/model/frxtypes.h"
#include "report/model/tfrxpersistent.h"

class TfrxFrame : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(bool DropShadow READ DropShadow WRITE SetDropShadow)
    Q_PROPERTY(int ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(double ShadowWidth READ ShadowWidth WRITE SetShadowWidth)
    Q_PROPERTY(TfrxFrameStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(TfrxFrameTypes Typ READ Typ WRITE SetTyp)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
public:
    Q_INVOKABLE explicit TfrxFrame(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    TColor Color() const { return m_color; }
    void SetColor(TColor v) { m_color = v; }
    bool DropShadow() const { return m_dropShadow; }
    void SetDropShadow(bool v) { m_dropShadow = v; }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor v) { m_shadowColor = v; }
    double ShadowWidth() const { return m_shadowWidth; }
    void SetShadowWidth(double v) { m_shadowWidth = v; }
    TfrxFrameStyle Style() const { return m_style; }
    void SetStyle(TfrxFrameStyle v) { m_style = v; }
    TfrxFrameTypes Typ() const { return m_typ; }
    void SetTyp(TfrxFrameTypes v) { m_typ = v; }
    double Width() const { return m_width; }
    void SetWidth(double v) { m_width = v; }

    Q_INVOKABLE bool IsShadowWidthStored() const { return m_shadowWidth != 4; }
    Q_INVOKABLE bool IsWidthStored() const { return m_width != 1; }

    void Assign(const TfrxFrame &other);
    bool operator==(const TfrxFrame &other) const;

private:
    TColor m_color = clBlack;
    bool m_dropShadow = false;
    TColor m_shadowColor = clBlack;
    double m_shadowWidth = 4;
    TfrxFrameStyle m_style = TfrxFrameStyle::fsSolid;
    TfrxFrameTypes m_typ;
    double m_width = 1;
};

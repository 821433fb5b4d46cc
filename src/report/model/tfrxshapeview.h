#pragma once
// A geometric shape, outlined with its frame and filled with its colour.
#include "report/model/tfrxview.h"

class TfrxShapeView : public TfrxView
{
    Q_OBJECT
    Q_PROPERTY(TBrushStyle BrushStyle READ BrushStyle WRITE SetBrushStyle)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TfrxFrame *Frame READ Frame)
    Q_PROPERTY(TfrxShapeKind Shape READ Shape WRITE SetShape)
public:
    Q_INVOKABLE explicit TfrxShapeView(TfrxComponent *AOwner = nullptr) : TfrxView(AOwner) {}

    TfrxShapeKind Shape() const { return m_shape; }
    void SetShape(TfrxShapeKind v) { m_shape = v; }

private:
    TfrxShapeKind m_shape = TfrxShapeKind::skRectangle;
};

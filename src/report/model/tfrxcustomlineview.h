#pragma once
// A line from the top-left corner along the Width (horizontal, Height 0) or the
// Height (vertical, Width 0), or corner to corner when Diagonal. Its pen is the
// frame's width, colour and style.
#include "report/model/tfrxstretcheable.h"

class TfrxCustomLineView : public TfrxStretcheable
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxCustomLineView(TfrxComponent *AOwner = nullptr) : TfrxStretcheable(AOwner) {}

    bool Diagonal() const { return m_diagonal; }
    void SetDiagonal(bool v) { m_diagonal = v; }

private:
    bool m_diagonal = false;
};

#pragma once
// A view that can grow with its content. How much it grows and how it splits
// over pages is the band engine's business; the model keeps the mode.
#include "report/model/tfrxview.h"

class TfrxStretcheable : public TfrxView
{
    Q_OBJECT
    Q_PROPERTY(TfrxStretchMode StretchMode READ StretchMode WRITE SetStretchMode)
public:
    Q_INVOKABLE explicit TfrxStretcheable(TfrxComponent *AOwner = nullptr) : TfrxView(AOwner) {}

    TfrxStretchMode StretchMode() const { return m_stretchMode; }
    void SetStretchMode(TfrxStretchMode v) { m_stretchMode = v; }

private:
    TfrxStretchMode m_stretchMode = TfrxStretchMode::smDontStretch;
};

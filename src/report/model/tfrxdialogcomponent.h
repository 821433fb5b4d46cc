#pragma once
// A non-visual report component (the report datasets derive from it). Inside a
// report only its rounded position is stored, as pLeft and pTop.
#include "report/model/tfrxreportcomponent.h"

class TfrxDialogComponent : public TfrxReportComponent
{
    Q_OBJECT
    Q_PROPERTY(int pLeft READ pLeft WRITE SetpLeft)
    Q_PROPERTY(int pTop READ pTop WRITE SetpTop)
public:
    Q_INVOKABLE explicit TfrxDialogComponent(TfrxComponent *AOwner = nullptr);

    int pLeft() const;
    void SetpLeft(int v) { SetLeft(v); }
    int pTop() const;
    void SetpTop(int v) { SetTop(v); }

    bool IsBoundsStored() const override { return false; }
    bool IsInReport() const { return OwnerReport() != nullptr; }
    Q_INVOKABLE bool IspLeftStored() const { return IsInReport(); }
    Q_INVOKABLE bool IspTopStored() const { return IsInReport(); }
};

#pragma once
// The page header, printed at the top of every page.
#include "report/model/tfrxband.h"

class TfrxPageHeader : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(TfrxChild *Child READ Child WRITE SetChild)
    Q_PROPERTY(bool PrintChildIfInvisible READ PrintChildIfInvisible WRITE SetPrintChildIfInvisible)
    Q_PROPERTY(bool PrintOnFirstPage READ PrintOnFirstPage WRITE SetPrintOnFirstPage)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
    Q_MOC_INCLUDE("report/model/tfrxchild.h")
public:
    Q_INVOKABLE explicit TfrxPageHeader(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner)
    {
        SetPrintOnFirstPage(true);
    }
};

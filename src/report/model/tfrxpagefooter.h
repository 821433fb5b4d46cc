#pragma once
// The page footer, printed at the bottom of every page.
#include "report/model/tfrxband.h"

class TfrxPageFooter : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(bool PrintOnFirstPage READ PrintOnFirstPage WRITE SetPrintOnFirstPage)
    Q_PROPERTY(bool PrintOnLastPage READ PrintOnLastPage WRITE SetPrintOnLastPage)
public:
    Q_INVOKABLE explicit TfrxPageFooter(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner)
    {
        SetPrintOnFirstPage(true);
        SetPrintOnLastPage(true);
    }
};

#pragma once
// A band drawn over the whole page.
#include "report/model/tfrxband.h"

class TfrxOverlay : public TfrxBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxOverlay(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

#pragma once
// The data band of nesting level 5.
#include "report/model/tfrxdataband.h"

class TfrxDataBand5 : public TfrxDataBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDataBand5(TfrxComponent *AOwner = nullptr) : TfrxDataBand(AOwner) {}
};

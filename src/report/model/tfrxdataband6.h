#pragma once
// The data band of nesting level 6.
#include "report/model/tfrxdataband.h"

class TfrxDataBand6 : public TfrxDataBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDataBand6(TfrxComponent *AOwner = nullptr) : TfrxDataBand(AOwner) {}
};

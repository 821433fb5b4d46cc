#pragma once
// The data band of nesting level 4.
#include "report/model/tfrxdataband.h"

class TfrxDataBand4 : public TfrxDataBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDataBand4(TfrxComponent *AOwner = nullptr) : TfrxDataBand(AOwner) {}
};

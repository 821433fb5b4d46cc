#pragma once
// The data band of nesting level 3.
#include "report/model/tfrxdataband.h"

class TfrxSubdetailData : public TfrxDataBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxSubdetailData(TfrxComponent *AOwner = nullptr) : TfrxDataBand(AOwner) {}
};

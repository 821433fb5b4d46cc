#pragma once
// The data band of nesting level 2.
#include "report/model/tfrxdataband.h"

class TfrxDetailData : public TfrxDataBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDetailData(TfrxComponent *AOwner = nullptr) : TfrxDataBand(AOwner) {}
};

#pragma once
// The data band of nesting level 1.
#include "report/model/tfrxdataband.h"

class TfrxMasterData : public TfrxDataBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxMasterData(TfrxComponent *AOwner = nullptr) : TfrxDataBand(AOwner) {}
};

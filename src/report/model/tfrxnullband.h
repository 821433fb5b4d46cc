#pragma once
// A band of no kind.
#include "report/model/tfrxband.h"

class TfrxNullBand : public TfrxBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxNullBand(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

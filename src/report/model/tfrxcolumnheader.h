#pragma once
// The header of a page column.
#include "report/model/tfrxband.h"

class TfrxColumnHeader : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
public:
    Q_INVOKABLE explicit TfrxColumnHeader(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

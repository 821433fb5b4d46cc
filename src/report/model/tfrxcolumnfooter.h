#pragma once
// The footer of a page column.
#include "report/model/tfrxband.h"

class TfrxColumnFooter : public TfrxBand
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxColumnFooter(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

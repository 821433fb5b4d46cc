#pragma once
// The footer of a group.
#include "report/model/tfrxband.h"

class TfrxGroupFooter : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(bool AllowSplit READ AllowSplit WRITE SetAllowSplit)
    Q_PROPERTY(TfrxChild *Child READ Child WRITE SetChild)
    Q_PROPERTY(bool KeepChild READ KeepChild WRITE SetKeepChild)
    Q_PROPERTY(bool PrintChildIfInvisible READ PrintChildIfInvisible WRITE SetPrintChildIfInvisible)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
    Q_MOC_INCLUDE("report/model/tfrxchild.h")
public:
    Q_INVOKABLE explicit TfrxGroupFooter(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

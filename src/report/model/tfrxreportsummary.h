#pragma once
// The report summary, printed once at the end of the report.
#include "report/model/tfrxband.h"

class TfrxReportSummary : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(bool AllowSplit READ AllowSplit WRITE SetAllowSplit)
    Q_PROPERTY(TfrxChild *Child READ Child WRITE SetChild)
    Q_PROPERTY(bool KeepChild READ KeepChild WRITE SetKeepChild)
    Q_PROPERTY(bool PrintChildIfInvisible READ PrintChildIfInvisible WRITE SetPrintChildIfInvisible)
    Q_PROPERTY(bool StartNewPage READ StartNewPage WRITE SetStartNewPage)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
    Q_MOC_INCLUDE("report/model/tfrxchild.h")
public:
    Q_INVOKABLE explicit TfrxReportSummary(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

#pragma once
// The report title, printed once at the start of the report.
#include "report/model/tfrxband.h"

class TfrxReportTitle : public TfrxBand
{
    Q_OBJECT
    Q_PROPERTY(TfrxChild *Child READ Child WRITE SetChild)
    Q_PROPERTY(bool KeepChild READ KeepChild WRITE SetKeepChild)
    Q_PROPERTY(bool PrintChildIfInvisible READ PrintChildIfInvisible WRITE SetPrintChildIfInvisible)
    Q_PROPERTY(bool StartNewPage READ StartNewPage WRITE SetStartNewPage)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
    Q_MOC_INCLUDE("report/model/tfrxchild.h")
public:
    Q_INVOKABLE explicit TfrxReportTitle(TfrxComponent *AOwner = nullptr) : TfrxBand(AOwner) {}
};

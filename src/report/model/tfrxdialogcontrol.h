#pragma once
// A control of a dialog page. No template of the program has dialog pages; the
// class exists so that the tree is complete.
#include "report/model/tfrxreportcomponent.h"

class TfrxDialogControl : public TfrxReportComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDialogControl(TfrxComponent *AOwner = nullptr) : TfrxReportComponent(AOwner) {}
};

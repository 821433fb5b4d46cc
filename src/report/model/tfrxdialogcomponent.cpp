#include "report/model/tfrxdialogcomponent.h"

#include "report/base/frxunits.h"

TfrxDialogComponent::TfrxDialogComponent(TfrxComponent *AOwner) : TfrxReportComponent(AOwner)
{
    SetWidth(28);
    SetHeight(28);
}

int TfrxDialogComponent::pLeft() const { return frxRound(Left()); }
int TfrxDialogComponent::pTop() const { return frxRound(Top()); }

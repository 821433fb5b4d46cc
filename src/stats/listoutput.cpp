#include "stats/listoutput.h"

#include "platform/loderaerror.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"
#include "settings/tayarfrm.h"

#include <QCheckBox>

ListDestination ListOutput::destination()
{
    // Without a settings window the option's first state holds: preview.
    if (AyarFrm && !AyarFrm->ChkYazdir->isChecked())
        return ListDestination::Printer;
    return ListDestination::Preview;
}

void ListOutput::output(TfrxReport *report)
{
    output(report, destination());
}

void ListOutput::output(TfrxReport *report, ListDestination destination)
{
    ShowOrPrintReport(*report, destination);
}

void ListOutput::writeMemo(TfrxReport *report, const QString &name, const QString &text)
{
    auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(name));
    if (!memo)
        throw LoderaError(QStringLiteral("'%1' raporunda '%2' alanı bulunamadı.").arg(report->Name(), name));
    memo->SetText(text);
}

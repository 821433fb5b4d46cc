#include "report/output/tfrxprintloop.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxprintoptions.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportoptions.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/frxpagenumbers.h"
#include "report/output/tfrxcustomprinter.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxprinters.h"
#include "report/output/tfrxruncontrol.h"

#include <QtMath>

namespace {
TfrxPrintChoices::Kind choiceKind(TfrxPrintPages kind)
{
    switch (kind) {
    case TfrxPrintPages::ppOdd:
        return TfrxPrintChoices::Kind::Odd;
    case TfrxPrintPages::ppEven:
        return TfrxPrintChoices::Kind::Even;
    default:
        return TfrxPrintChoices::Kind::All;
    }
}

TfrxPrintPages printPages(TfrxPrintChoices::Kind kind)
{
    switch (kind) {
    case TfrxPrintChoices::Kind::Odd:
        return TfrxPrintPages::ppOdd;
    case TfrxPrintChoices::Kind::Even:
        return TfrxPrintPages::ppEven;
    default:
        return TfrxPrintPages::ppAll;
    }
}
} // namespace

TfrxPrintLoop::TfrxPrintLoop(TfrxPreviewPages &store, TfrxRunControl &control, TfrxPrinters &printers)
    : m_store(store), m_control(control), m_printers(printers)
{
}

bool TfrxPrintLoop::SendToPrinter()
{
    const TfrxPrintOptions *options = m_store.Report()->PrintOptions();
    TfrxPrintSettings settings;
    settings.copies = options->Copies();
    settings.collate = options->Collate();
    settings.pageNumbers = options->PageNumbers();
    settings.kind = options->PrintPages();
    settings.reverse = options->Reverse();

    const int named = m_printers.FindPrinter(options->Printer());
    if (named >= 0)
        m_printers.SetCurrentIndex(named);
    if (options->ShowDialog() && !askDialog(settings))
        return false;
    Print(*m_printers.Current(), settings);
    return true;
}

bool TfrxPrintLoop::askDialog(TfrxPrintSettings &settings)
{
    TfrxPrintChoices choices;
    choices.copies = settings.copies;
    choices.collate = settings.collate;
    choices.pageNumbers = settings.pageNumbers;
    choices.range = settings.pageNumbers.isEmpty() ? TfrxPrintChoices::Range::All
                                                   : TfrxPrintChoices::Range::PageNumbers;
    choices.kind = choiceKind(settings.kind);
    choices.reverse = settings.reverse;
    if (!m_control.PrintDialog(choices))
        return false;
    settings.copies = choices.copies;
    settings.collate = choices.collate;
    switch (choices.range) {
    case TfrxPrintChoices::Range::All:
        settings.pageNumbers.clear();
        break;
    case TfrxPrintChoices::Range::CurrentPage:
        // The preview keeps the page it shows as a 1-based number.
        settings.pageNumbers = QString::number(m_store.ShownPage);
        break;
    case TfrxPrintChoices::Range::PageNumbers:
        settings.pageNumbers = choices.pageNumbers;
        break;
    }
    settings.kind = printPages(choices.kind);
    settings.reverse = choices.reverse;
    return true;
}

void TfrxPrintLoop::Print(TfrxCustomPrinter &printer, const TfrxPrintSettings &settings)
{
    m_kind = settings.kind;
    m_reverse = settings.reverse;
    m_control.PrintingStarted();
    QStringList pages;
    ParsePageNumbers(settings.pageNumbers, pages, m_store.PageCount());

    m_control.SetTerminated(false);
    m_control.Progress(TfrxProgressEvent::Start, TfrxProgressType::ptPrinting, 0);
    printer.setJobTitle(m_store.Report()->ReportOptions()->Name());

    const int copies = qMax(1, settings.copies);
    const int perSheetCopies = settings.collate ? 1 : copies;
    m_jobStarted = false;
    try {
        if (settings.collate) {
            for (int i = 0; i < copies; ++i) {
                if (walkPages(printer, pages, perSheetCopies) == Walk::Stop || m_control.Terminated())
                    break;
            }
        } else {
            walkPages(printer, pages, perSheetCopies);
        }
        if (m_jobStarted && printer.JobOpen())
            printer.EndJob();
    } catch (...) {
        if (printer.JobOpen())
            printer.AbortJob();
        m_store.EmptyPageCache();
        m_control.Progress(TfrxProgressEvent::Stop, TfrxProgressType::ptPrinting, 0);
        throw;
    }
    m_control.Progress(TfrxProgressEvent::Stop, TfrxProgressType::ptPrinting, 0);
}

TfrxPrintLoop::Walk TfrxPrintLoop::walkPages(TfrxCustomPrinter &printer, const QStringList &pages,
                                             int perSheetCopies)
{
    const int count = m_store.PageCount();
    for (int step = 0; step < count; ++step) {
        const int index = m_reverse ? count - 1 - step : step;
        const int number = index + 1;
        if (!pages.isEmpty() && !pages.contains(QString::number(number)))
            continue;
        if ((m_kind == TfrxPrintPages::ppOdd && number % 2 == 0)
            || (m_kind == TfrxPrintPages::ppEven && number % 2 == 1))
            continue;
        if (m_control.Terminated()) {
            if (printer.JobOpen())
                printer.AbortJob();
            m_jobStarted = false;
            return Walk::Stop;
        }
        printSheet(printer, index, perSheetCopies);
    }
    return Walk::Go;
}

void TfrxPrintLoop::printSheet(TfrxCustomPrinter &printer, int index, int perSheetCopies)
{
    TfrxReportPage *page = m_store.BuildPage(index);
    if (!page)
        return;
    if (!m_jobStarted)
        printer.StartJob();
    const bool landscape = page->Orientation() == TPrinterOrientation::poLandscape;
    printer.ApplyPrintLayout(page->PaperSize(), page->PaperWidth(), page->PaperHeight(), landscape,
                             index == 0 ? page->Bin() : page->BinOtherPages(), perSheetCopies,
                             int(page->Duplex()) + 1);
    printer.StartSheet();
    const QPoint dpi = printer.Resolution();
    m_store.PaintPage(index, *printer.Canvas(), dpi.x() / 96.0, dpi.y() / 96.0,
                      -printer.OffsetLeft() * dpi.x() / 25.4, -printer.OffsetTop() * dpi.y() / 25.4);
    m_control.Progress(TfrxProgressEvent::Progress, TfrxProgressType::ptPrinting, index + 1);
    printer.EndSheet();
    m_control.ProcessMessages();
    m_jobStarted = true;
    m_store.EmptyPageCache();
}

#pragma once
// TfrxPrintLoop: sends the pages of a store to the current printer.
//
// The report's print options choose what goes out: the page list (empty:
// every page), odd or even pages only, the order (Reverse walks from the last
// page), and the copies. Collating repeats the whole walk once per copy with
// one copy per sheet; otherwise one walk, and the printer makes `Copies` of
// every sheet. Each sheet takes its paper from its page: size, orientation,
// tray (Bin on the report's first page, BinOtherPages on the others) and
// duplex.
//
// The printer draws from the paper's physical corner: the page is painted at
// printer resolution / 96 with the printer's unprintable left and top margins
// taken back. Between sheets the user interface handles pending messages, so
// a cancel is seen before the next sheet; a terminated run aborts the job.
// The store's page cache is emptied after every sheet, so a printed page is
// freed at once, whatever the length of the report.
//
// A page list that is not made of numbers throws EConvertError before any
// printing starts; any error while printing aborts the job and is passed on.
#include "report/model/frxtypes.h"

#include <QStringList>

class TfrxCustomPrinter;
class TfrxPreviewPages;
class TfrxPrinters;
class TfrxRunControl;

// What goes out, as the print options or the print dialog chose it.
struct TfrxPrintSettings
{
    int copies = 1;
    bool collate = true;
    QString pageNumbers; // empty: every page
    TfrxPrintPages kind = TfrxPrintPages::ppAll;
    bool reverse = false;
};

class TfrxPrintLoop
{
public:
    TfrxPrintLoop(TfrxPreviewPages &store, TfrxRunControl &control, TfrxPrinters &printers);

    // The report's print options, the printer they name made current, the
    // print dialog when they ask for it, then Print on the current printer.
    // True when printing was carried out (also when no page matched); false
    // when the print dialog was cancelled.
    bool SendToPrinter();

    // The page walks on `printer`.
    void Print(TfrxCustomPrinter &printer, const TfrxPrintSettings &settings);

private:
    enum class Walk { Go, Stop };
    bool askDialog(TfrxPrintSettings &settings);
    Walk walkPages(TfrxCustomPrinter &printer, const QStringList &pages, int perSheetCopies);
    void printSheet(TfrxCustomPrinter &printer, int index, int perSheetCopies);

    TfrxPreviewPages &m_store;
    TfrxRunControl &m_control;
    TfrxPrinters &m_printers;
    bool m_jobStarted = false;
    bool m_reverse = false;
    TfrxPrintPages m_kind = TfrxPrintPages::ppAll;
};

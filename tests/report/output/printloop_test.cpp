// The print loop on a printer that records its sheets: which pages go out in
// which order, with how many copies per sheet, on which paper, tray and
// duplex; cancelling; errors.
//
// Three template pages of 101, 102 and 103 mm paper width make three output
// pages, so every recorded sheet tells by its paper which page it carries.
#include "platform/loderaerror.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/econverterror.h"
#include "report/output/tfrxcustomprinter.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxprinters.h"
#include "report/output/tfrxprintloop.h"
#include "report/output/tfrxruncontrol.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Sheet
{
    int page; // paper width - 100
    int copies;
    int bin;
    int duplex;
    bool landscape;
    bool operator==(const Sheet &o) const
    {
        return page == o.page && copies == o.copies && bin == o.bin && duplex == o.duplex && landscape == o.landscape;
    }
};

std::ostream &operator<<(std::ostream &os, const Sheet &s)
{
    return os << "{page " << s.page << " x" << s.copies << " bin " << s.bin << " duplex " << s.duplex
              << (s.landscape ? " landscape}" : "}");
}

class RecordingPrinter : public TfrxCustomPrinter
{
public:
    RecordingPrinter() : TfrxCustomPrinter(QStringLiteral("Kayıt"), QString()) { setResolution(600, 600); }

    bool IsVirtual() const override { return false; }
    void LoadCapabilities() override {}
    void AbortJob() override
    {
        events << "abort";
        m_jobOpen = false;
    }
    void StartJob() override
    {
        events << "job";
        m_jobOpen = true;
    }
    void StartSheet() override
    {
        if (failOnSheet == int(sheets.size()))
            throw LoderaError(QStringLiteral("Yazıcıya ulaşılamıyor"));
    }
    void StartRawJob() override {}
    void EndJob() override
    {
        events << "end";
        m_jobOpen = false;
    }
    void EndSheet() override {}
    void EndRawJob() override {}
    void WriteRaw(const QByteArray &) override {}
    void ApplyPageLayout(int, double, double, bool) override {}
    void ApplyPrintLayout(int, double widthMM, double, bool landscape, int bin, int copies, int duplex) override
    {
        sheets.push_back({int(widthMM) - 100, copies, bin, duplex, landscape});
    }
    void ShowDriverDialog() override {}

    std::vector<Sheet> sheets;
    QStringList events;
    int failOnSheet = -1;
};

class Control : public TfrxRunControl
{
public:
    bool Terminated() const override { return terminated; }
    void SetTerminated(bool v) override { terminated = v; }
    void Progress(TfrxProgressEvent event, TfrxProgressType kind, int page) override
    {
        EXPECT_EQ(kind, TfrxProgressType::ptPrinting);
        if (event == TfrxProgressEvent::Progress)
            steps << page;
        else
            events << (event == TfrxProgressEvent::Start ? "start" : "stop");
    }
    void ProcessMessages() override
    {
        if (onMessages)
            onMessages();
    }
    bool PrintDialog(TfrxPrintChoices &c) override
    {
        ++dialogs;
        if (answer)
            return answer(c);
        return true;
    }
    void PrintingStarted() override {}

    bool terminated = false;
    QList<int> steps;
    QStringList events;
    int dialogs = 0;
    std::function<void()> onMessages;
    std::function<bool(TfrxPrintChoices &)> answer;
};

struct PrintLoop : ::testing::Test
{
    TfrxReport report;
    TfrxPreviewPages store{&report};
    RecordingPrinter printer;
    Control control;
    TfrxPrinters noPrinters{{}, QString()};
    TfrxPrintLoop loop{store, control, noPrinters};

    PrintLoop()
    {
        QList<TfrxReportPage *> pages;
        for (int i = 1; i <= 3; ++i) {
            auto *page = new TfrxReportPage(&report);
            page->SetName(QStringLiteral("Page%1").arg(i));
            if (i == 3)
                page->SetOrientation(TPrinterOrientation::poLandscape);
            page->SetPaperWidth(100 + i);
            page->SetBin(1);
            page->SetBinOtherPages(2);
            page->SetDuplex(TfrxDuplexMode::dmVertical);
            auto *band = new TfrxMasterData(page);
            band->SetName(QStringLiteral("MasterData%1").arg(i));
            band->SetBounds(0, 0, 300, 20);
            pages << page;
        }
        store.BeginRun();
        for (TfrxReportPage *p : pages)
            store.CopyTemplatePage(p);
        store.MarkPassStart();
        for (TfrxReportPage *p : pages) {
            store.StartOutputPage(p);
            store.RecordBand(p->Objects().first());
        }
        store.EndRun();
    }

    QList<int> printedPages() const
    {
        QList<int> out;
        for (const Sheet &s : printer.sheets)
            out << s.page;
        return out;
    }
};

struct WalkRow
{
    const char *name;
    int copies;
    bool collate;
    const char *pageNumbers;
    TfrxPrintPages kind;
    bool reverse;
    QList<int> pages;
    int copiesPerSheet;
};

std::ostream &operator<<(std::ostream &os, const WalkRow &r) { return os << r.name; }

class PageWalks : public PrintLoop, public ::testing::WithParamInterface<WalkRow> {};

const WalkRow kWalks[] = {
    {"EveryPage", 1, true, "", TfrxPrintPages::ppAll, false, {1, 2, 3}, 1},
    {"Reverse", 1, true, "", TfrxPrintPages::ppAll, true, {3, 2, 1}, 1},
    {"ListWithReverse", 1, true, "2", TfrxPrintPages::ppAll, true, {2}, 1},
    {"RangeEvenPages", 1, true, "1-3", TfrxPrintPages::ppEven, false, {2}, 1},
    {"OddPages", 1, true, "", TfrxPrintPages::ppOdd, false, {1, 3}, 1},
    {"ListOrderDoesNotReorder", 1, true, "3,1", TfrxPrintPages::ppAll, false, {1, 3}, 1},
    {"CollatedCopies", 2, true, "1-2", TfrxPrintPages::ppAll, false, {1, 2, 1, 2}, 1},
    {"CopiesPerSheet", 2, false, "1-2", TfrxPrintPages::ppAll, false, {1, 2}, 2},
    {"CollatedReverseCopies", 2, true, "", TfrxPrintPages::ppAll, true, {3, 2, 1, 3, 2, 1}, 1},
    {"NoCopiesCountsAsOne", 0, false, "", TfrxPrintPages::ppAll, false, {1, 2, 3}, 1},
    {"NegativeCopiesCountAsOne", -4, true, "", TfrxPrintPages::ppAll, false, {1, 2, 3}, 1},
    {"ListBeyondTheLastPage", 1, true, "7", TfrxPrintPages::ppAll, false, {}, 1},
};

TEST_P(PageWalks, PrintTheChosenPagesInOrder)
{
    const WalkRow &row = GetParam();
    TfrxPrintSettings settings;
    settings.copies = row.copies;
    settings.collate = row.collate;
    settings.pageNumbers = QString::fromLatin1(row.pageNumbers);
    settings.kind = row.kind;
    settings.reverse = row.reverse;
    loop.Print(printer, settings);
    EXPECT_EQ(printedPages(), row.pages);
    for (const Sheet &s : printer.sheets)
        EXPECT_EQ(s.copies, row.copiesPerSheet);
    EXPECT_EQ(control.steps, row.pages);
    // One job for all sheets and copies, none when nothing matched.
    EXPECT_EQ(printer.events, row.pages.isEmpty() ? QStringList() : QStringList({"job", "end"}));
    EXPECT_EQ(control.events, QStringList({"start", "stop"}));
    // Every printed page is freed at once.
    EXPECT_EQ(store.CachedPageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PageWalks, ::testing::ValuesIn(kWalks),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrintLoop, EachSheetTakesPaperTrayAndDuplexFromItsPage)
{
    loop.Print(printer, {});
    // Bin on the report's first page, BinOtherPages after; duplex + 1.
    const std::vector<Sheet> expected = {{1, 1, 1, 2, false}, {2, 1, 2, 2, false}, {3, 1, 2, 2, true}};
    EXPECT_EQ(printer.sheets, expected);
}

TEST_F(PrintLoop, CancelBetweenSheetsAbortsTheJob)
{
    control.onMessages = [this] {
        if (control.steps.size() == 1)
            control.terminated = true;
    };
    TfrxPrintSettings settings;
    settings.copies = 3;
    loop.Print(printer, settings);
    EXPECT_EQ(printedPages(), QList<int>{1});
    EXPECT_EQ(printer.events, QStringList({"job", "abort"}));
    EXPECT_EQ(control.events, QStringList({"start", "stop"}));
}

TEST_F(PrintLoop, TerminatedFlagOfAnEarlierRunIsCleared)
{
    control.terminated = true;
    loop.Print(printer, {});
    EXPECT_EQ(printedPages(), QList<int>({1, 2, 3}));
}

TEST_F(PrintLoop, ErrorWhilePrintingAbortsAndIsPassedOn)
{
    printer.failOnSheet = 1;
    EXPECT_THROW(loop.Print(printer, {}), LoderaError);
    EXPECT_EQ(printer.events, QStringList({"job", "abort"}));
    EXPECT_EQ(control.events, QStringList({"start", "stop"}));
    EXPECT_FALSE(printer.JobOpen());
}

TEST_F(PrintLoop, PageListThatIsNotANumberFailsBeforeAnyPrinting)
{
    TfrxPrintSettings settings;
    settings.pageNumbers = QStringLiteral("1,x");
    EXPECT_THROW(loop.Print(printer, settings), EConvertError);
    EXPECT_TRUE(printer.sheets.empty());
    EXPECT_TRUE(printer.events.isEmpty());
    EXPECT_TRUE(control.events.isEmpty());
}

TEST_F(PrintLoop, DialogCancelPrintsNothing)
{
    report.PrintOptions()->SetShowDialog(true);
    control.answer = [](TfrxPrintChoices &) { return false; };
    EXPECT_FALSE(loop.SendToPrinter());
    EXPECT_EQ(control.dialogs, 1);
    EXPECT_TRUE(control.events.isEmpty());
}

TEST_F(PrintLoop, DialogIsFilledFromThePrintOptionsAndItsAnswersPrint)
{
    // The virtual printer of a machine without printers is current: the
    // dialog's choices reach it, and starting its job says there is no printer.
    TfrxPrintOptions *o = report.PrintOptions();
    o->SetShowDialog(true);
    o->SetCopies(3);
    o->SetCollate(false);
    o->SetPageNumbers(QStringLiteral("2-3"));
    o->SetPrintPages(TfrxPrintPages::ppOdd);
    o->SetReverse(true);
    TfrxPrintChoices seen;
    control.answer = [&seen](TfrxPrintChoices &c) {
        seen = c;
        c.range = TfrxPrintChoices::Range::PageNumbers;
        c.pageNumbers = QStringLiteral("9");
        return true;
    };
    EXPECT_TRUE(loop.SendToPrinter());
    EXPECT_EQ(seen.copies, 3);
    EXPECT_FALSE(seen.collate);
    EXPECT_EQ(seen.range, TfrxPrintChoices::Range::PageNumbers);
    EXPECT_EQ(seen.pageNumbers, QStringLiteral("2-3"));
    EXPECT_EQ(seen.kind, TfrxPrintChoices::Kind::Odd);
    EXPECT_TRUE(seen.reverse);
    // Page 9 matches nothing: no job was started on the virtual printer.
    EXPECT_EQ(control.events, QStringList({"start", "stop"}));
}

TEST_F(PrintLoop, VirtualPrinterRefusesToPrint)
{
    report.PrintOptions()->SetShowDialog(false);
    EXPECT_THROW(loop.SendToPrinter(), LoderaError);
}

} // namespace

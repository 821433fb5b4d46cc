// A report run from BuildPages to the store: the pages, the template reloaded
// from its memory copy, the error list and its one box, progress, cancelling
// and a database error in the middle of a run; what the engine does for a
// real build: stretching memos, totals over a band, the engine seen from
// memo text and repeated values under each master row.
//
// The list: a 10 mm margin A4 page (277 mm = 1046.9 px of band space), a
// 50 px title and 100 px rows. Page 1 holds the title and 9 rows (950 px; a
// tenth would end at 1050), every later page 10 rows. 20 rows: 3 pages.
#include "platform/loderaerror.h"
#include "report/engine/tfrxuserdataset.h"
#include "report/model/tfrxdatasetitem.h"
#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreportrun.h"
#include "report/model/tfrxreporttitle.h"
#include "report/output/tfrxheadlessreportrun.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxreportscript.h"
#include "report/ui/tfrxreportuirun.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The headless run with its window hooks recorded.
class ProbeRun : public TfrxHeadlessReportRun
{
public:
    using TfrxHeadlessReportRun::TfrxHeadlessReportRun;

    void Progress(TfrxProgressEvent event, TfrxProgressType kind, int page) override
    {
        static const char *kinds[] = {"running", "exporting", "printing"};
        static const char *events[] = {"start", "step", "stop"};
        QString line = QStringLiteral("%1 %2").arg(QLatin1String(events[int(event)]), QLatin1String(kinds[int(kind)]));
        if (event == TfrxProgressEvent::Progress)
            line += QStringLiteral(" %1").arg(page);
        progress << line;
        if (onProgress)
            onProgress(event, page);
    }

    QStringList progress;
    QStringList boxes;
    int failures = 0;
    std::function<void(TfrxProgressEvent, int)> onProgress;

protected:
    void ShowErrorBox(const QString &text) override { boxes << text; }
    void RunFailed() override { ++failures; }
};

// Rows 1..n; Next() after row `failAfter` raises what a lost database
// connection raises.
class CountingRows : public TfrxUserDataSet
{
public:
    int failAfter = -1;
    void Next() override
    {
        if (RecNo() + 1 == failAfter)
            throw LoderaError(QStringLiteral("Veritabanı okunamadı: bağlantı kesildi"));
        TfrxUserDataSet::Next();
    }
};

struct ReportRun : ::testing::Test
{
    TfrxReport report;
    CountingRows rows;
    ProbeRun *run = nullptr;

    void SetUp() override
    {
        frxSetReportRunFactory([this](TfrxReport *r) {
            auto probe = std::make_unique<ProbeRun>(r);
            run = probe.get();
            return probe;
        });
        rows.SetName(QStringLiteral("Rows"));
        rows.SetRangeEnd(TfrxRangeEnd::reCount);
        rows.SetRangeEndCount(20);
        report.Datasets()->Add(&rows);

        auto *page = new TfrxReportPage(&report);
        page->SetName(QStringLiteral("Page1"));
        for (auto set : {&TfrxReportPage::SetLeftMargin, &TfrxReportPage::SetRightMargin,
                         &TfrxReportPage::SetTopMargin, &TfrxReportPage::SetBottomMargin})
            (page->*set)(10);
        auto *title = new TfrxReportTitle(page);
        title->SetName(QStringLiteral("ReportTitle1"));
        title->SetBounds(0, 0, 700, 50);
        auto *memo = new TfrxMemoView(title);
        memo->SetName(QStringLiteral("Baslik"));
        memo->SetBounds(0, 0, 400, 20);
        auto *master = new TfrxMasterData(page);
        master->SetName(QStringLiteral("MasterData1"));
        master->SetBounds(0, 100, 700, 100);
        master->SetDataSet(&rows);
        auto *line = new TfrxMemoView(master);
        line->SetName(QStringLiteral("Satir"));
        line->SetBounds(0, 0, 400, 20);
        report.Run(); // made now, with the probe
    }

    // The test program runs reports with the program's windows otherwise.
    void TearDown() override { frxInstallReportUi(); }

    TfrxMemoView *baslik() const
    {
        return qobject_cast<TfrxMemoView *>(report.FindObject(QStringLiteral("Baslik")));
    }
    int pages() { return report.PreviewPages()->PageCount(); }

    // The printed lines of the named memos of an output page, in page order.
    QStringList printed(int page, const QString &memoName)
    {
        QStringList out;
        TfrxReportPage *p = report.PreviewPages()->BuildPage(page);
        if (!p)
            return out;
        for (TfrxComponent *c : p->AllObjects())
            if (auto *memo = qobject_cast<TfrxMemoView *>(c); memo && memo->Name() == memoName)
                out << memo->Memo().join('|');
        return out;
    }
    void setSatir(const QString &text)
    {
        qobject_cast<TfrxMemoView *>(report.FindObject(QStringLiteral("Satir")))->SetText(text);
    }
    TfrxMemoView *memo(const QString &name) const
    {
        return qobject_cast<TfrxMemoView *>(report.FindObject(name));
    }
    TfrxMemoView *addMemo(const QString &bandName, const QString &name, double top, const QString &text)
    {
        auto *m = new TfrxMemoView(qobject_cast<TfrxComponent *>(report.FindObject(bandName)));
        m->SetName(name);
        m->SetBounds(0, top, 400, 20);
        m->SetText(text);
        return m;
    }
    // The output bands of that name on an output page, in page order.
    QList<TfrxComponent *> bands(int page, const QString &name)
    {
        QList<TfrxComponent *> out;
        if (TfrxReportPage *p = report.PreviewPages()->BuildPage(page))
            for (TfrxComponent *c : p->Objects())
                if (c->Name() == name)
                    out << c;
        return out;
    }
};

TEST_F(ReportRun, BuildKeepsTheTextsWrittenBeforeItInNewObjects)
{
    QPointer<TfrxMemoView> before = baslik();
    before->SetText(QStringLiteral("Sevk: Ayşe Yılmaz (kendisi)"));
    EXPECT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
    EXPECT_EQ(pages(), 3);
    EXPECT_TRUE(report.Errors().isEmpty());
    EXPECT_TRUE(run->boxes.isEmpty());
    // The template was reloaded: the old object is gone, the new one holds the text.
    EXPECT_TRUE(before.isNull());
    ASSERT_NE(baslik(), nullptr);
    EXPECT_EQ(baslik()->Memo(), QStringList{QStringLiteral("Sevk: Ayşe Yılmaz (kendisi)")});
    // The reloaded band is bound to the same dataset again.
    auto *master = qobject_cast<TfrxMasterData *>(report.FindObject(QStringLiteral("MasterData1")));
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->DataSet(), &rows);
    // A build reports its progress: the start, each new page, the end.
    EXPECT_EQ(run->progress, QStringList({"start running", "step running 1", "step running 2", "step running 3",
                                          "stop running"}));
}

TEST_F(ReportRun, SecondBuildWithClearPreviousStartsAgain)
{
    ASSERT_TRUE(report.BuildPages(true));
    ASSERT_TRUE(report.BuildPages(true));
    EXPECT_EQ(pages(), 3);
}

struct ErrorRow
{
    const char *name;
    std::function<void(TfrxReport &)> spoil;
    QStringList lines;
};

std::ostream &operator<<(std::ostream &os, const ErrorRow &r) { return os << r.name; }

class BuildErrors : public ReportRun, public ::testing::WithParamInterface<ErrorRow> {};

void addMissingDataset(TfrxReport &report, const char *name)
{
    report.Datasets()->AddItem()->SetDataSetName(QString::fromUtf8(name));
}

const ErrorRow kBuildErrors[] = {
    {"DatasetNotCreated",
     [](TfrxReport &r) { addMissingDataset(r, "frxDBDataset9"); },
     {"\"frxDBDataset9\" Dataset'i oluşturulmamış"}},
    {"SortedAndEachLineOnce",
     [](TfrxReport &r) {
         addMissingDataset(r, "Zeytin");
         addMissingDataset(r, "Armut");
         addMissingDataset(r, "armut");
     },
     {"\"Armut\" Dataset'i oluşturulmamış", "\"Zeytin\" Dataset'i oluşturulmamış"}},
    {"ScriptDoesNotCompile",
     [](TfrxReport &r) { r.SetScriptText({"begin", "  x := 1", "end."}); },
     {"Script Hatası 2:3: Tanımlanmamış tanıtıcı: 'x'"}},
    {"MisplacedBands",
     [](TfrxReport &r) {
         auto *h = new TfrxHeader(r.Pages(0));
         h->SetName(QStringLiteral("Header9"));
         h->SetBounds(0, 600, 700, 10);
     },
     {"Bağlantısız Rapor Başlığı/Sonu Header9"}},
};

TEST_P(BuildErrors, FailWithTheirLinesInOneBox)
{
    const ErrorRow &row = GetParam();
    row.spoil(report);
    EXPECT_FALSE(report.BuildPages(true));
    EXPECT_EQ(report.Errors().join('\n').toStdString(), row.lines.join('\n').toStdString());
    EXPECT_EQ(pages(), 0);
    ASSERT_EQ(run->boxes.size(), 1);
    EXPECT_EQ(run->boxes[0].toStdString(),
              (QStringLiteral("Aşağıdaki hata(lar) oluştu:\n") + row.lines.join('\n')).toStdString());
}

TEST_P(BuildErrors, SilentModeShowsNoBox)
{
    GetParam().spoil(report);
    report.EngineOptions()->SetSilentMode(true);
    EXPECT_FALSE(report.BuildPages(true));
    EXPECT_EQ(report.Errors().join('\n'), GetParam().lines.join('\n'));
    EXPECT_TRUE(run->boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, BuildErrors, ::testing::ValuesIn(kBuildErrors),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportRun, RowsExpandLineAndPageNumbers)
{
    setSatir(QStringLiteral("[Line] / Sayfa: [Page#]"));
    ASSERT_TRUE(report.BuildPages(true));
    EXPECT_EQ(printed(0, QStringLiteral("Satir")).first(), QStringLiteral("1 / Sayfa: 1"));
    const QStringList second = printed(1, QStringLiteral("Satir"));
    ASSERT_EQ(second.size(), 10);
    // Row 10 did not fit under row 9 (ending at 1050 px of 1046.9): it opens
    // page 2 and must name it, although its text was first loaded on page 1.
    EXPECT_EQ(second[0], QStringLiteral("10 / Sayfa: 2"));
    EXPECT_EQ(second[1], QStringLiteral("11 / Sayfa: 2"));
    EXPECT_EQ(second[9], QStringLiteral("19 / Sayfa: 2"));
    // The template keeps its expression text.
    EXPECT_EQ(qobject_cast<TfrxMemoView *>(report.FindObject(QStringLiteral("Satir")))->Memo(),
              QStringList{QStringLiteral("[Line] / Sayfa: [Page#]")});
}

TEST_F(ReportRun, RepeatedValueHidesOnAPageAndShowsAgainOnTheNext)
{
    setSatir(QStringLiteral("Aynı"));
    qobject_cast<TfrxMemoView *>(report.FindObject(QStringLiteral("Satir")))->SetSuppressRepeated(true);
    ASSERT_TRUE(report.BuildPages(true));
    // Row 1 shows it, rows 2-9 hide it; row 10 opens page 2 and shows it again.
    QStringList first(9, QString()), second(10, QString());
    first[0] = second[0] = QStringLiteral("Aynı");
    EXPECT_EQ(printed(0, QStringLiteral("Satir")), first);
    EXPECT_EQ(printed(1, QStringLiteral("Satir")), second);
}

TEST_F(ReportRun, VariablesAndExpressionsAreCalculatedOncePerText)
{
    // A string variable is itself an expression.
    report.Variables()->SetValue(QStringLiteral("Kurum"), QStringLiteral("'Merkez' + ' Şube'"));
    setSatir(QStringLiteral("[Kurum]: [2 * 3] [IIF(<Line> > 1, 'devam', 'ilk')]"));
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
    const QStringList first = printed(0, QStringLiteral("Satir"));
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first[0], QStringLiteral("Merkez Şube: 6 ilk"));
    EXPECT_EQ(first[1], QStringLiteral("Merkez Şube: 6 devam"));
    // Compiled texts: the variable's, "2 * 3", the IIF and its condition and
    // its two branches; twenty rows compile nothing more.
    EXPECT_LE(run->Script().Expressions().count(), 6);
}

struct TextErrorRow
{
    const char *name;
    const char *text; // written into the title memo Baslik
    bool runEnds;
    const char *line;
};

std::ostream &operator<<(std::ostream &os, const TextErrorRow &r) { return os << r.name; }

class TextErrors : public ReportRun, public ::testing::WithParamInterface<TextErrorRow> {};

const TextErrorRow kTextErrors[] = {
    {"TypedBracketNamesNothing", "Sevk: Ayşe [kendisi]", true,
     "Baslik: Söz dizimi hatası 'kendisi': Tanımlanmamış tanıtıcı: 'kendisi'"},
    {"ExpressionDoesNotCompile", "Toplam: [1 +]", true, "Baslik: Söz dizimi hatası '1 +': Beklenmeyen simge: 'end'"},
    {"UnknownNameInAngleBrackets", "Kurum: [<Merkez>]", false, "Bilinmeyen değişken veya saha: Merkez"},
};

TEST_P(TextErrors, GiveTheirLineOnce)
{
    const TextErrorRow &row = GetParam();
    baslik()->SetText(QString::fromUtf8(row.text));
    EXPECT_FALSE(report.BuildPages(true));
    EXPECT_EQ(report.Errors().join('\n').toStdString(), std::string(row.line));
    ASSERT_EQ(run->boxes.size(), 1);
    // A run that goes on builds all its pages; one that ends keeps the first.
    EXPECT_EQ(pages(), row.runEnds ? 1 : 3);
    // The typed text is there again for the next build.
    EXPECT_EQ(baslik()->Memo(), QStringList{QString::fromUtf8(row.text)});
}

INSTANTIATE_TEST_SUITE_P(Table, TextErrors, ::testing::ValuesIn(kTextErrors),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportRun, TextWithoutAnOpeningBracketIsLeftAlone)
{
    baslik()->SetText(QStringLiteral("Ek] sonu ["));
    ASSERT_TRUE(report.BuildPages(true));
    EXPECT_EQ(printed(0, QStringLiteral("Baslik")), QStringList{QStringLiteral("Ek] sonu [")});
}

TEST_F(ReportRun, DatabaseErrorEndsTheRunKeepingThePagesAndTheTemplate)
{
    baslik()->SetText(QStringLiteral("Liste"));
    rows.failAfter = 11; // rows 1-9 on page 1, 10 and 11 on page 2
    EXPECT_FALSE(report.BuildPages(true));
    EXPECT_EQ(report.Errors(), QStringList{"Veritabanı okunamadı: bağlantı kesildi"});
    EXPECT_EQ(pages(), 2);
    EXPECT_EQ(run->boxes.size(), 1);
    ASSERT_NE(baslik(), nullptr);
    EXPECT_EQ(baslik()->Memo(), QStringList{QStringLiteral("Liste")});
    // The next build, with the connection back, runs to the end.
    rows.failAfter = -1;
    EXPECT_TRUE(report.BuildPages(true));
    EXPECT_EQ(pages(), 3);
}

TEST_F(ReportRun, StopBetweenPagesKeepsThePagesWithoutAnError)
{
    run->onProgress = [this](TfrxProgressEvent event, int page) {
        if (event == TfrxProgressEvent::Progress && page == 2)
            report.StopReport();
    };
    EXPECT_TRUE(report.BuildPages(true));
    EXPECT_TRUE(report.Terminated());
    EXPECT_EQ(pages(), 2);
    EXPECT_TRUE(report.Errors().isEmpty());
    EXPECT_TRUE(run->boxes.isEmpty());
    // The next build starts with the flag cleared.
    run->onProgress = nullptr;
    EXPECT_TRUE(report.BuildPages(true));
    EXPECT_EQ(pages(), 3);
}

TEST_F(ReportRun, StretchingMemoGrowsItsRowAndShiftsWhatIsBelow)
{
    // Eight lines of 10 pt Arial: 8 x (83 x 96 / 600 + 2) = 122.24, plus GapY
    // 1 above and below, rounded: 124. The memo grows by 104, the memo under
    // it moves from 30 to 134, and the stretched row ends at 154.
    TfrxMemoView *satir = memo(QStringLiteral("Satir"));
    satir->SetText(QStringLiteral("[Line]\nb\nc\nd\ne\nf\ng\nh"));
    satir->SetStretchMode(TfrxStretchMode::smActualHeight);
    addMemo(QStringLiteral("MasterData1"), QStringLiteral("Alt"), 30, QStringLiteral("alt"));
    qobject_cast<TfrxBand *>(report.FindObject(QStringLiteral("MasterData1")))->SetStretched(true);
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();

    // Page 1: the title, then rows at 50, 204, ... 820 (ending at 974); a
    // seventh would end at 1128 of 1046.9. Later pages: 6 x 154 = 924 fits,
    // 7 x 154 = 1078 does not. 20 rows: 6 + 6 + 6 + 2, four pages.
    EXPECT_EQ(pages(), 4);
    const QList<TfrxComponent *> first = bands(0, QStringLiteral("MasterData1"));
    ASSERT_EQ(first.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(first[i]->Top(), 50 + 154 * i) << i;
        EXPECT_DOUBLE_EQ(first[i]->Height(), 154) << i;
    }
    ASSERT_EQ(first[0]->Objects().size(), 2);
    EXPECT_DOUBLE_EQ(first[0]->Objects()[0]->Height(), 124);
    EXPECT_DOUBLE_EQ(first[0]->Objects()[1]->Top(), 134);
    const QList<TfrxComponent *> second = bands(1, QStringLiteral("MasterData1"));
    ASSERT_EQ(second.size(), 6);
    EXPECT_DOUBLE_EQ(second[5]->Top(), 5 * 154);
    EXPECT_EQ(bands(3, QStringLiteral("MasterData1")).size(), 2);
    // The template keeps its sizes.
    EXPECT_DOUBLE_EQ(memo(QStringLiteral("Satir"))->Height(), 20);
    EXPECT_DOUBLE_EQ(memo(QStringLiteral("Alt"))->Top(), 30);
    EXPECT_DOUBLE_EQ(qobject_cast<TfrxBand *>(report.FindObject(QStringLiteral("MasterData1")))->Height(), 100);
}

TEST_F(ReportRun, SplitRowCarriesTheLinesThatDoNotFitToTheNextPage)
{
    // One row whose memo holds 100 lines: 100 x 15.28 + 2 = 1530 high, the
    // stretched row as well. Page 1 has 1046.9 - 50 = 996.9 left: the memo
    // keeps 994.9 for its text, 65 lines (66 would need 1008.5). The other 35
    // need 35 x 15.28 + 2 = 536.8, rounded 537, more than the 533.1 left of
    // the memo's box, so the second part is 537 high.
    rows.SetRangeEndCount(1);
    QStringList lines;
    for (int i = 1; i <= 100; ++i)
        lines << QStringLiteral("Satır %1").arg(i);
    TfrxMemoView *satir = memo(QStringLiteral("Satir"));
    satir->SetText(lines.join('\n'));
    satir->SetStretchMode(TfrxStretchMode::smActualHeight);
    auto *master = qobject_cast<TfrxBand *>(report.FindObject(QStringLiteral("MasterData1")));
    master->SetStretched(true);
    master->SetAllowSplit(true);
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();

    ASSERT_EQ(pages(), 2);
    EXPECT_EQ(printed(0, QStringLiteral("Satir")), QStringList{lines.mid(0, 65).join('|')});
    EXPECT_EQ(printed(1, QStringLiteral("Satir")), QStringList{lines.mid(65).join('|')});
    const QList<TfrxComponent *> first = bands(0, QStringLiteral("MasterData1"));
    const QList<TfrxComponent *> second = bands(1, QStringLiteral("MasterData1"));
    ASSERT_EQ(first.size(), 1);
    ASSERT_EQ(second.size(), 1);
    const double pageSpace = 277 * 3.77953;
    EXPECT_NEAR(first[0]->Top(), 50, 0.01);
    EXPECT_NEAR(first[0]->Height(), pageSpace - 50, 0.01);
    ASSERT_EQ(first[0]->Objects().size(), 1);
    EXPECT_NEAR(first[0]->Objects()[0]->Height(), pageSpace - 50, 0.01);
    EXPECT_NEAR(second[0]->Top(), 0, 0.01);
    EXPECT_NEAR(second[0]->Height(), 537, 0.01);
    ASSERT_EQ(second[0]->Objects().size(), 1);
    EXPECT_NEAR(second[0]->Objects()[0]->Top(), 0, 0.01);
    EXPECT_NEAR(second[0]->Objects()[0]->Height(), 537, 0.01);
    // The template keeps its text and sizes.
    EXPECT_EQ(memo(QStringLiteral("Satir"))->Memo(), lines);
    EXPECT_DOUBLE_EQ(memo(QStringLiteral("Satir"))->Height(), 20);
    EXPECT_DOUBLE_EQ(qobject_cast<TfrxBand *>(report.FindObject(QStringLiteral("MasterData1")))->Height(), 100);
}

TEST_F(ReportRun, FooterTotalsTheRowsAboveIt)
{
    const double amounts[] = {12, 8, 30, 2};
    rows.SetRangeEndCount(4);
    rows.SetFields({QStringLiteral("Tutar")});
    rows.OnGetValue = [&](const QString &field, QVariant &value) {
        if (field == QLatin1String("Tutar"))
            value = amounts[rows.RecNo()];
    };
    setSatir(QStringLiteral("[<Rows.\"Tutar\">]"));
    auto *footer = new TfrxFooter(report.Pages(0));
    footer->SetName(QStringLiteral("Footer1"));
    footer->SetBounds(0, 250, 700, 20);
    addMemo(QStringLiteral("Footer1"), QStringLiteral("Toplam"), 0,
            QStringLiteral("[SUM(<Rows.\"Tutar\">, MasterData1)] [AVG(<Rows.\"Tutar\">)] [MIN(<Rows.\"Tutar\">)] "
                           "[MAX(<Rows.\"Tutar\">, 'MasterData1')] [COUNT(MasterData1)] [COUNT()]"));
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
    EXPECT_EQ(printed(0, QStringLiteral("Satir")), QStringList({"12", "8", "30", "2"}));
    // 12 + 8 + 30 + 2 = 52 over 4 rows: average 13, smallest 2, largest 30.
    EXPECT_EQ(printed(0, QStringLiteral("Toplam")), QStringList{QStringLiteral("52 13 2 30 4 4")});
}

TEST_F(ReportRun, MemoTextReadsTheEngine)
{
    rows.SetRangeEndCount(10);
    setSatir(QStringLiteral("[Engine.CurY] [Engine.TotalPages] [Engine.FinalPass] [Engine.DoublePass]"));
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
    // Rows start under the 50 px title, 100 px apart; row 10 opens page 2 at its top.
    const QStringList first = printed(0, QStringLiteral("Satir"));
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first[0], QStringLiteral("50 0 True False"));
    EXPECT_EQ(first[8], QStringLiteral("850 0 True False"));
    EXPECT_EQ(printed(1, QStringLiteral("Satir")), QStringList{QStringLiteral("0 0 True False")});
}

TEST_F(ReportRun, OutlineTakesTheRowsOutlineTextsAndWhatTheScriptAdds)
{
    // Rows at 50, 150 and 250 of page 1, each with its line number; the
    // title's script adds an item of its own where the title starts.
    rows.SetRangeEndCount(3);
    auto *master = qobject_cast<TfrxBand *>(report.FindObject(QStringLiteral("MasterData1")));
    master->SetOutlineText(QStringLiteral("Line"));
    auto *title = qobject_cast<TfrxBand *>(report.FindObject(QStringLiteral("ReportTitle1")));
    title->SetOnBeforePrint(QStringLiteral("ReportTitle1OnBeforePrint"));
    report.SetScriptText({"procedure ReportTitle1OnBeforePrint(Sender: TfrxComponent);", "begin",
                          "  Outline.AddItem('Başlık');", "  Outline.LevelUp;", "end;", "", "begin", "end."});
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
    TfrxCustomOutline *outline = report.PreviewPages()->Outline();
    outline->LevelRoot();
    QStringList items;
    for (int i = 0; i < outline->Count(); ++i) {
        const TfrxOutlineEntry e = outline->GetItem(i);
        items << QStringLiteral("%1@%2:%3").arg(e.Text).arg(e.Page).arg(e.Top);
    }
    EXPECT_EQ(items, QStringList({"Başlık@0:0", "1@0:50", "2@0:150", "3@0:250"}));
}

TEST_F(ReportRun, RepeatedValuesShowAgainUnderEveryMasterRow)
{
    // Three staff rows with two detail rows each, all on page 1 (50 + 3 x 140).
    rows.SetRangeEndCount(3);
    TfrxUserDataSet details;
    details.SetName(QStringLiteral("Ayrintilar"));
    details.SetRangeEnd(TfrxRangeEnd::reCount);
    details.SetRangeEndCount(2);
    report.Datasets()->Add(&details);
    auto *detail = new TfrxDetailData(report.Pages(0));
    detail->SetName(QStringLiteral("DetailData1"));
    detail->SetBounds(0, 210, 700, 20);
    detail->SetDataSet(&details);
    addMemo(QStringLiteral("DetailData1"), QStringLiteral("Ayrinti"), 0, QStringLiteral("Aynı"))
        ->SetSuppressRepeated(true);
    ASSERT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
    EXPECT_EQ(pages(), 1);
    EXPECT_EQ(printed(0, QStringLiteral("Ayrinti")), QStringList({"Aynı", "", "Aynı", "", "Aynı", ""}));
}

} // namespace

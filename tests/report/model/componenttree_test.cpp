// The component tree: parents and children, names and lookups, absolute
// positions, font inheritance, cross references and the output hooks.
#include "platform/loderaerror.h"
#include "report/model/tfrxchild.h"
#include "report/model/tfrxdialogpage.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxnullband.h"
#include "report/model/tfrxoverlay.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreporttitle.h"
#include "report/model/tfrxshapeview.h"
#include "report/model/tfrxsubdetaildata.h"
#include "report/model/tfrxdataband6.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

QStringList namesOf(const QList<TfrxComponent *> &list)
{
    QStringList names;
    for (const TfrxComponent *c : list)
        names.append(c->Name());
    return names;
}

template <typename T>
T *make(TfrxComponent *owner, const char *name)
{
    auto *c = new T(owner);
    c->SetName(QString::fromLatin1(name));
    return c;
}

// Page1 (Memo1, Band1 (Memo3)), Page2 (Memo2).
struct TwoPageReport : ::testing::Test
{
    TfrxReport report;
    TfrxReportPage *page1 = make<TfrxReportPage>(&report, "Page1");
    TfrxMemoView *memo1 = make<TfrxMemoView>(page1, "Memo1");
    TfrxMasterData *band1 = make<TfrxMasterData>(page1, "Band1");
    TfrxMemoView *memo3 = make<TfrxMemoView>(band1, "Memo3");
    TfrxReportPage *page2 = make<TfrxReportPage>(&report, "Page2");
    TfrxMemoView *memo2 = make<TfrxMemoView>(page2, "Memo2");
};

} // namespace

TEST_F(TwoPageReport, AllObjectsIsDepthFirstWithEachComponentBeforeItsChildren)
{
    EXPECT_EQ(namesOf(report.AllObjects()),
              QStringList({"Page1", "Memo1", "Band1", "Memo3", "Page2", "Memo2"}));
    EXPECT_EQ(namesOf(page1->AllObjects()), QStringList({"Memo1", "Band1", "Memo3"}));
    EXPECT_TRUE(memo3->AllObjects().isEmpty());
}

TEST_F(TwoPageReport, FindObjectComparesAsciiLettersWithoutCaseAndSearchesOnlyBelow)
{
    EXPECT_EQ(report.FindObject("memo3"), memo3);
    EXPECT_EQ(report.FindObject("MEMO2"), memo2);
    EXPECT_EQ(band1->FindObject("Memo1"), nullptr);
    EXPECT_EQ(page1->FindObject("Page1"), nullptr); // not in its own list
    EXPECT_EQ(report.FindObject("Memo4"), nullptr);
}

TEST_F(TwoPageReport, PageAndOwnerReportAreTheNearestAncestors)
{
    EXPECT_EQ(memo3->Page(), page1);
    EXPECT_EQ(memo3->OwnerReport(), &report);
    EXPECT_EQ(page2->Page(), page2);
    EXPECT_EQ(report.OwnerReport(), &report);
    TfrxMemoView loose;
    EXPECT_EQ(loose.Page(), nullptr);
    EXPECT_EQ(loose.OwnerReport(), nullptr);
}

TEST_F(TwoPageReport, DuplicateNameInTheReportFailsWithPrDuplAndKeepsTheOldName)
{
    auto *memo = make<TfrxMemoView>(page2, "Memo9");
    try {
        memo->SetName("memo1");
        FAIL() << "no error";
    } catch (const LoderaError &e) {
        EXPECT_EQ(e.message(), "prDupl");
    }
    EXPECT_EQ(memo->Name(), "Memo9");
    // The component itself does not count: a change of case is a rename.
    memo1->SetName("MEMO1");
    EXPECT_EQ(memo1->Name(), "MEMO1");
}

TEST_F(TwoPageReport, InvalidIdentifiersAreRefused)
{
    for (const char *bad : {"1Memo", "Memo 1", "Memo-1", "Memoş"}) {
        try {
            memo1->SetName(QString::fromUtf8(bad));
            ADD_FAILURE() << bad;
        } catch (const LoderaError &e) {
            EXPECT_EQ(e.message(), QString("''%1'' is not a valid component name").arg(QString::fromUtf8(bad)));
        }
        EXPECT_EQ(memo1->Name(), "Memo1");
    }
    memo1->SetName("_memo_1");
    EXPECT_EQ(memo1->Name(), "_memo_1");
    memo1->SetName("");
    EXPECT_EQ(memo1->Name(), "");
}

TEST(ComponentNames, OutsideAReportTheTreeStillKeepsNamesUnique)
{
    TfrxReportPage page;
    auto *a = make<TfrxMemoView>(&page, "A");
    auto *b = make<TfrxMemoView>(&page, "B");
    (void)a;
    EXPECT_THROW(b->SetName("a"), LoderaError);
    EXPECT_EQ(b->Name(), "B");
}

TEST(ComponentNames, MakeUniqueNameTakesTheFirstFreeNumber)
{
    TfrxReport report;
    auto *page = make<TfrxReportPage>(&report, "Page1");
    make<TfrxMemoView>(page, "Memo1");
    make<TfrxMemoView>(page, "memo2");
    make<TfrxMemoView>(page, "Memo5");
    auto *memo = new TfrxMemoView(page);
    memo->MakeUniqueName();
    EXPECT_EQ(memo->Name(), "Memo3");
}

TEST(ComponentNames, NamePrefixIsTheClassNameWithoutTfrxAndView)
{
    const struct { TfrxComponent *c; const char *prefix; } rows[] = {
        {new TfrxMemoView, "Memo"},
        {new TfrxShapeView, "Shape"},
        {new TfrxMasterData, "MasterData"},
        {new TfrxReportPage, "Page"},
        {new TfrxChild, "Child"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.c->NamePrefix(), row.prefix);
        delete row.c;
    }
}

TEST(ComponentTree, ReparentingMovesBetweenChildListsAndDestructionLeavesTheList)
{
    TfrxReportPage page;
    auto *band1 = new TfrxMasterData(&page);
    auto *band2 = new TfrxFooter(&page);
    auto *memo = new TfrxMemoView(band1);
    auto *other = new TfrxMemoView(band1);
    memo->SetParent(band2);
    EXPECT_EQ(band1->Objects(), QList<TfrxComponent *>({other}));
    EXPECT_EQ(band2->Objects(), QList<TfrxComponent *>({memo}));
    EXPECT_EQ(memo->parent(), band2);
    delete other;
    EXPECT_TRUE(band1->Objects().isEmpty());
    page.Clear();
    EXPECT_TRUE(page.Objects().isEmpty());
}

TEST(ComponentTree, AComponentCannotBecomeItsOwnDescendant)
{
    TfrxReportPage page;
    auto *band = new TfrxMasterData(&page);
    auto *memo = new TfrxMemoView(band);
    EXPECT_THROW(band->SetParent(memo), LoderaError);
    EXPECT_THROW(band->SetParent(band), LoderaError);
    EXPECT_EQ(band->Parent(), &page);
    EXPECT_EQ(band->Objects(), QList<TfrxComponent *>({memo}));
}

TEST(ComponentTree, AbsolutePositionSumsTheAncestorsButNotThePageMargins)
{
    TfrxReport report;
    auto *page = new TfrxReportPage(&report);
    page->SetLeftMargin(14);
    page->SetTopMargin(13);
    auto *band = new TfrxMasterData(page);
    band->SetBounds(20, 100, 500, 40);
    auto *memo = new TfrxMemoView(band);
    memo->SetBounds(10, 5, 50, 20);
    EXPECT_DOUBLE_EQ(memo->AbsLeft(), 30);
    EXPECT_DOUBLE_EQ(memo->AbsTop(), 105);

    // Positions on a dialog page are window positions: they stop there.
    TfrxDialogPage dialog;
    dialog.SetBounds(200, 300, 100, 100);
    auto *control = new TfrxMemoView(&dialog);
    control->SetBounds(7, 8, 1, 1);
    EXPECT_DOUBLE_EQ(control->AbsLeft(), 7);
    EXPECT_DOUBLE_EQ(control->AbsTop(), 8);
}

TEST(ComponentFont, DefaultFontIsArialTenPointBlack)
{
    TfrxMemoView memo;
    EXPECT_EQ(memo.Font()->Name(), "Arial");
    EXPECT_EQ(memo.Font()->Height(), -13);
    EXPECT_EQ(memo.Font()->Size(), 10);
    EXPECT_EQ(memo.Font()->Color(), clBlack);
    EXPECT_EQ(memo.Font()->Charset(), 1);
    EXPECT_TRUE(memo.ParentFont());
}

TEST(ComponentFont, PageFontFlowsToTheChildrenThatFollowTheirParentOnly)
{
    TfrxReportPage page;
    auto *follower = new TfrxMemoView(&page);
    auto *own = new TfrxMemoView(&page);
    own->Font()->SetName("Times New Roman");
    EXPECT_FALSE(own->ParentFont());
    auto *band = new TfrxMasterData(&page);
    auto *grandchild = new TfrxMemoView(band);

    page.Font()->SetHeight(-19);
    EXPECT_EQ(follower->Font()->Height(), -19);
    EXPECT_TRUE(follower->ParentFont());
    EXPECT_EQ(grandchild->Font()->Height(), -19);
    EXPECT_EQ(own->Font()->Height(), -13);
    EXPECT_EQ(own->Font()->Name(), "Times New Roman");
    EXPECT_FALSE(page.ParentFont());

    // Turning ParentFont back on takes the parent's font again.
    own->SetParentFont(true);
    EXPECT_EQ(own->Font()->Name(), "Arial");
    EXPECT_EQ(own->Font()->Height(), -19);

    // A new parent's font is taken on re-parenting.
    TfrxReportPage other;
    other.Font()->SetName("Tahoma");
    follower->SetParent(&other);
    EXPECT_EQ(follower->Font()->Name(), "Tahoma");
}

TEST(ComponentFont, SizeAndHeightConvertAtNinetySixDpi)
{
    const struct { int height; int size; } rows[] = {{-13, 10}, {-9, 7}, {-11, 8}, {-12, 9}, {-19, 14}};
    for (const auto &row : rows) {
        TfrxFont f;
        f.SetHeight(row.height);
        EXPECT_EQ(f.Size(), row.size) << row.height;
        f.SetSize(row.size);
        EXPECT_EQ(f.Height(), row.height) << row.size;
    }
    // Extreme values from a damaged template stay in range.
    TfrxFont f;
    f.SetSize(std::numeric_limits<int>::max());
    EXPECT_EQ(f.Height(), std::numeric_limits<int>::min());
    f.SetHeight(std::numeric_limits<int>::min());
    EXPECT_GT(f.Size(), 0);
}

TEST(MemoView, RotationKeepsTheValueModulo360)
{
    const struct { int in, out; } rows[] = {{400, 40}, {-400, -40}, {360, 0}, {90, 90}, {-90, -90}, {720, 0}};
    TfrxMemoView memo;
    for (const auto &row : rows) {
        memo.SetRotation(row.in);
        EXPECT_EQ(memo.Rotation(), row.out) << row.in;
    }
}

TEST(MemoView, TextSplitsAtAnyLineBreakAndJoinsWithCrLf)
{
    TfrxMemoView memo;
    memo.SetText("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(memo.Memo(), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(memo.Text(), "a\r\nb\r\nc\r\nd\r\n");
    memo.SetText("a\r\n\r\nb");
    EXPECT_EQ(memo.Memo(), QStringList({"a", "", "b"}));
    memo.SetText("");
    EXPECT_TRUE(memo.Memo().isEmpty());
}

TEST(ComponentReferences, AreClearedWhenTheReferencedObjectIsDestroyed)
{
    TfrxReportPage page;
    auto *band = new TfrxMasterData(&page);
    auto *child = new TfrxChild(&page);
    band->SetChild(child);
    auto *memo = new TfrxMemoView(band);
    auto *next = new TfrxMemoView(band);
    memo->SetFlowTo(next);
    auto *ds = new TfrxDataSet;
    ds->SetName("frxDBDataset1");
    memo->SetDataSet(ds);
    EXPECT_EQ(memo->DataSetName(), "frxDBDataset1");

    delete child;
    delete next;
    delete ds;
    EXPECT_EQ(band->Child(), nullptr);
    EXPECT_EQ(memo->FlowTo(), nullptr);
    EXPECT_EQ(memo->DataSet(), nullptr);
}

TEST(Bands, BandNumberFollowsTheBandTable)
{
    const struct { TfrxBand *band; int number; } rows[] = {
        {new TfrxReportTitle, 0}, {new TfrxPageHeader, 2}, {new TfrxFooter, 5},
        {new TfrxMasterData, 6},  {new TfrxSubdetailData, 8}, {new TfrxDataBand6, 11},
        {new TfrxChild, 14},      {new TfrxOverlay, 17},   {new TfrxNullBand, 0},
        {new TfrxBand, 0},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.band->BandNumber(), row.number) << row.band->metaObject()->className();
        delete row.band;
    }
}

TEST(Bands, PageHeaderAndFooterPrintOnFirstAndLastPageByDefault)
{
    TfrxPageHeader header;
    EXPECT_TRUE(header.PrintOnFirstPage());
    EXPECT_FALSE(header.PrintOnLastPage());
    TfrxFooter footer;
    EXPECT_FALSE(footer.PrintOnFirstPage());
}

TEST(OutputHooks, AfterOutputPutsBackBoundsTagsAndTheTextOfUnboundMemos)
{
    TfrxMasterData band;
    auto *memo = new TfrxMemoView(&band);
    memo->SetBounds(1, 2, 3, 4);
    memo->SetText("Kendisi");
    memo->SetTagStr("[a]");

    memo->BeforeOutput();
    memo->SetBounds(10, 20, 30, 40);
    memo->SetText("expanded");
    memo->SetTagStr("1");
    memo->AfterOutput();
    EXPECT_EQ(memo->Memo(), QStringList({"Kendisi"}));
    EXPECT_EQ(memo->TagStr(), "[a]");
    EXPECT_DOUBLE_EQ(memo->Left(), 1);
    EXPECT_DOUBLE_EQ(memo->Height(), 4);

    // A bound memo's text comes from its field; the run does not save it.
    TfrxDataSet ds;
    memo->SetDataSet(&ds);
    memo->SetDataField("Gorevi");
    memo->BeforeOutput();
    memo->SetText("Memur");
    memo->AfterOutput();
    EXPECT_EQ(memo->Memo(), QStringList({"Memur"}));
}

TEST(Restrictions, OnlyComponentsBeingEditedObeyThem)
{
    TfrxMemoView memo;
    memo.SetRestrictions(TfrxRestriction::rfDontMove | TfrxRestriction::rfDontSize);
    memo.SetBounds(1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(memo.Left(), 1);
    memo.SetDesigning(true);
    memo.SetBounds(10, 20, 30, 40);
    EXPECT_DOUBLE_EQ(memo.Left(), 1);
    EXPECT_DOUBLE_EQ(memo.Top(), 2);
    EXPECT_DOUBLE_EQ(memo.Width(), 3);
    EXPECT_DOUBLE_EQ(memo.Height(), 4);
}

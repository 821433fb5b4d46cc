// Recording a run: the difference form, aliases, passes, the cut buffer and
// the engine's queries.
#include "previewpages_fixture.h"

#include "report/model/tfrxshapeview.h"
#include "report/output/tfrxdictionary.h"
#include "report/output/tfrxoutline.h"

#include <functional>

using namespace previewpagestest;

namespace {

struct DiffCase
{
    const char *name;
    std::function<void(ListReport &)> change;
    const char *bandAttrs;
    const char *nameAttrs; // the first memo's attribute text; nullptr: no element
};

struct DifferenceForm : ListReport
{
    void TestBody() override {}
};

struct DifferenceFormTest : ::testing::TestWithParam<DiffCase>
{
};

} // namespace

TEST_P(DifferenceFormTest, StoresOnlyWhatDiffersFromTheSource)
{
    const DiffCase &c = GetParam();
    DifferenceForm f;
    f.begin();
    f.store.StartOutputPage(f.page);
    f.band->SetTop(40);
    c.change(f);
    f.store.RecordBand(f.band);
    f.store.EndRun();

    EXPECT_EQ(f.element(0, {0}).first, QStringLiteral("b1"));
    EXPECT_EQ(f.element(0, {0}).second, QString::fromUtf8(c.bandAttrs));
    if (c.nameAttrs) {
        EXPECT_EQ(f.element(0, {0, 0}).first, QStringLiteral("m1"));
        EXPECT_EQ(f.element(0, {0, 0}).second, QString::fromUtf8(c.nameAttrs));
    } else {
        // The hidden memo left nothing; the second memo is now the first child.
        EXPECT_EQ(f.element(0, {0, 0}).first, QStringLiteral("m2"));
        EXPECT_EQ(f.element(0, {0, 1}).first, QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DifferenceFormTest,
    ::testing::Values(
        DiffCase{"UnchangedMemoStillCarriesItsText", [](ListReport &) {}, "t=\"40\"", "x=\"[Adi]\""},
        DiffCase{"MovedMemo", [](ListReport &f) { f.name->SetBounds(12.5, 3, 200, 18); }, "t=\"40\"",
                 "l=\"12,5\" t=\"3\" x=\"[Adi]\""},
        DiffCase{"StretchedBandAndMemo",
                 [](ListReport &f) {
                     f.band->SetHeight(44);
                     f.name->SetHeight(40);
                 },
                 "t=\"40\" h=\"44\"", "h=\"40\" x=\"[Adi]\""},
        DiffCase{"TwoLinesAndMarkup", [](ListReport &f) { f.name->SetText(QStringLiteral("a<b>\r\n\"ş\"")); },
                 "t=\"40\"", "x=\"a&#60;b&#62;&#13;&#10;&#34;ş&#34;\""},
        DiffCase{"HighlightedColourAndFont",
                 [](ListReport &f) {
                     f.name->SetColor(clRed);
                     TfrxFont font;
                     font.Assign(*f.name->Font());
                     font.SetStyle(TFontStyles(TFontStyle::fsBold) | TFontStyle::fsItalic);
                     f.name->SetFont(font);
                 },
                 "t=\"40\"", "Font.Style=\"3\" ParentFont=\"0\" Color=\"255\" x=\"[Adi]\""},
        DiffCase{"FrameAndPrintable",
                 [](ListReport &f) {
                     f.name->Frame()->SetTyp(TfrxFrameTypes(TfrxFrameType::ftLeft) | TfrxFrameType::ftBottom);
                     f.name->SetPrintable(false);
                 },
                 "t=\"40\"", "Frame.Typ=\"9\" Printable=\"0\" x=\"[Adi]\""},
        DiffCase{"MemoAlignedLeavesOutLeft",
                 [](ListReport &f) {
                     f.name->SetAlign(TfrxAlign::baRight);
                     f.name->SetLeft(500);
                 },
                 "t=\"40\"", "Align=\"2\" x=\"[Adi]\""},
        DiffCase{"AutoWidthMemoLeavesOutWidth",
                 [](ListReport &f) {
                     f.name->SetAutoWidth(true);
                     f.name->SetWidth(90);
                 },
                 "t=\"40\"", "AutoWidth=\"1\" x=\"[Adi]\""},
        DiffCase{"InvisibleMemoLeavesNoElement", [](ListReport &f) { f.name->SetVisible(false); }, "t=\"40\"",
                 nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListReport, InvisibleBandLeavesNothingWithItsObjects)
{
    begin();
    store.StartOutputPage(page);
    band->SetVisible(false);
    store.RecordBand(band);
    band->SetVisible(true);
    store.RecordBand(footer);
    store.EndRun();
    EXPECT_EQ(store.PageElement(0)->Count(), 1);
    EXPECT_EQ(element(0, {0}).first, QStringLiteral("b2"));
}

TEST_F(ListReport, ObjectsWithoutSourceAreStoredInFullUnderTheirClassName)
{
    begin();
    store.StartOutputPage(page);
    auto *extra = make<TfrxShapeView>(band, "Shape1");
    extra->SetBounds(1, 2, 3, 4);
    store.RecordBand(band);
    store.EndRun();
    EXPECT_EQ(element(0, {0, 2}).first, QStringLiteral("TfrxShapeView"));
    EXPECT_EQ(element(0, {0, 2}).second, TfrxXMLSerializer().WriteProperties(extra).trimmed());
    // ... and rebuild to the same object.
    auto *rebuilt = qobject_cast<TfrxShapeView *>(store.BuildPage(0)->Objects()[0]->Objects()[2]);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_EQ(rebuilt->Height(), 4);
}

TEST_F(ListReport, FirstPassOfADoublePassRunKeepsPositionsOnly)
{
    begin();
    engine.finalPass = false;
    store.StartOutputPage(page);
    band->SetTop(60);
    name->SetColor(clRed);
    store.RecordBand(band);
    EXPECT_EQ(element(0, {0}).second, QStringLiteral("t=\"60\""));
    EXPECT_EQ(element(0, {0, 0}).second, QString());
}

TEST(PreviewPagesDictionary, NewAliasesFillTheFirstGapFoundByHalving)
{
    struct Row
    {
        const char *name;
        QList<int> taken;
        const char *expected;
    };
    const Row rows[] = {
        {"first of a letter", {}, "m1"},
        {"after a hundred", [] { QList<int> l; for (int i = 1; i <= 100; ++i) l << i; return l; }(), "m101"},
        {"gap found below the probe", {1, 2, 3, 5}, "m4"},
        {"a high alias alone", {10000}, "m10001"},
    };
    for (const Row &r : rows) {
        TfrxDictionary d;
        for (int n : r.taken)
            d.Add(QStringLiteral("m%1").arg(n), QStringLiteral("Page0.Memo%1").arg(n), nullptr);
        EXPECT_EQ(d.AddNew(QStringLiteral("m"), QStringLiteral("Page0.X"), nullptr), QString::fromLatin1(r.expected))
            << r.name;
    }
    TfrxDictionary d;
    d.Add(QStringLiteral("b1"), QStringLiteral("Page0.Band1"), nullptr);
    EXPECT_EQ(d.GetSourceName(QStringLiteral("B1")), QStringLiteral("Page0.Band1"));
}

TEST_F(ListReport, EveryTemplateObjectGetsAnAliasOfItsKind)
{
    begin();
    EXPECT_EQ(store.SourceObjectOf(QStringLiteral("b1"))->Name(), QStringLiteral("MasterData1"));
    EXPECT_EQ(store.SourceObjectOf(QStringLiteral("m1"))->Name(), QStringLiteral("MemoName"));
    EXPECT_EQ(store.SourceObjectOf(QStringLiteral("m2"))->Name(), QStringLiteral("MemoCount"));
    EXPECT_EQ(store.SourceObjectOf(QStringLiteral("b2"))->Name(), QStringLiteral("PageFooter1"));
    EXPECT_EQ(store.SourceObjectOf(QStringLiteral("m3"))->Name(), QStringLiteral("MemoPage"));
    // The source objects are copies, not the template's objects.
    EXPECT_NE(store.SourceObjectOf(QStringLiteral("m1")), name);
    EXPECT_EQ(store.SourcePages().Dictionary().GetSourceName(QStringLiteral("m3")), QStringLiteral("Page0.MemoPage"));
}

TEST_F(ListReport, StepOntoAnExistingPageOrAppendANewOne)
{
    run(2, 1);
    EXPECT_EQ(engine.progressPages, QList<int>({1, 2}));
    store.BeginRun();
    store.WritePageIndex = -1;
    store.StartOutputPage(page);
    EXPECT_EQ(store.PageCount(), 2);
    EXPECT_EQ(store.WritePageIndex, 0);
    store.PageStepMode = TfrxPageStepMode::AppendNew;
    store.StartOutputPage(page);
    EXPECT_EQ(store.PageCount(), 3);
    EXPECT_EQ(store.WritePageIndex, 2);
    EXPECT_EQ(store.PageStepMode, TfrxPageStepMode::StepOnto);
    store.EndRun();
    EXPECT_FALSE(store.Document().Root()->FindItem(QStringLiteral("previewpages"))->Item(1)->MayUnload());
    EXPECT_TRUE(store.Document().Root()->FindItem(QStringLiteral("previewpages"))->Item(2)->MayUnload());
}

TEST_F(ListReport, CutTailMovesTheLastBandsToTheNextPage)
{
    begin();
    store.StartOutputPage(page);
    row(0, QStringLiteral("a"), QStringLiteral("1"));
    row(20, QStringLiteral("b"), QStringLiteral("2"));
    row(40, QStringLiteral("c"), QStringLiteral("3"));
    EXPECT_EQ(store.CutTail(1), 1);
    EXPECT_EQ(store.PageObjectCount(), 1);
    store.StartOutputPage(page);
    store.PasteTail(0, 300);
    store.EndRun();
    ASSERT_EQ(store.PageCount(), 2);
    EXPECT_EQ(store.PageObjectCount(), 2);
    // b moves from 20 to 300, c keeps its 20 pixels below it.
    EXPECT_EQ(element(1, {0}).second, QStringLiteral("t=\"300\" l=\"0\""));
    EXPECT_EQ(element(1, {1}).second, QStringLiteral("t=\"320\" l=\"0\""));
    EXPECT_EQ(element(1, {1, 0}).second, QStringLiteral("x=\"c\""));
    EXPECT_EQ(store.BuildPage(1)->Objects()[1]->Top(), 320);
    // The buffer is gone: a second paste adds nothing.
    store.PasteTail(0, 0);
    EXPECT_EQ(store.PageObjectCount(), 2);
}

TEST_F(ListReport, DoublePassFromAnEmptyStoreKeepsOnlyTheAnchors)
{
    begin();
    store.StartOutputPage(page);
    store.StartOutputPage(page);
    engine.y = 123.6;
    store.StoreAnchor(QStringLiteral("Toplam"));
    store.Outline()->AddItem(QStringLiteral("Bölüm"), 10);
    row(0, QStringLiteral("a"), QStringLiteral("1"));
    store.DiscardFirstPass();
    EXPECT_EQ(store.PageCount(), 0);
    EXPECT_EQ(store.WritePageIndex, -1);
    EXPECT_EQ(store.MemoryCounter(), 0);
    EXPECT_EQ(store.Outline()->Count(), 0);
    EXPECT_EQ(store.AnchorPageOf(QStringLiteral("toplam")), 2);
    EXPECT_EQ(store.FindAnchorItem(QStringLiteral("Toplam"))->GetAttr(QStringLiteral("top")), QStringLiteral("124"));
    EXPECT_EQ(store.AnchorPageOf(QStringLiteral("yok")), 1);
    store.StartOutputPage(page);
    row(0, QStringLiteral("b"), QStringLiteral("2"));
    store.EndRun();
    EXPECT_EQ(store.PageCount(), 1);
    EXPECT_EQ(element(0, {0, 0}).second, QStringLiteral("x=\"b\""));
}

TEST_F(ListReport, DoublePassAfterEarlierPagesCutsBackToTheMark)
{
    begin();
    store.StartOutputPage(page);
    row(0, QStringLiteral("a"), QStringLiteral("1"));
    row(20, QStringLiteral("b"), QStringLiteral("2"));
    TfrxOutline *outline = store.Outline();
    outline->AddItem(QStringLiteral("önceki"), 0);
    outline->LevelUp();
    store.MarkPassStart();
    row(40, QStringLiteral("c"), QStringLiteral("3"));
    outline->AddItem(QStringLiteral("ilk geçiş"), 40);
    store.StartOutputPage(page);
    row(0, QStringLiteral("d"), QStringLiteral("4"));
    store.DiscardFirstPass();
    EXPECT_EQ(store.PageCount(), 1);
    EXPECT_EQ(store.WritePageIndex, 0);
    EXPECT_EQ(store.PageObjectCount(), 2);
    // The first pass's outline items go with its output, the earlier ones stay.
    ASSERT_EQ(outline->Count(), 1);
    EXPECT_EQ(outline->GetItem(0).Text, QStringLiteral("önceki"));
    store.EndRun();
}

TEST_F(ListReport, EngineQueriesSeeTheCurrentPage)
{
    begin();
    store.StartOutputPage(page);
    EXPECT_FALSE(store.HasBandOutput(band));
    EXPECT_EQ(store.LowestBandBottom(), 0);
    row(0, QStringLiteral("a"), QStringLiteral("1"));
    band->SetHeight(35);
    row(20, QStringLiteral("b"), QStringLiteral("2"));
    band->SetHeight(20);
    footerAt(1000, 1);
    EXPECT_TRUE(store.HasBandOutput(band));
    EXPECT_TRUE(store.HasBandOutput(footer));
    // Any page footer counts: a page holds one.
    auto *otherFooter = make<TfrxPageFooter>(page, "PageFooter2");
    EXPECT_TRUE(store.HasBandOutput(otherFooter));
    auto *otherBand = make<TfrxMasterData>(page, "MasterData2");
    EXPECT_FALSE(store.HasBandOutput(otherBand));
    // 20 + 35 from the second row; the footer at 1000 does not count.
    EXPECT_EQ(store.LowestBandBottom(), 55);
    EXPECT_EQ(store.PageObjectCount(), 3);
    store.EndRun();
}

TEST_F(ListReport, OutlineLevels)
{
    begin();
    store.StartOutputPage(page);
    TfrxOutline *o = store.Outline();
    o->AddItem(QStringLiteral("A"), 10);
    o->AddItem(QStringLiteral("A.1"), 20);
    o->LevelUp();
    o->LevelUp();
    o->AddItem(QStringLiteral("B"), 30);
    o->LevelRoot();
    ASSERT_EQ(o->Count(), 2);
    EXPECT_EQ(o->GetItem(1).Text, QStringLiteral("B"));
    o->LevelDown(0);
    ASSERT_EQ(o->Count(), 1);
    EXPECT_EQ(o->GetItem(0).Top, 20);
    o->LevelRoot();
    o->ShiftItems(1, 5);
    EXPECT_EQ(o->GetItem(1).Page, 1);
    EXPECT_EQ(o->GetItem(1).Top, 35);
    EXPECT_EQ(o->GetItem(0).Page, 0);
    // A mark taken under A before A.2 moves A.2 and what is under it, even
    // when a deeper item is current by then; A.1 stays.
    o->LevelDown(0);
    const TfrxCustomOutline::Mark mark = o->Position();
    o->AddItem(QStringLiteral("A.2"), 40);
    o->AddItem(QStringLiteral("A.2.1"), 50);
    o->ShiftFrom(mark, -40);
    EXPECT_EQ(o->Count(), 0) << "the current item stays A.2.1";
    o->LevelRoot();
    o->LevelDown(0);
    ASSERT_EQ(o->Count(), 2);
    EXPECT_EQ(o->GetItem(0).Page, 0);
    EXPECT_EQ(o->GetItem(0).Top, 20);
    EXPECT_EQ(o->GetItem(1).Page, 1);
    EXPECT_EQ(o->GetItem(1).Top, 0);
    o->LevelDown(1);
    EXPECT_EQ(o->GetItem(0).Page, 1);
    EXPECT_EQ(o->GetItem(0).Top, 10);
    store.EndRun();
}

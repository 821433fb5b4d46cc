// Stretching objects, the objects they push down, stretched bands, split
// bands, and the run's stop flag. The height an object's content needs comes
// from the engine's hook, here a table by object name.
#include "enginefixture.h"

#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxreporttitle.h"

namespace {

class StretchTest : public EngineFixture
{
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        engine.Hooks().calcHeight = [this](TfrxStretcheable *object) { return needs.value(object->Name(), 0); };
    }
    QString objects(const RecordedBand *band)
    {
        QStringList out;
        for (const RecordedObject &o : band->objects)
            out << QStringLiteral("%1@%2+%3").arg(o.name).arg(o.top).arg(o.height);
        return out.join(' ');
    }
    QHash<QString, double> needs;
};

TEST_F(StretchTest, GrowthPushesDownWhatHangsBelow)
{
    auto *band = rows<TfrxMasterData>("Band", 0, 40, 1);
    band->SetStretched(true);
    // A grows from 10 to 25 (by 15).
    memo(band, "A", 0, 0, 50, 10)->SetStretchMode(TfrxStretchMode::smActualHeight);
    // B hangs under A: moves by 15.
    memo(band, "B", 10, 12, 50, 5);
    // C hangs under B (bottom 17 -> 32) and moves only as far as B reaches into it.
    auto *c = memo(band, "C", 0, 30, 20, 4);
    c->SetShiftMode(TfrxShiftMode::smWhenOverlapped);
    // D hangs under B as well but does not shift.
    memo(band, "D", 40, 20, 10, 2)->SetShiftMode(TfrxShiftMode::smDontShift);
    // E is beside everything: stays, and reaches down to the content bottom.
    auto *e = memo(band, "E", 60, 5, 10, 3);
    e->SetStretchMode(TfrxStretchMode::smMaxHeight);
    // F wants less than it has: never shrinks.
    memo(band, "F", 80, 0, 10, 8)->SetStretchMode(TfrxStretchMode::smActualHeight);
    needs = {{"A", 25}, {"F", 4}};
    run();
    const RecordedBand *out = store.Find(1, "Band");
    ASSERT_NE(out, nullptr);
    // Content bottom: C at 32 + 4 = 36; the stretched band takes it.
    EXPECT_EQ(out->height, 36);
    EXPECT_EQ(objects(out), "A@0+25 B@27+5 C@32+4 D@20+2 E@5+31 F@0+8");
    // The template is as it was.
    EXPECT_EQ(band->Height(), 40);
    EXPECT_EQ(band->Objects()[0]->Height(), 10);
    EXPECT_EQ(band->Objects()[1]->Top(), 12);
}

TEST_F(StretchTest, StretchedBandThatNoLongerFitsStartsANewPage)
{
    add<TfrxReportTitle>("Title", 0, 60);
    auto *band = rows<TfrxMasterData>("Band", 10, 20, 1);
    memo(band, "A", 0, 0, 50, 20)->SetStretchMode(TfrxStretchMode::smActualHeight);
    band->SetStretched(true);
    needs = {{"A", 45}};
    EXPECT_EQ(run(), QStringList({"1:Title@0", "2:Band@0"}));
}

TEST_F(StretchTest, SplitBandGivesEachPageWhatFits)
{
    add<TfrxReportTitle>("Title", 0, 20);
    auto *band = rows<TfrxMasterData>("Big", 10, 150, 1);
    band->SetAllowSplit(true);
    memo(band, "M1", 0, 0, 50, 40);
    memo(band, "M2", 0, 50, 50, 40);
    memo(band, "M3", 0, 95, 50, 10);
    auto *hidden = memo(band, "Hidden", 60, 0, 10, 10);
    hidden->SetVisible(false);
    add<TfrxFooter>("Footer", 200, 10);
    // Page 1 has 80: M1 fits, M2 (to 90) waits; the part fills the page.
    // Page 2 cuts at 50: M2 at 0, M3 at 45; the rest of the band is 100 high.
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:Big@20", "2:Big@0", "3:Footer@0"}));
    EXPECT_EQ(objects(store.Find(1, "Big")), "M1@0+40");
    EXPECT_EQ(store.Find(1, "Big")->height, 80);
    EXPECT_EQ(objects(store.Find(2, "Big")), "M2@0+40 M3@45+10");
    EXPECT_EQ(store.Find(2, "Big")->height, 100);
    EXPECT_FALSE(hidden->Visible());
    EXPECT_TRUE(band->Objects()[0]->Visible());
    EXPECT_EQ(band->Objects()[1]->Top(), 50);
}

TEST_F(StretchTest, ObjectTallerThanAPageStillEndsTheSplit)
{
    auto *band = rows<TfrxMasterData>("Big", 10, 250, 1);
    band->SetAllowSplit(true);
    memo(band, "Tall", 0, 0, 50, 250);
    memo(band, "After", 0, 255, 50, 5);
    add<TfrxPageFooter>("PF", 300, 10);
    // 90 per page; Tall goes clipped on page 1, After follows on page 2.
    EXPECT_EQ(run(), QStringList({"1:Big@0", "1:PF@90", "2:Big@0", "2:PF@90"}));
    EXPECT_EQ(objects(store.Find(1, "Big")), "Tall@0+250");
    EXPECT_EQ(objects(store.Find(2, "Big")), "After@0+5");
}

// Memo text split by a rule that is easy to count: every line is 10 pixels,
// a memo has no gaps.
class SplitTest : public StretchTest
{
protected:
    void SetUp() override
    {
        StretchTest::SetUp();
        engine.Hooks().splitText = [](TfrxCustomMemoView *memo, double height) {
            const qsizetype fit = std::min(memo->Memo().size(), qsizetype(height / 10));
            const QStringList rest = memo->Memo().mid(fit);
            return TfrxTextSplit{memo->Memo().mid(0, fit), rest, 10.0 * rest.size()};
        };
    }
    static QStringList numbered(int from, int to)
    {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << QString::number(i);
        return out;
    }
    QString texts(const RecordedBand *band)
    {
        QStringList out;
        for (const RecordedObject &o : band->objects)
            out << o.name + ":" + (o.text.isEmpty() ? "-" : o.text.first() + ".." + o.text.last());
        return out.join(' ');
    }
};

TEST_F(SplitTest, MemoGivesUpTheLinesThatFitAndTheRestGoesOn)
{
    add<TfrxReportTitle>("Title", 0, 20);
    auto *band = rows<TfrxMasterData>("Big", 30, 160, 1);
    band->SetAllowSplit(true);
    memo(band, "M", 0, 0, 50, 150, numbered(1, 15).join('\n'));
    memo(band, "Below", 0, 150, 50, 10, "alt");
    // Page 1 has 80: M keeps lines 1-8 down to the part's bottom; lines 9-15
    // start the next part and take the 70 left of M's box; Below follows.
    EXPECT_EQ(run(), QStringList({"1:Title@0", "1:Big@20", "2:Big@0"}));
    EXPECT_EQ(objects(store.Find(1, "Big")), "M@0+80");
    EXPECT_EQ(texts(store.Find(1, "Big")), "M:1..8");
    EXPECT_EQ(store.Find(1, "Big")->height, 80);
    EXPECT_EQ(objects(store.Find(2, "Big")), "M@0+70 Below@70+10");
    EXPECT_EQ(texts(store.Find(2, "Big")), "M:9..15 Below:alt..alt");
    EXPECT_EQ(store.Find(2, "Big")->height, 80);
    // The band has its own text and sizes back.
    EXPECT_EQ(band->Height(), 160);
    auto *m = qobject_cast<TfrxCustomMemoView *>(band->Objects()[0]);
    EXPECT_EQ(m->Height(), 150);
    EXPECT_EQ(m->Memo(), numbered(1, 15));
}

TEST_F(SplitTest, MemoLongerThanTwoPagesSplitsOnEach)
{
    auto *band = rows<TfrxMasterData>("Big", 0, 250, 1);
    band->SetAllowSplit(true);
    memo(band, "M", 0, 0, 50, 250, numbered(1, 25).join('\n'));
    EXPECT_EQ(run(), QStringList({"1:Big@0", "2:Big@0", "3:Big@0"}));
    EXPECT_EQ(texts(store.Find(1, "Big")), "M:1..10");
    EXPECT_EQ(texts(store.Find(2, "Big")), "M:11..20");
    EXPECT_EQ(texts(store.Find(3, "Big")), "M:21..25");
    EXPECT_EQ(objects(store.Find(3, "Big")), "M@0+50");
}

struct GrowthCase {
    const char *name;
    TfrxStretchMode mode;
    const char *secondPart;
};

class SplitGrowthTest : public SplitTest, public ::testing::WithParamInterface<GrowthCase>
{
};

TEST_P(SplitGrowthTest, RestOfAStretchingMemoTakesWhatItsLinesNeed)
{
    // M from 5 to 105 holds 10 lines. Page 1 has 80: 75 for M, 7 lines. The
    // 3 left need 30, but only 25 of M's box is left. A stretching memo takes
    // 30 and pushes Under (below it) down by 5; Beside does not overlap M and
    // stays. A memo that does not stretch keeps its box.
    add<TfrxReportTitle>("Title", 0, 20);
    auto *band = rows<TfrxMasterData>("Big", 30, 120, 1);
    band->SetAllowSplit(true);
    memo(band, "M", 0, 5, 50, 100, numbered(1, 10).join('\n'))->SetStretchMode(GetParam().mode);
    memo(band, "Under", 10, 105, 20, 10);
    memo(band, "Beside", 60, 105, 20, 10);
    run();
    EXPECT_EQ(objects(store.Find(1, "Big")), "M@5+75");
    EXPECT_EQ(texts(store.Find(1, "Big")), "M:1..7");
    EXPECT_EQ(objects(store.Find(2, "Big")), GetParam().secondPart);
    EXPECT_EQ(texts(store.Find(2, "Big")).section(' ', 0, 0), "M:8..10");
}

INSTANTIATE_TEST_SUITE_P(Modes, SplitGrowthTest,
                         ::testing::Values(GrowthCase{"stretching", TfrxStretchMode::smActualHeight,
                                                      "M@0+30 Under@30+10 Beside@25+10"},
                                           GrowthCase{"fixed", TfrxStretchMode::smDontStretch,
                                                      "M@0+25 Under@25+10 Beside@25+10"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SplitTest, MemosThatCannotBeCutIntoLinesWaitWhole)
{
    // Text with tags, turned text, and a memo whose first line does not fit
    // the 5 pixels left of page 1. On page 2 all of High's text fits the 25
    // pixels down to the page bottom: it ends there.
    add<TfrxReportTitle>("Title", 0, 20);
    auto *band = rows<TfrxMasterData>("Big", 30, 120, 1);
    band->SetAllowSplit(true);
    memo(band, "Tags", 0, 0, 20, 100, numbered(1, 10).join('\n'))->SetAllowHTMLTags(true);
    memo(band, "Turned", 20, 0, 20, 100, numbered(1, 10).join('\n'))->SetRotation(90);
    memo(band, "High", 40, 75, 20, 40, "x");
    memo(band, "Small", 60, 0, 20, 30, "y");
    run();
    EXPECT_EQ(objects(store.Find(1, "Big")), "Small@0+30");
    EXPECT_EQ(objects(store.Find(2, "Big")), "Tags@0+100 Turned@0+100 High@75+25");
}

TEST_F(StretchTest, ErrorWhileABandIsOutputEndsTheRunAndRestoresTheTemplate)
{
    auto *band = rows<TfrxMasterData>("Band", 0, 20, 3);
    band->SetStretched(true);
    auto *a = memo(band, "A", 0, 0, 50, 20);
    a->SetStretchMode(TfrxStretchMode::smActualHeight);
    auto *b = memo(band, "B", 0, 20, 50, 5);
    b->SetStretchMode(TfrxStretchMode::smActualHeight);
    // The second row has grown A when measuring B fails.
    int calls = 0;
    engine.Hooks().calcHeight = [&](TfrxStretcheable *) -> double {
        if (++calls == 4)
            throw std::runtime_error("olculemedi");
        return 30;
    };
    EXPECT_THROW(engine.Run(), std::runtime_error);
    EXPECT_EQ(store.Records(), QStringList({"1:Band@0"})) << "the first row stays";
    EXPECT_FALSE(engine.Running);
    EXPECT_EQ(band->Height(), 20);
    EXPECT_EQ(a->Height(), 20);
    EXPECT_EQ(b->Top(), 20);
    EXPECT_EQ(b->Height(), 5);
}

using StopTest = EngineFixture;

TEST_F(StopTest, StopKeepsThePagesSoFar)
{
    rows<TfrxMasterData>("M", 0, 10, 5);
    rows<TfrxDetailData>("D", 20, 10, 3);
    int detailRows = 0;
    store.extra = [&]() -> QString {
        if (engine.CurBand()->Name() == "D" && ++detailRows == 4)
            engine.StopReport();
        return {};
    };
    EXPECT_TRUE(engine.Run());
    EXPECT_TRUE(engine.Terminated());
    EXPECT_EQ(store.Records(), QStringList({"1:M@0", "1:D@10", "1:D@20", "1:D@30", "1:M@40", "1:D@50"}));
    EXPECT_FALSE(engine.Running);
}

TEST_F(StopTest, CancelWhileMessagesAreHandledStopsBeforeTheRows)
{
    add<TfrxReportTitle>("Title", 0, 10);
    rows<TfrxMasterData>("M", 20, 10, 5);
    engine.Hooks().processMessages = [this] { engine.StopReport(); };
    EXPECT_EQ(run(), QStringList({"1:Title@0"}));
}

TEST_F(StopTest, SameDatasetAtTwoLevelsIsRefused)
{
    TfrxUserDataSet ds;
    ds.SetRangeEnd(TfrxRangeEnd::reCount);
    ds.SetRangeEndCount(1);
    page->SetDataSet(&ds);
    add<TfrxMasterData>("M", 0, 10)->SetDataSet(&ds);
    EXPECT_FALSE(engine.Run());
    EXPECT_EQ(report.Errors(), QStringList({"Cannot use the same dataset for Page.DataSet and Band.DataSet"}));
    EXPECT_TRUE(store.pages.isEmpty());
}

} // namespace

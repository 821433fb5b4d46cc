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

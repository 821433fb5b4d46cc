// Groups and aggregates over a small dataset of five rows:
//   dept  A  A  B  B  B
//   kind  x  y  y  y  z
//   amount 10 20 5 7 9
// The engine's expression hook answers the three field names for the current
// row; the store notes what the engine reports while a band is recorded.
#include "enginefixture.h"

#include "report/model/tfrxfooter.h"
#include "report/model/tfrxgroupfooter.h"
#include "report/model/tfrxgroupheader.h"
#include "report/model/tfrxmasterdata.h"

namespace {

class GroupsTest : public EngineFixture
{
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        data.SetUserName("Data");
        data.SetRangeEnd(TfrxRangeEnd::reCount);
        data.SetRangeEndCount(5);
        report.Datasets()->Add(&data);
        engine.Hooks().calc = [this](const QString &expression) -> QVariant {
            const int r = data.RecNo();
            if (expression == "dept")
                return QStringList({"A", "A", "B", "B", "B"}).value(r);
            if (expression == "kind")
                return QStringList({"x", "y", "y", "y", "z"}).value(r);
            if (expression == "amount")
                return QList<int>({10, 20, 5, 7, 9}).value(r);
            return {};
        };
    }
    TfrxMasterData *master(double top)
    {
        auto *m = add<TfrxMasterData>("M", top, 10);
        m->SetDataSet(&data);
        return m;
    }
    TfrxGroupHeader *group(const char *name, double top, const char *condition)
    {
        auto *g = add<TfrxGroupHeader>(name, top, 10);
        g->SetCondition(condition);
        return g;
    }
    TfrxUserDataSet data;
};

TEST_F(GroupsTest, NestedGroupsCloseInnermostFirstAndReopenWithTheOuter)
{
    group("G1", 0, "dept");
    group("G2", 10, "kind");
    master(20);
    add<TfrxGroupFooter>("F2", 30, 0);
    add<TfrxGroupFooter>("F1", 40, 0);
    page->SetPaperHeight(1000 / 3.77953);
    QStringList order;
    for (const QString &r : run())
        order << r.section(':', 1).section('@', 0, 0);
    // Row 4 keeps kind "y" but starts a new dept: the inner group starts again too.
    EXPECT_EQ(order.join(' '), "G1 G2 M F2 G2 M F2 F1 G1 G2 M M F2 G2 M F2 F1");
}

TEST_F(GroupsTest, OutlineNestsTheRowsUnderTheirGroup)
{
    group("G1", 0, "dept")->SetOutlineText("dept");
    master(10)->SetOutlineText("amount");
    add<TfrxGroupFooter>("F1", 20, 0);
    page->SetPaperHeight(1000 / 3.77953);
    // G1@0, rows at 10 and 20, F1 (0 high) at 30, G1@30, rows at 40, 50, 60.
    run();
    EXPECT_EQ(store.outline.log.join(' '),
              "A@1:0 10@1:10 up 20@1:20 up up B@1:30 5@1:40 up 7@1:50 up 9@1:60 up up");
}

TEST_F(GroupsTest, LineStartsAgainInEveryGroupAggregatesPerGroupAndRunning)
{
    group("G", 0, "dept");
    master(20);
    auto *groupFooter = add<TfrxGroupFooter>("GF", 40, 10);
    memo(groupFooter, "Sums", 0, 0, 50, 10, "[SUM(amount)] [SUM(amount, 0, 2)]");
    auto *footer = add<TfrxFooter>("F", 60, 10);
    memo(footer, "Stats", 0, 0, 50, 10, "[AVG(amount)] [MIN(amount)] [MAX(amount)] [COUNT()] [COUNT(M)]");
    store.extra = [&]() -> QString {
        const QString band = engine.CurBand()->Name();
        if (band == "M")
            return QStringLiteral(" L%1 #%2").arg(engine.CurLine).arg(engine.CurLineThrough);
        if (band == "GF")
            return QStringLiteral(" %1 %2").arg(engine.AggregateValue(TfsAggregate::Sum, "amount").toDouble())
                .arg(engine.AggregateValue(TfsAggregate::Sum, " AMOUNT ", "", 2).toDouble());
        if (band == "F")
            return QStringLiteral(" %1 %2 %3 %4 %5")
                .arg(engine.AggregateValue(TfsAggregate::Avg, "amount").toDouble())
                .arg(engine.AggregateValue(TfsAggregate::Min, "amount").toInt())
                .arg(engine.AggregateValue(TfsAggregate::Max, "amount").toInt())
                .arg(engine.AggregateValue(TfsAggregate::Count, {}).toInt())
                .arg(engine.AggregateValue(TfsAggregate::Count, {}, "M").toInt());
        return {};
    };
    // Sums: A 10 + 20 = 30, B 5 + 7 + 9 = 21, running 30 then 51.
    // Over all rows: average 51 / 5 = 10.2, minimum 5, maximum 20, five rows.
    EXPECT_EQ(run(), QStringList({"1:G@0", "1:M@10 L1 #1", "1:M@20 L2 #2", "1:GF@30 30 30", "1:G@40",
                                  "1:M@50 L1 #3", "1:M@60 L2 #4", "1:M@70 L3 #5", "1:GF@80 21 51",
                                  "1:F@90 10.2 5 20 5 5"}));
}

TEST_F(GroupsTest, AggregatesStartAgainInTheSecondPass)
{
    report.EngineOptions()->SetDoublePass(true);
    master(0);
    auto *footer = add<TfrxFooter>("F", 20, 10);
    memo(footer, "Total", 0, 0, 50, 10, "Toplam: [SUM(amount, 0, 2)] / [TotalPages#]");
    store.extra = [&]() -> QString {
        if (engine.CurBand()->Name() != "F")
            return {};
        return QStringLiteral(" %1 of %2 final %3")
            .arg(engine.AggregateValue(TfsAggregate::Sum, "amount", {}, 2).toDouble())
            .arg(engine.TotalPages)
            .arg(int(engine.FinalPass));
    };
    // A running total would reach 102 if the first pass were still counted.
    EXPECT_EQ(run(), QStringList({"1:M@0", "1:M@10", "1:M@20", "1:M@30", "1:M@40", "1:F@50 51 of 1 final 1"}));
}

TEST_F(GroupsTest, NewGroupOnANewPageExceptTheFirst)
{
    group("G", 0, "dept")->SetStartNewPage(true);
    master(20);
    EXPECT_EQ(run(), QStringList({"1:G@0", "1:M@10", "1:M@20", "2:G@0", "2:M@10", "2:M@20", "2:M@30"}));
}

TEST_F(GroupsTest, GroupHeaderRepeatsOnTheNextPageWhileItsGroupLasts)
{
    group("G", 0, "dept")->SetReprintOnNewPage(true);
    master(20)->SetHeight(30);
    add<TfrxGroupFooter>("GF", 40, 10);
    // A: G, rows at 10 and 40, GF at 70. B: G at 80, its first row breaks;
    // its three rows fill page 2 and its footer goes on page 3, still under G.
    EXPECT_EQ(run(), QStringList({"1:G@0", "1:M@10", "1:M@40", "1:GF@70", "1:G@80", "2:G@0", "2:M@10", "2:M@40",
                                  "2:M@70", "3:G@0", "3:GF@10"}));
}

TEST_F(GroupsTest, KeptGroupMovesWhole)
{
    group("G", 0, "dept")->SetKeepTogether(true);
    master(20);
    add<TfrxGroupFooter>("GF", 40, 10);
    // Group A takes 0..40; group B needs 50 and would break at 90.
    page->SetPaperHeight(85 / 3.77953);
    EXPECT_EQ(run(), QStringList({"1:G@0", "1:M@10", "1:M@20", "1:GF@30", "2:G@0", "2:M@10", "2:M@20", "2:M@30",
                                  "2:GF@40"}));
}

TEST(AggregateCallsTest, FoundInExpressionTexts)
{
    struct Row {
        const char *text;
        QStringList calls; // kind expression|band|flags
    };
    const Row rows[] = {
        {"SUM(<Data.\"amount\">)", {"0 <Data.\"amount\">||0"}},
        {"sum ( a , 'Band1' , 1 ) + Count(MasterData1)", {"0 a|Band1|1", "4 |MasterData1|0"}},
        {"MAX(IIF(a > 0, a, 0), 0, 2)", {"3 IIF(a > 0, a, 0)||2"}},
        {"'SUM(x)' + RESUM(y) + MIN('a,b')", {"2 'a,b'||0"}},
        {"AVG(a", {}},
    };
    for (const Row &row : rows) {
        QStringList got;
        for (const auto &c : TfrxEngineAggregates::FindCalls(row.text))
            got << QStringLiteral("%1 %2|%3|%4").arg(int(c.kind)).arg(c.expression, c.bandName).arg(c.flags);
        EXPECT_EQ(got, row.calls) << row.text;
    }
}

} // namespace

// Rounding and the paper table: the figures every page size and device
// coordinate of the engine is built from.
#include "report/base/frxunits.h"
#include "report/base/tpaperinfo.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>
#include <set>

namespace {

struct RoundRow
{
    const char *name;
    double value;
    int expected;
};

class FrxRoundTest : public ::testing::TestWithParam<RoundRow> {};

TEST_P(FrxRoundTest, NearestHalvesToEven)
{
    EXPECT_EQ(frxRound(GetParam().value), GetParam().expected);
}

// Reproduces the rule in every rounding mode, because a driver may leave the FPU
// in a mode other than round-to-nearest.
TEST_P(FrxRoundTest, IndependentOfRoundingMode)
{
    const int saved = std::fegetround();
    for (int mode : {FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO, FE_TONEAREST}) {
        std::fesetround(mode);
        const int got = frxRound(GetParam().value);
        std::fesetround(saved);
        EXPECT_EQ(got, GetParam().expected) << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FrxRoundTest, ::testing::Values(
    RoundRow{"two_and_half", 2.5, 2},
    RoundRow{"three_and_half", 3.5, 4},
    RoundRow{"minus_two_and_half", -2.5, -2},
    RoundRow{"minus_three_and_half", -3.5, -4},
    RoundRow{"half", 0.5, 0},
    RoundRow{"minus_half", -0.5, 0},
    RoundRow{"just_below_half", 2.4999999, 2},
    RoundRow{"just_above_half", 2.5000001, 3},
    RoundRow{"negative_fraction", -1.2, -1},
    RoundRow{"a4_width_px", 210 * 3.77953, 794},     // 793.7013
    RoundRow{"a4_height_px", 297 * 3.77953, 1123},   // 1122.52041
    RoundRow{"width_200mm", 200 * 3.77953, 756},     // 755.906
    RoundRow{"nan", std::nan(""), 0},
    RoundRow{"huge", 1e300, INT_MAX},
    RoundRow{"minus_huge", -1e300, INT_MIN}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Units, MillimetreIsTheFixedFigureNotTheInchRatio)
{
    EXPECT_EQ(fr1mm, 3.77953);
    EXPECT_NE(fr1mm, 96.0 / 25.4);
    EXPECT_EQ(fr1cm, 37.7953);
    EXPECT_EQ(fr01in, 9.6);
    EXPECT_EQ(fr1in, 96.0);
    EXPECT_EQ(fr1CharX, 9.6);
    EXPECT_EQ(fr1CharY, 17.0);
}

struct PaperRow
{
    const char *name;
    int code;
    int x;
    int y;
};

class PaperTableTest : public ::testing::TestWithParam<PaperRow> {};

TEST_P(PaperTableTest, SizeInTenthsOfMillimetre)
{
    const TPaperInfo *p = frxFindPaper(GetParam().code);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Typ, GetParam().code);
    EXPECT_EQ(p->X, GetParam().x);
    EXPECT_EQ(p->Y, GetParam().y);
    EXPECT_TRUE(p->Name.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(SpotChecks, PaperTableTest, ::testing::Values(
    PaperRow{"letter", 1, 2159, 2794},
    PaperRow{"tabloid_landscape_form", 4, 4318, 2794},
    PaperRow{"legal", 5, 2159, 3556},
    PaperRow{"a3", 8, 2970, 4200},
    PaperRow{"a4", 9, 2100, 2970},
    PaperRow{"a5", 11, 1480, 2100},
    PaperRow{"b6_wider_than_tall", 35, 1760, 1250},
    PaperRow{"after_the_gap", 50, 2355, 3048},
    PaperRow{"last", 68, 3220, 4450}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PaperTable, SixtySixDistinctCodesWithoutTheGapAndCustom)
{
    const auto list = frxPaperList();
    EXPECT_EQ(list.size(), 66u);
    std::set<int> codes;
    for (const TPaperInfo &p : list) {
        codes.insert(p.Typ);
        EXPECT_TRUE(p.Name.isEmpty()) << p.Typ;
        EXPECT_GT(p.X, 0);
        EXPECT_GT(p.Y, 0);
    }
    EXPECT_EQ(codes.size(), 66u);
    for (int missing : {0, 48, 49, 69, frxCustomPaperCode, -1})
        EXPECT_EQ(frxFindPaper(missing), nullptr) << missing;
}

} // namespace

// Where the preview puts its pages: rows, centring, the fixed left margin of
// an overwide row and the page counted as reached at a scroll offset.
#include "report/ui/tfrxpagelist.h"

#include <gtest/gtest.h>

namespace {

constexpr int A4W = 794, A4H = 1123;

TfrxPageList pages(int count, int columns, int width = A4W, int height = A4H)
{
    TfrxPageList list;
    list.SetColumnCount(columns);
    for (int i = 0; i < count; ++i)
        list.AddPage(width, height);
    return list;
}

struct RectCase
{
    const char *name;
    int count, columns, index, clientWidth;
    double zoom;
    QRect expected; // left, top, width, height
};

class PageRectTest : public ::testing::TestWithParam<RectCase>
{
};

TEST_P(PageRectTest, PlacesThePage)
{
    const RectCase &c = GetParam();
    const TfrxPageList list = pages(c.count, c.columns);
    EXPECT_EQ(list.PageRect(c.index, c.clientWidth, c.zoom), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, PageRectTest,
    ::testing::Values(
        // round((1000 - 794) / 2) = 103
        RectCase{"CentredWhenItFits", 1, 1, 0, 1000, 1.0, QRect(103, 10, 794, 1123)},
        RectCase{"TenFromTheLeftWhenTooWide", 1, 1, 0, 700, 1.0, QRect(10, 10, 794, 1123)},
        // second row: top 10 + 1123 + 10 = 1143
        RectCase{"SecondPageBelowTheFirst", 3, 1, 1, 1000, 1.0, QRect(103, 1143, 794, 1123)},
        // zoom 0.5: top round(0.5 * 1143) = 572 (571.5 to even), left round((1000 - 397) / 2) = 302 (301.5)
        RectCase{"HalfZoom", 3, 1, 1, 1000, 0.5, QRect(302, 572, 397, 562)},
        // a pair is 794 + 10 + 794 = 1598 wide: round((1800 - 1598) / 2) = 101
        RectCase{"PairLeftPage", 4, 2, 0, 1800, 1.0, QRect(101, 10, 794, 1123)},
        RectCase{"PairRightPageTenPixelsOn", 4, 2, 1, 1800, 1.0, QRect(101 + 804, 10, 794, 1123)},
        RectCase{"SecondPairOnTheNextRow", 4, 2, 2, 1800, 1.0, QRect(101, 1143, 794, 1123)},
        // overwide pair at zoom 0.5: 10 + round(0.5 * 804) = 412; the gap scales, the margin does not
        RectCase{"OverwidePairKeepsItsMargin", 2, 2, 1, 700, 0.5, QRect(412, 5, 397, 562)},
        RectCase{"OutsideTheListIsADefaultA4", 0, 1, 5, 1000, 1.0, QRect(103, 10, 794, 1123)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PageList, RowHeightIsItsTallestPage)
{
    TfrxPageList list;
    list.SetColumnCount(2);
    list.AddPage(794, 1123);
    list.AddPage(1123, 794);
    list.AddPage(794, 1123);
    EXPECT_EQ(list.Item(2).Top, 10 + 1123 + 10);
    EXPECT_EQ(list.Item(2).Column, 0);
    EXPECT_EQ(list.MaxWidth(), 794 + 10 + 1123 + 10);
    EXPECT_EQ(list.Bottom(), 1143 + 1123);
}

struct FindCase
{
    const char *name;
    int offset;
    double zoom;
    TfrxPageList::PageFind mode;
    int expected;
};

class FindPageTest : public ::testing::TestWithParam<FindCase>
{
};

TEST_P(FindPageTest, FindsTheReachedPage)
{
    const FindCase &c = GetParam();
    EXPECT_EQ(pages(5, 1).FindPage(c.offset, c.zoom, c.mode), c.expected);
}

using PF = TfrxPageList::PageFind;
// Page tops at zoom 1: 10, 1143, 2276, ...; a fifth of a page is round(1123 / 5) = 225.
INSTANTIATE_TEST_SUITE_P(
    Offsets, FindPageTest,
    ::testing::Values(FindCase{"AboveTheFirstPage", 5, 1.0, PF::TopReached, -1},
                      FindCase{"OnTheFirstPage", 10, 1.0, PF::TopReached, 0},
                      FindCase{"JustBeforeTheSecond", 1142, 1.0, PF::TopReached, 0},
                      FindCase{"SecondWithinAFifth", 1143 - 225, 1.0, PF::CurrentWhileScrolling, 1},
                      FindCase{"SecondNotYetWithinAFifth", 1143 - 226, 1.0, PF::CurrentWhileScrolling, 0},
                      FindCase{"ZoomScalesTheTops", 572, 0.5, PF::TopReached, 1},
                      FindCase{"FarBelowIsTheLast", 100000, 1.0, PF::TopReached, 4}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

// Child alignment. Every expected position is worked out by hand from the
// placement rules: views sorted by Left (equal Lefts in reverse child order),
// a left pass, a right pass, then centre, bottom and client in child order.
#include "report/model/tfrxband.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxshapeview.h"

#include <gtest/gtest.h>

namespace {

struct Box
{
    double left, top, width, height;
    TfrxAlign align;
};

struct ArrangeCase
{
    const char *name;
    double parentWidth, parentHeight;
    std::vector<Box> views;    // in child order
    std::vector<Box> expected; // align ignored
};

void PrintTo(const ArrangeCase &c, std::ostream *os) { *os << c.name; }

class Arrange : public ::testing::TestWithParam<ArrangeCase>
{
};

constexpr auto None = TfrxAlign::baNone;
constexpr auto L = TfrxAlign::baLeft;
constexpr auto R = TfrxAlign::baRight;
constexpr auto W = TfrxAlign::baWidth;
constexpr auto C = TfrxAlign::baCenter;
constexpr auto B = TfrxAlign::baBottom;
constexpr auto Cl = TfrxAlign::baClient;

} // namespace

TEST_P(Arrange, PlacesTheViews)
{
    const ArrangeCase &c = GetParam();
    TfrxMasterData band;
    band.SetBounds(0, 50, c.parentWidth, c.parentHeight);
    std::vector<TfrxView *> views;
    for (const Box &b : c.views) {
        auto *v = new TfrxMemoView(&band);
        v->SetBounds(b.left, b.top, b.width, b.height);
        v->SetAlign(b.align);
        views.push_back(v);
    }
    band.ArrangeAlignedChildren();
    for (size_t i = 0; i < views.size(); ++i) {
        EXPECT_DOUBLE_EQ(views[i]->Left(), c.expected[i].left) << "view " << i;
        EXPECT_DOUBLE_EQ(views[i]->Top(), c.expected[i].top) << "view " << i;
        EXPECT_DOUBLE_EQ(views[i]->Width(), c.expected[i].width) << "view " << i;
        EXPECT_DOUBLE_EQ(views[i]->Height(), c.expected[i].height) << "view " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Arrange,
    ::testing::Values(
        ArrangeCase{"WidthAloneFillsTheBand", 566.9295, 41.5748,
                    {{50, 0, 100, 34.0158, W}},
                    {{0, 0, 566.9295, 34.0158, None}}},
        ArrangeCase{"ClientTakesTheWholeBand", 566.9295, 22.6772,
                    {{5, 5, 10, 10, Cl}},
                    {{0, 0, 566.9295, 22.6772, None}}},
        ArrangeCase{"LeftViewsPackFromTheLeftEdge", 500, 30,
                    {{100, 0, 50, 20, L}, {300, 0, 60, 20, L}},
                    {{0, 0, 50, 20, None}, {50, 0, 60, 20, None}}},
        // Touching edges do not overlap: the lower view has no neighbour.
        ArrangeCase{"ViewsThatOnlyTouchAreNoNeighbours", 500, 30,
                    {{100, 0, 50, 10, L}, {300, 10, 60, 10, L}},
                    {{0, 0, 50, 10, None}, {0, 10, 60, 10, None}}},
        // Equal Lefts sort in reverse child order, so the second child is
        // placed first and becomes the first child's neighbour.
        ArrangeCase{"EqualLeftsAreTakenInReverseChildOrder", 500, 30,
                    {{20, 0, 30, 20, L}, {20, 0, 50, 20, L}},
                    {{50, 0, 30, 20, None}, {0, 0, 50, 20, None}}},
        // Negative Lefts sort before positive ones ("0" key before "1").
        ArrangeCase{"NegativeLeftSortsFirst", 500, 30,
                    {{5, 0, 20, 20, L}, {-10, 0, 30, 20, L}},
                    {{30, 0, 20, 20, None}, {0, 0, 30, 20, None}}},
        ArrangeCase{"RightViewAloneGoesToTheRightEdge", 200, 30,
                    {{10, 0, 40, 20, R}},
                    {{160, 0, 40, 20, None}}},
        ArrangeCase{"RightViewStopsAtItsRightNeighbour", 200, 30,
                    {{10, 0, 40, 20, R}, {150, 5, 20, 20, None}},
                    {{110, 0, 40, 20, None}, {150, 5, 20, 20, None}}},
        // Left pass: the width view starts at its left neighbour's right edge
        // (100); right pass: it ends at the right neighbour's Left (400).
        ArrangeCase{"WidthViewSpansBetweenItsNeighbours", 500, 30,
                    {{0, 0, 100, 20, None}, {150, 0, 10, 20, W}, {400, 0, 50, 20, None}},
                    {{0, 0, 100, 20, None}, {100, 0, 300, 20, None}, {400, 0, 50, 20, None}}},
        // A view left of the width view's right edge is no right neighbour.
        ArrangeCase{"WidthViewSkipsRightNeighboursEndingBeforeIt", 500, 30,
                    {{0, 0, 300, 20, W}, {100, 0, 20, 20, None}},
                    {{0, 0, 500, 20, None}, {100, 0, 20, 20, None}}},
        // Positions moved by the left pass count in the right pass: the view
        // now ends at 100, so the view at 200 is its right neighbour.
        ArrangeCase{"RightPassSeesTheLeftPassResult", 500, 30,
                    {{150, 0, 100, 20, W}, {200, 0, 20, 20, None}},
                    {{0, 0, 200, 20, None}, {200, 0, 20, 20, None}}},
        ArrangeCase{"CenterAndBottom", 200, 100,
                    {{0, 0, 50, 10, C}, {30, 0, 10, 20, B}},
                    {{75, 0, 50, 10, None}, {30, 80, 10, 20, None}}}));

TEST(PageArrange, BandsTakeThePrintableWidthLessTheirLeftAndThePageKeepsItsPaperSize)
{
    TfrxReportPage page;
    page.SetLeftMargin(30);
    page.SetRightMargin(30);
    page.SetTopMargin(20);
    page.SetBottomMargin(20);
    auto *header = new TfrxPageHeader(&page);
    header->SetBounds(10, 0, 100, 20);
    auto *line = new TfrxMemoView(header);
    line->SetBounds(40, 0, 10, 5);
    line->SetAlign(TfrxAlign::baWidth);
    auto *vertical = new TfrxMasterData(&page);
    vertical->SetVertical(true);
    vertical->SetBounds(0, 100, 50, 10);

    page.ArrangeAlignedChildren();
    // 150 mm printable: 150 x 3.77953 = 566.9295.
    EXPECT_DOUBLE_EQ(header->Width(), 566.9295 - 10);
    EXPECT_DOUBLE_EQ(line->Left(), 0);
    EXPECT_DOUBLE_EQ(line->Width(), 566.9295 - 10);
    // 257 mm printable height: 257 x 3.77953 = 971.33921.
    EXPECT_NEAR(vertical->Height(), 971.33921 - 100, 1e-9);
    EXPECT_DOUBLE_EQ(page.Width(), 794);
    EXPECT_DOUBLE_EQ(page.Height(), 1123);
}

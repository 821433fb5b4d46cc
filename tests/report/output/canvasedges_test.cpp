// Pixel results of the canvas primitives on an image, drawn as small pictures:
// '#' pen colour, 'o' brush colour, '-' background colour, '.' untouched.
// The views' frames and backgrounds rely on exactly these pixels.
#include "report/output/qtcanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const QColor Paper(Qt::white);
const QColor Ink(255, 0, 0);
const QColor Fill(0, 0, 255);
const QColor Back(0, 255, 0);

std::vector<std::string> picture(const QImage &img)
{
    std::vector<std::string> rows;
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            row += c == Ink ? '#' : c == Fill ? 'o' : c == Back ? '-' : c == Paper ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

struct EdgeCase
{
    const char *name;
    std::function<void(Canvas &)> draw;
    std::vector<std::string> expected; // also gives the image size
};

std::ostream &operator<<(std::ostream &os, const EdgeCase &c) { return os << c.name; }

class CanvasEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(CanvasEdges, PaintsExactlyThesePixels)
{
    const EdgeCase &c = GetParam();
    QImage img(int(c.expected[0].size()), int(c.expected.size()), QImage::Format_RGB32);
    img.fill(Paper);
    {
        QtCanvas canvas(img);
        canvas.setPen(CanvasPen{Ink, 1, PenStyle::Solid});
        canvas.setBrush(CanvasBrush{Fill, BrushStyle::Solid});
        canvas.setBackgroundColor(Back);
        c.draw(canvas);
    }
    const std::vector<std::string> got = picture(img);
    std::string shown;
    for (const std::string &r : got)
        shown += r + "\n";
    EXPECT_EQ(got, c.expected) << shown;
}

void line(Canvas &c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

void pen(Canvas &c, int width, PenStyle style = PenStyle::Solid)
{
    c.setPen(CanvasPen{Ink, width, style});
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, CanvasEdges,
    ::testing::Values(
        EdgeCase{"FillRectExcludesRightAndBottom",
                 [](Canvas &c) { c.fillRect(Canvas::box(1, 1, 5, 4)); },
                 {"......",
                  ".oooo.",
                  ".oooo.",
                  ".oooo.",
                  "......"}},
        EdgeCase{"RectangleOutlineOnFirstAndLastPixel",
                 [](Canvas &c) { c.rectangle(1, 1, 6, 5); },
                 {".......",
                  ".#####.",
                  ".#ooo#.",
                  ".#ooo#.",
                  ".#####.",
                  "......."}},
        EdgeCase{"RectangleWithClearPenIsOnePixelSmaller",
                 [](Canvas &c) { c.setPen(CanvasPen{Ink, 1, PenStyle::Clear}); c.rectangle(1, 1, 6, 5); },
                 {".......",
                  ".oooo..",
                  ".oooo..",
                  ".oooo..",
                  ".......",
                  "......."}},
        EdgeCase{"RectangleWithClearBrushKeepsInside",
                 [](Canvas &c) { c.setBrush(CanvasBrush{Fill, BrushStyle::Clear}); c.rectangle(0, 0, 4, 3); },
                 {"####.",
                  "#..#.",
                  "####.",
                  "....."}},
        EdgeCase{"LineLeavesEndPointOut",
                 [](Canvas &c) { line(c, 1, 1, 5, 1); line(c, 6, 0, 6, 3); },
                 {"......#.",
                  ".####.#.",
                  "......#.",
                  "........"}},
        EdgeCase{"LineDrawnBackwardsCoversTheSameKindOfSpan",
                 [](Canvas &c) { line(c, 5, 1, 1, 1); },
                 {".......",
                  "..####.",
                  "......."}},
        EdgeCase{"TwoPixelPenCentredAndCoveringItsEnds",
                 // Column 3 with offsets -1..0, rows 1..4 and one above the start.
                 [](Canvas &c) { pen(c, 2); line(c, 3, 1, 3, 4); },
                 {"..##..",
                  "..##..",
                  "..##..",
                  "..##..",
                  "..##..",
                  "......"}},
        EdgeCase{"ThreePixelPenCentred",
                 [](Canvas &c) { pen(c, 3); line(c, 2, 2, 5, 2); },
                 {"........",
                  ".######.",
                  ".######.",
                  ".######.",
                  "........"}},
        EdgeCase{"WideFrameClosesItsCorners",
                 [](Canvas &c) {
                     pen(c, 2);
                     line(c, 2, 2, 6, 2); line(c, 6, 2, 6, 5);
                     line(c, 2, 5, 6, 5); line(c, 2, 2, 2, 5);
                 },
                 {"........",
                  ".######.",
                  ".######.",
                  ".##..##.",
                  ".######.",
                  ".######.",
                  "........"}},
        EdgeCase{"DotPenOpaqueFillsGapsWithBackground",
                 [](Canvas &c) { pen(c, 1, PenStyle::Dot); line(c, 0, 0, 11, 0); },
                 {"###---###--."}},
        EdgeCase{"DotPenTransparentLeavesGaps",
                 [](Canvas &c) {
                     pen(c, 1, PenStyle::Dot);
                     c.setBackgroundMode(BackgroundMode::Transparent);
                     line(c, 0, 0, 11, 0);
                 },
                 {"###...###..."}},
        EdgeCase{"DashPatternRunsEighteenOnSixOff",
                 [](Canvas &c) { pen(c, 1, PenStyle::Dash); c.setBackgroundMode(BackgroundMode::Transparent); line(c, 0, 0, 26, 0); },
                 {"##################......##.."}},
        EdgeCase{"PatternOnWidePenDrawsSolid",
                 // Rows 0..1 across, columns 0..6 along (cut by the image).
                 [](Canvas &c) { pen(c, 2, PenStyle::Dot); line(c, 1, 1, 6, 1); },
                 {"######",
                  "######",
                  "......"}},
        EdgeCase{"DashedRectangleOutlineWithOpaqueGaps",
                 [](Canvas &c) { pen(c, 1, PenStyle::DashDot); c.setBrush(CanvasBrush{Fill, BrushStyle::Clear}); c.rectangle(0, 0, 12, 2); },
                 // Each side starts its own pattern: 9 on, 6 off, cut by the corner.
                 {"#########--#",
                  "#--#########"}}));

TEST(CanvasImage, StretchDrawUsesNearestPixelsIntoTheDestination)
{
    QImage src(2, 1, QImage::Format_RGB32);
    src.setPixelColor(0, 0, Ink);
    src.setPixelColor(1, 0, Fill);
    QImage img(8, 3, QImage::Format_RGB32);
    img.fill(Paper);
    {
        QtCanvas canvas(img);
        canvas.stretchDraw(QRect(1, 1, 6, 1), src);
    }
    EXPECT_EQ(picture(img), (std::vector<std::string>{"........", ".###ooo.", "........"}));
}

TEST(CanvasImage, ResolutionComesFromTheDevice)
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.setDotsPerMeterX(23622); // 600 per inch
    img.setDotsPerMeterY(11811); // 300 per inch
    QtCanvas canvas(img);
    EXPECT_EQ(canvas.pixelsPerInchX(), 600);
    EXPECT_EQ(canvas.pixelsPerInchY(), 300);
    EXPECT_FALSE(canvas.isPrinter());
}

TEST(CanvasImage, DetachedCanvasDrawsNothingButMeasures)
{
    QtCanvas canvas(CanvasKind::Printer);
    canvas.setResolution(600, 600);
    canvas.fillRect(QRect(0, 0, 10, 10));
    canvas.textOut(0, 0, {}, QRect(), u"Sanal");
    EXPECT_TRUE(canvas.isPrinter());
    EXPECT_FALSE(canvas.meetsClip(QRect(0, 0, 10, 10)));
    EXPECT_GT(canvas.textExtent(u"Sanal").width(), 0);
}

} // namespace

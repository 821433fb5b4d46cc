// Device rectangles, backgrounds, frames, shapes, lines and pictures, checked
// on the recording canvas and, where the pixels matter, on an image.
#include "report/model/tfrxlineview.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxshapeview.h"
#include "report/output/frxframedrawer.h"
#include "report/output/frxviewrenderer.h"
#include "report/output/qtcanvas.h"
#include "report/output/recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

QList<const CanvasOp *> OpsOf(const RecordingCanvas &c, CanvasOp::Kind kind)
{
    QList<const CanvasOp *> out;
    for (const CanvasOp &op : c.operations())
        if (op.kind == kind)
            out.append(&op);
    return out;
}

QImage WhiteImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(RenderFrame, OnePixelFrameClosesTheLowerRightCorner)
{
    TfrxMemoView memo;
    memo.SetBounds(10, 20, 100, 30);
    memo.Frame()->SetTyp(TfrxFrameType::ftLeft | TfrxFrameType::ftRight | TfrxFrameType::ftTop
                         | TfrxFrameType::ftBottom);
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    const auto lines = OpsOf(rec, CanvasOp::Kind::Line);
    ASSERT_EQ(lines.size(), 4);
    // Left, right, top, bottom; the bottom one runs to x1 + 1.
    EXPECT_EQ(lines[0]->from, QPoint(10, 20));
    EXPECT_EQ(lines[0]->to, QPoint(10, 50));
    EXPECT_EQ(lines[1]->from, QPoint(110, 20));
    EXPECT_EQ(lines[2]->to, QPoint(110, 20));
    EXPECT_EQ(lines[3]->from, QPoint(10, 50));
    EXPECT_EQ(lines[3]->to, QPoint(111, 50));

    QImage img = WhiteImage(130, 60);
    {
        QtCanvas canvas(img);
        DrawView(memo, canvas, 1, 1, 0, 0);
    }
    EXPECT_EQ(img.pixelColor(110, 50), QColor(Qt::black)) << "corner pixel";
    EXPECT_EQ(img.pixelColor(10, 20), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(111, 50), QColor(Qt::white));
}

TEST(RenderFrame, VerticalLineOfWidthOneAndAHalfIsTwoPixels)
{
    TfrxLineView line;
    line.SetBounds(20, 5, 0, 163.3);
    line.Frame()->SetWidth(1.5);
    RecordingCanvas rec;
    DrawView(line, rec, 1, 1, 0, 0);
    const auto lines = OpsOf(rec, CanvasOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]->pen.width, 2);
    EXPECT_EQ(lines[0]->from, QPoint(20, 5));
    EXPECT_EQ(lines[0]->to, QPoint(20, 168)); // R(168.3)

    QImage img = WhiteImage(40, 180);
    {
        QtCanvas canvas(img);
        DrawView(line, canvas, 1, 1, 0, 0);
    }
    // A 2-pixel pen covers offsets -1 and 0 across the line.
    EXPECT_EQ(img.pixelColor(18, 50), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(19, 50), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(20, 50), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(21, 50), QColor(Qt::white));
}

TEST(RenderFrame, LineNormalisesToVerticalOrHorizontal)
{
    TfrxLineView wide;
    wide.SetBounds(0, 10, 50, 3);
    RecordingCanvas rec;
    DrawView(wide, rec, 1, 1, 0, 0);
    EXPECT_EQ(wide.Height(), 0);
    EXPECT_EQ(wide.Frame()->Typ(), TfrxFrameTypes(TfrxFrameType::ftTop));
    const auto lines = OpsOf(rec, CanvasOp::Kind::Line);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]->from, QPoint(0, 10));
    EXPECT_EQ(lines[0]->to, QPoint(50, 10));
}

struct ThickCase
{
    const char *name;
    QPoint from, to;
    int width;
    QList<QPair<QPoint, QPoint>> expected;
};

class ThickLine : public testing::TestWithParam<ThickCase>
{
};

TEST_P(ThickLine, DrawsOnePixelLinesCentredOnTheLine)
{
    const ThickCase &c = GetParam();
    RecordingCanvas rec;
    DrawThickLine(rec, c.from.x(), c.from.y(), c.to.x(), c.to.y(), c.width);
    const auto lines = OpsOf(rec, CanvasOp::Kind::Line);
    ASSERT_EQ(lines.size(), c.expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]->from, c.expected[i].first) << i;
        EXPECT_EQ(lines[i]->to, c.expected[i].second) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThickLine,
    testing::Values(
        ThickCase{"ZeroIsOne", {0, 5}, {10, 5}, 0, {{{0, 5}, {10, 5}}}},
        ThickCase{"HorizontalThree", {0, 5}, {10, 6}, 3, {{{0, 4}, {10, 5}}, {{0, 5}, {10, 6}}, {{0, 6}, {10, 7}}}},
        ThickCase{"VerticalTwo", {7, 0}, {7, 9}, 2, {{{6, 0}, {6, 9}}, {{7, 0}, {7, 9}}}},
        ThickCase{"DiagonalCountsAsVertical", {0, 0}, {4, 4}, 2, {{{-1, 0}, {3, 4}}, {{0, 0}, {4, 4}}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderFrame, DropShadowShrinksTheBoxAndDrawsTwoBands)
{
    TfrxMemoView memo;
    memo.SetBounds(10, 10, 100, 50);
    memo.Frame()->SetDropShadow(true); // ShadowWidth 4
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    const auto lines = OpsOf(rec, CanvasOp::Kind::Line);
    // x1 = 110 - 4 = 106, y1 = 60 - 4 = 56; 4 lines down x1 + 2, 4 along y1 + 2.
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0]->from, QPoint(106, 14)); // x1 + 2 - 2
    EXPECT_EQ(lines[0]->to, QPoint(106, 56));
    EXPECT_EQ(lines[3]->from, QPoint(109, 14));
    EXPECT_EQ(lines[4]->from, QPoint(14, 56));
    EXPECT_EQ(lines[7]->to, QPoint(110, 59));
}

TEST(RenderFrame, DashedFrameUsesThinPatternedPen)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 20, 10);
    memo.Frame()->SetTyp(TfrxFrameType::ftTop);
    memo.Frame()->SetStyle(TfrxFrameStyle::fsDash);
    memo.Frame()->SetWidth(3);
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    const auto lines = OpsOf(rec, CanvasOp::Kind::Line);
    ASSERT_EQ(lines.size(), 3);
    for (const CanvasOp *op : lines) {
        EXPECT_EQ(op->pen.width, 1);
        EXPECT_EQ(op->pen.style, PenStyle::Dash);
    }
    EXPECT_EQ(lines[0]->from, QPoint(0, -1));
}

TEST(RenderShape, RectangleIncludesItsRightAndBottomEdge)
{
    TfrxShapeView shape;
    shape.SetBounds(10.5, 20, 40, 30); // x = R(10.5) = 10
    shape.Frame()->SetWidth(2);
    RecordingCanvas rec;
    DrawView(shape, rec, 1, 1, 0, 0);
    const auto rects = OpsOf(rec, CanvasOp::Kind::Rectangle);
    ASSERT_EQ(rects.size(), 1);
    EXPECT_EQ(rects[0]->rect, Canvas::box(10, 20, 51, 51)); // x1 = R(50.5) = 50
    EXPECT_EQ(rects[0]->pen.width, 2);
    EXPECT_EQ(rects[0]->brush.style, BrushStyle::Clear);
}

TEST(RenderPicture, NaturalSizeFromTheTopLeftOverWhite)
{
    TfrxPictureView view;
    view.SetBounds(10, 20, 128.5, 147.4);
    view.SetStretched(false);
    QImage image(127, 145, QImage::Format_Indexed8);
    image.setColorCount(2);
    image.setColor(0, qRgb(0, 0, 0));
    image.setColor(1, qRgb(255, 0, 0));
    image.fill(1);
    view.Picture()->SetImage(image);
    RecordingCanvas rec;
    DrawView(view, rec, 1, 1, 0, 0);
    const auto fills = OpsOf(rec, CanvasOp::Kind::FillRect);
    ASSERT_EQ(fills.size(), 1);
    EXPECT_EQ(fills[0]->rect, Canvas::box(10, 20, 138, 167)); // R(138.5) = 138, R(167.4) = 167
    EXPECT_EQ(fills[0]->brush.color, QColor(Qt::white));
    const auto pictures = OpsOf(rec, CanvasOp::Kind::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0]->rect, QRect(10, 20, 127, 145));
    EXPECT_EQ(pictures[0]->image.pixelColor(0, 0), QColor(255, 0, 0));
}

TEST(RenderPicture, StretchedKeepsTheAspectRatioAndCentres)
{
    TfrxPictureView view;
    view.SetBounds(0, 0, 200, 100);
    view.SetCenter(true);
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::blue);
    view.Picture()->SetImage(image);
    RecordingCanvas rec;
    DrawView(view, rec, 1, 1, 0, 0);
    const auto pictures = OpsOf(rec, CanvasOp::Kind::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    // kx = 4, ky = 2: right = 0 + R(50 * 2) = 100, moved by (200 - 100) div 2.
    EXPECT_EQ(pictures[0]->rect, Canvas::box(50, 0, 150, 100));
}

TEST(RenderPicture, EmptyPictureDrawsOnlyBackground)
{
    TfrxPictureView view;
    view.SetBounds(0, 0, 20, 20);
    RecordingCanvas rec;
    DrawView(view, rec, 1, 1, 0, 0);
    EXPECT_TRUE(OpsOf(rec, CanvasOp::Kind::StretchDraw).isEmpty());
    EXPECT_EQ(OpsOf(rec, CanvasOp::Kind::FillRect).size(), 1);
}

} // namespace

// Text drawn on an image after other drawing on the same canvas: whatever a
// shape leaves in the painter must not keep the glyphs off the picture. The
// forms draw their frames and cell backgrounds before their captions, so a
// caption after a box is the common case, not a corner.
#include "report/output/qtcanvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QRect TextCell(40, 40, 110, 20);

int darkPixels(const QImage &img, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(img.pixel(x, y)) < 96 ? 1 : 0;
    return n;
}

struct Before
{
    const char *name;
    std::function<void(Canvas &)> draw;
};

std::ostream &operator<<(std::ostream &os, const Before &b) { return os << b.name; }

class TextAfterShapes : public ::testing::TestWithParam<std::tuple<Before, BackgroundMode>> {};

// Black "HASTA SEVK" in Arial 16 pixels at (40, 40), left of and below the
// shapes, which stay inside (0, 0)-(35, 35): every dark pixel in the text's
// cell is ink of the text (or nothing was drawn).
TEST_P(TextAfterShapes, GlyphsShowInTheirCell)
{
    const auto &[before, mode] = GetParam();
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QtCanvas c(img);
        c.setPen(CanvasPen{Qt::black, 1, PenStyle::Solid});
        c.setBrush(CanvasBrush{QColor(220, 230, 255), BrushStyle::Solid});
        before.draw(c);
        CanvasFont f;
        f.height = -16;
        c.setFont(f);
        c.setBackgroundMode(mode);
        c.setBackgroundColor(Qt::yellow);
        c.textOut(TextCell.left(), TextCell.top(), {}, QRect(), u"HASTA SEVK");
    }
    // Ten capitals and a space at 16 pixels leave far more than 100 ink
    // pixels; a missing run leaves none.
    EXPECT_GT(darkPixels(img, TextCell), 100);
    if (mode == BackgroundMode::Opaque) {
        EXPECT_EQ(img.pixelColor(TextCell.topLeft()), QColor(Qt::yellow)) << "the cell's background";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, TextAfterShapes,
    ::testing::Combine(
        ::testing::Values(
            Before{"Rectangle", [](Canvas &c) { c.rectangle(2, 2, 30, 30); }},
            Before{"HollowRectangle",
                   [](Canvas &c) {
                       c.setBrush(CanvasBrush{Qt::white, BrushStyle::Clear});
                       c.rectangle(2, 2, 30, 30);
                   }},
            Before{"FilledBox", [](Canvas &c) { c.fillRect(Canvas::box(2, 2, 30, 30)); }},
            Before{"HatchedBox",
                   [](Canvas &c) {
                       c.setBrush(CanvasBrush{Qt::blue, BrushStyle::DiagCross});
                       c.fillRect(Canvas::box(2, 2, 30, 30));
                   }},
            Before{"SheetAndShadow",
                   [](Canvas &c) {
                       c.rectangle(2, 2, 30, 30);
                       c.moveTo(30, 3);
                       c.lineTo(30, 30);
                       c.lineTo(2, 30);
                   }},
            Before{"SlantedLine",
                   [](Canvas &c) {
                       c.moveTo(2, 2);
                       c.lineTo(30, 20);
                   }},
            Before{"DashedSlantedLine",
                   [](Canvas &c) {
                       c.setPen(CanvasPen{Qt::black, 1, PenStyle::Dash});
                       c.moveTo(2, 2);
                       c.lineTo(30, 20);
                   }},
            Before{"Ellipse", [](Canvas &c) { c.ellipse(2, 2, 30, 30); }},
            Before{"RoundRect", [](Canvas &c) { c.roundRect(2, 2, 30, 30, 8, 8); }},
            Before{"Polygon", [](Canvas &c) { c.polygon({QPoint(2, 2), QPoint(30, 2), QPoint(16, 30)}); }}),
        ::testing::Values(BackgroundMode::Transparent, BackgroundMode::Opaque)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name)
            + (std::get<1>(info.param) == BackgroundMode::Opaque ? "_OpaqueText" : "_TransparentText");
    });

} // namespace

// Text output: the recording canvas keeps what the search and the tests read,
// and the painter backend places glyphs at the given advances as real text.
#include "report/output/qtcanvas.h"
#include "report/output/recordingcanvas.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CanvasFont arial(int height, int rotation = 0)
{
    CanvasFont f;
    f.name = "Arial";
    f.height = height;
    f.rotation = rotation;
    return f;
}

TEST(RecordingCanvas, KeepsOperationsInOrderWithTheirTools)
{
    RecordingCanvas rec;
    rec.setBrush(CanvasBrush{Qt::yellow, BrushStyle::Solid});
    rec.fillRect(Canvas::box(0, 0, 10, 10));
    rec.setPen(CanvasPen{Qt::red, 2, PenStyle::Solid});
    rec.moveTo(1, 2);
    rec.lineTo(8, 2);
    rec.setFont(arial(-13));
    const int adv[] = {7, 7, 7};
    rec.textOut(3, 4, {}, QRect(), u"abc", adv);

    const QList<CanvasOp> &ops = rec.operations();
    ASSERT_EQ(ops.size(), 3);
    EXPECT_EQ(ops[0].kind, CanvasOp::Kind::FillRect);
    EXPECT_EQ(ops[0].rect, QRect(0, 0, 10, 10));
    EXPECT_EQ(ops[0].brush.color, QColor(Qt::yellow));
    EXPECT_EQ(ops[1].kind, CanvasOp::Kind::Line);
    EXPECT_EQ(ops[1].from, QPoint(1, 2));
    EXPECT_EQ(ops[1].to, QPoint(8, 2));
    EXPECT_EQ(ops[1].pen.width, 2);
    EXPECT_EQ(ops[2].kind, CanvasOp::Kind::TextOut);
    EXPECT_EQ(ops[2].text, "abc");
    EXPECT_EQ(ops[2].advances, (QList<int>{7, 7, 7}));
    EXPECT_EQ(rec.textOperations().size(), 1);
}

struct BoundsCase
{
    const char *name;
    int rotation;
    TextOutOptions options;
    QRect clip;
    QRect expected;
};

std::ostream &operator<<(std::ostream &os, const BoundsCase &c) { return os << c.name; }

class TextBounds : public ::testing::TestWithParam<BoundsCase> {};

// Arial at 13 pixels has a cell of 12 + 3 = 15 pixels (1854 and 434 units);
// "Hasta" is drawn with advances 9, 7, 7, 4, 7 = 34 at (100, 50).
TEST_P(TextBounds, FollowTheCellTurnedAndClipped)
{
    const BoundsCase &c = GetParam();
    RecordingCanvas rec;
    rec.setFont(arial(-13, c.rotation));
    ASSERT_EQ(rec.measuredFont().cellHeight(), 15);
    const int adv[] = {9, 7, 7, 4, 7};
    rec.textOut(100, 50, c.options, c.clip, u"Hasta", adv);
    ASSERT_EQ(rec.textOperations().size(), 1);
    EXPECT_EQ(rec.textOperations()[0]->rect, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Recording, TextBounds,
    ::testing::Values(
        BoundsCase{"Plain", 0, {}, QRect(), QRect(100, 50, 34, 15)},
        // Turned counter-clockwise: the text runs upwards from (100, 50), the
        // cell lies to the right of the baseline's start.
        BoundsCase{"Rotated90", 90, {}, QRect(), QRect(100, 16, 15, 34)},
        BoundsCase{"Rotated180", 180, {}, QRect(), QRect(66, 35, 34, 15)},
        BoundsCase{"ClippedToTheRectangle", 0, TextOutOption::Clipped, QRect(90, 40, 20, 100), QRect(100, 50, 10, 15)},
        BoundsCase{"ClipIgnoredWithoutTheOption", 0, {}, QRect(90, 40, 20, 100), QRect(100, 50, 34, 15)}));

TEST(RecordingCanvas, ReplayPaintsWhatDirectDrawingPaints)
{
    auto draw = [](Canvas &c) {
        c.setBrush(CanvasBrush{QColor(200, 220, 255), BrushStyle::Solid});
        c.setPen(CanvasPen{Qt::darkRed, 2, PenStyle::Solid});
        c.rectangle(4, 4, 70, 30);
        c.setPen(CanvasPen{Qt::black, 1, PenStyle::Dash});
        c.moveTo(2, 36);
        c.lineTo(78, 36);
        c.setBackgroundMode(BackgroundMode::Transparent);
        c.setFont(arial(-13));
        c.textOut(8, 8, TextOutOption::Clipped, QRect(8, 8, 40, 20), u"Dişçi Sevki");
    };
    QImage direct(80, 40, QImage::Format_RGB32), replayed(80, 40, QImage::Format_RGB32);
    direct.fill(Qt::white);
    replayed.fill(Qt::white);
    {
        QtCanvas c(direct);
        draw(c);
    }
    RecordingCanvas rec;
    draw(rec);
    {
        QtCanvas c(replayed);
        rec.replay(c);
        EXPECT_EQ(c.backgroundMode(), BackgroundMode::Opaque) << "the target's tools come back";
    }
    EXPECT_EQ(direct, replayed);
}

TEST(RecordingCanvas, ReplayMovesByTheOffset)
{
    RecordingCanvas rec;
    rec.fillRect(QRect(1, 1, 2, 2));
    RecordingCanvas target;
    rec.replay(target, QPoint(10, 20));
    ASSERT_EQ(target.operations().size(), 1);
    EXPECT_EQ(target.operations()[0].rect, QRect(11, 21, 2, 2));
}

TEST(QtCanvasText, GlyphsLandAtTheGivenAdvances)
{
    // Two copies of "II" in a column: one measured, one with the second
    // letter pushed 20 pixels right. The first ink column of the second
    // letter moves by exactly the extra advance.
    QImage img(120, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QtCanvas c(img);
        c.setBackgroundMode(BackgroundMode::Transparent);
        c.setFont(arial(-16));
        int measured[2];
        c.textAdvances(u"II", measured);
        c.textOut(10, 0, {}, QRect(), u"II", measured);
        const int wide[2] = {measured[0] + 20, measured[1]};
        c.textOut(10, 20, {}, QRect(), u"II", wide);
    }
    // The first column of each vertical stroke.
    auto inkColumns = [&](int top) {
        QList<int> starts;
        bool previous = false;
        for (int x = 0; x < img.width(); ++x) {
            bool ink = false;
            for (int y = top; y < top + 20 && !ink; ++y)
                ink = qGray(img.pixel(x, y)) < 128;
            if (ink && !previous)
                starts.append(x);
            previous = ink;
        }
        return starts;
    };
    const QList<int> a = inkColumns(0), b = inkColumns(20);
    ASSERT_EQ(a.size(), 2);
    ASSERT_EQ(b.size(), 2);
    EXPECT_EQ(b[0], a[0]);
    EXPECT_EQ(b[1] - a[1], 20);
}

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(QtCanvasText, PdfTextStaysSearchableAndKeepsItsWidth)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("metin.pdf");
    const QString text = QStringLiteral("Hasta Sevki Çığ Öşü");
    int width = 0;
    {
        QPdfWriter writer(file);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QtCanvas c(CanvasKind::Screen);
        ASSERT_TRUE(c.begin(&writer));
        c.setBackgroundMode(BackgroundMode::Transparent);
        c.setFont(arial(-200)); // 12 points at 1200 dpi
        std::vector<int> adv(text.size());
        width = c.textAdvances(text, adv.data());
        c.textOut(1200, 1200, {}, QRect(), text, adv.data());
        c.end();
    }
    const QString plain = runTool("pdftotext", {file, "-"});
    EXPECT_TRUE(plain.contains(text)) << plain.toStdString();

    // The words' boxes in points: the line starts at one inch and is as wide
    // as the sum of the advances (1200 device pixels per 72 points).
    const QString boxes = runTool("pdftotext", {"-bbox", file, "-"});
    const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)")re");
    QList<double> xs;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        xs << m.captured(1).toDouble() << m.captured(2).toDouble();
    }
    ASSERT_EQ(xs.size(), 8) << boxes.toStdString();
    EXPECT_NEAR(xs.first(), 72.0, 0.2);
    EXPECT_NEAR(xs.last() - xs.first(), width * 72.0 / 1200, 0.5);
}

} // namespace

namespace {

TEST(RecordingCanvas, ScaledReplayFillsTheDestinationBox)
{
    RecordingCanvas picture;
    picture.setFrame(QRect(0, 0, 100, 50));
    picture.setPen(CanvasPen{Qt::black, 1, PenStyle::Solid});
    picture.rectangle(10, 10, 30, 20);
    picture.moveTo(0, 49);
    picture.lineTo(100, 49);
    picture.setFont(arial(-13));
    const int adv[] = {5, 5, 5}; // edges 5, 10, 15 -> 7.5, 15, 22.5 -> 8, 15, 22 (halves to even)
    picture.textOut(20, 30, TextOutOption::Clipped, QRect(0, 0, 100, 50), u"abc", adv);

    RecordingCanvas target;
    picture.replay(target, QRect(200, 100, 150, 75)); // 1.5 times, moved to (200, 100)
    const QList<CanvasOp> &ops = target.operations();
    ASSERT_EQ(ops.size(), 3);
    EXPECT_EQ(ops[0].rect, Canvas::box(215, 115, 245, 130));
    EXPECT_EQ(ops[1].from, QPoint(200, 174)); // 49 x 1.5 = 73.5 -> 74
    EXPECT_EQ(ops[1].to, QPoint(350, 174));
    EXPECT_EQ(ops[1].pen.width, 2);           // 1.5 -> 2
    EXPECT_EQ(ops[2].from, QPoint(230, 145));
    EXPECT_EQ(ops[2].advances, (QList<int>{8, 7, 7}));
    EXPECT_EQ(ops[2].font.height, -20);       // -19.5 -> -20
    EXPECT_EQ(ops[2].clip, QRect(200, 100, 150, 75));
}

TEST(RecordingCanvas, FrameDefaultsToWhatWasDrawn)
{
    RecordingCanvas picture;
    picture.fillRect(QRect(5, 5, 10, 10));
    picture.moveTo(0, 20);
    picture.lineTo(30, 20);
    EXPECT_EQ(picture.frame(), QRect(0, 5, 31, 16));
}

} // namespace

namespace {

// The rectangle holding every non-white pixel.
QRect inkBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                r |= QRect(x, y, 1, 1);
    return r;
}

struct InkCase
{
    const char *name;
    int rotation;
    TextOutOptions options;
    BackgroundMode mode;
};

std::ostream &operator<<(std::ostream &os, const InkCase &c) { return os << c.name; }

class TextInk : public ::testing::TestWithParam<InkCase> {};

// Whatever the painter draws for a text stays inside the bounds the recording
// canvas gives for it - the search highlights those bounds, and the two
// canvases must agree on where a turned or clipped text goes.
TEST_P(TextInk, StaysInsideTheRecordedBounds)
{
    const InkCase &c = GetParam();
    const QRect clip(40, 20, 30, 60);
    auto draw = [&](Canvas &canvas) {
        canvas.setFont(arial(-20, c.rotation));
        canvas.setBackgroundMode(c.mode);
        canvas.setBackgroundColor(Qt::yellow);
        canvas.textOut(60, 60, c.options, clip, u"Wjğ");
    };
    QImage img(140, 140, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QtCanvas canvas(img);
        draw(canvas);
    }
    RecordingCanvas rec;
    draw(rec);
    ASSERT_EQ(rec.textOperations().size(), 1);
    const QRect bounds = rec.textOperations()[0]->rect;
    const QRect ink = inkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(bounds.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                      << ink.height() << " bounds " << bounds.x() << "," << bounds.y() << " "
                                      << bounds.width() << "x" << bounds.height();
    if (c.mode == BackgroundMode::Opaque && !c.options.testFlag(TextOutOption::Clipped)) {
        EXPECT_EQ(ink, bounds) << "an opaque cell fills its whole box";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, TextInk,
    ::testing::Values(InkCase{"Plain", 0, {}, BackgroundMode::Transparent},
                      InkCase{"OpaqueCell", 0, {}, BackgroundMode::Opaque},
                      InkCase{"Turned90", 90, {}, BackgroundMode::Opaque},
                      InkCase{"Turned180", 180, {}, BackgroundMode::Opaque},
                      InkCase{"Turned270", 270, {}, BackgroundMode::Opaque},
                      InkCase{"Clipped", 0, TextOutOption::Clipped, BackgroundMode::Opaque},
                      InkCase{"ClippedTurned", 90, TextOutOption::Clipped, BackgroundMode::Opaque}));

} // namespace

// Character advances at a pixel height must come from the font's design
// metrics alone: the 600-dpi layout of a memo and its drawing on any device
// use them, so they must neither depend on the device nor on hinting.
#include "report/output/fontmeasurer.h"
#include "report/output/qtcanvas.h"
#include "report/output/recordingcanvas.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct AdvanceCase
{
    const char *name;
    const char *family;
    FontStyles style;
    int height;
    const char16_t *text;
    std::vector<int> advances;
};

std::ostream &operator<<(std::ostream &os, const AdvanceCase &c) { return os << c.name; }

class FontAdvances : public ::testing::TestWithParam<AdvanceCase> {};

// Expected values: design advance in font units x pixel height / 2048, each
// rounded on its own, halves to even (the metric-compatible widths of Arial
// and Times New Roman).
TEST_P(FontAdvances, AreRoundedDesignWidths)
{
    const AdvanceCase &c = GetParam();
    CanvasFont f;
    f.name = QString::fromLatin1(c.family);
    f.height = c.height;
    f.style = c.style;
    const auto font = FontMeasurer::instance().font(f);
    ASSERT_TRUE(font->isValid());
    const QString text = QString::fromUtf16(c.text);
    std::vector<int> got(text.size());
    const int total = font->advances(text, got.data());
    EXPECT_EQ(got, c.advances);
    int sum = 0;
    for (int a : c.advances)
        sum += a;
    EXPECT_EQ(total, sum);
    EXPECT_EQ(font->textWidth(text), sum);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontAdvances,
    ::testing::Values(
        // A 1366, space 569, i 455, W 1933, m 1706 units.
        AdvanceCase{"ArialAtMeasuringHeight", "Arial", {}, -83, u"A iWm", {55, 23, 18, 78, 69}},
        // 569 / 2 = 284.5 -> 284, 455 / 2 = 227.5 -> 228.
        AdvanceCase{"HalvesGoToEven", "Arial", {}, -1024, u" i", {284, 228}},
        // Turkish letters: ğ 1139, ş 1024 (41.5 -> 42), İ 569, ı 569.
        AdvanceCase{"TurkishLetters", "Arial", {}, -83, u"ğşİı", {46, 42, 23, 23}},
        // Times: A 1479, space 512, W 1933.
        AdvanceCase{"TimesNewRoman", "Times New Roman", {}, -83, u"A W", {60, 21, 78}},
        // Arial Bold: A 1479, space 569.
        AdvanceCase{"ArialBold", "Arial", FontStyle::Bold, -83, u"A ", {60, 23}}));

TEST(FontMeasure, PositiveHeightIsTheCellHeight)
{
    // Arial's cell is 1854 + 434 = 2288 units for an em of 2048.
    EXPECT_NEAR(FontMeasurer::instance().pixelSizeFor("Arial", {}, 2288), 2048.0, 1e-6);
    EXPECT_EQ(FontMeasurer::instance().pixelSizeFor("Arial", {}, -13), 13.0);
}

TEST(FontMeasure, CellMetricsOfTheMeasuringFont)
{
    const auto font = FontMeasurer::instance().font("Arial", {}, 83);
    // 1854 x 83 / 2048 = 75.14, 434 x 83 / 2048 = 17.59, both rounded up.
    EXPECT_EQ(font->ascent(), 76);
    EXPECT_EQ(font->descent(), 18);
}

TEST(FontMeasure, SameAdvancesOnImagePdfAndRecording)
{
    QImage img(10, 10, QImage::Format_RGB32);
    QtCanvas screen(img);
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("a.pdf"));
    writer.setResolution(1200);
    QtCanvas pdf(CanvasKind::Screen);
    ASSERT_TRUE(pdf.begin(&writer));
    RecordingCanvas printer(600, 600, CanvasKind::Printer);

    CanvasFont f;
    f.name = "Times New Roman";
    f.height = -17;
    const QString text = QStringLiteral("Sevk edilen: Ayşe Çığ");
    std::vector<int> a(text.size()), b(text.size()), c(text.size());
    for (Canvas *canvas : {static_cast<Canvas *>(&screen), static_cast<Canvas *>(&pdf), static_cast<Canvas *>(&printer)})
        canvas->setFont(f);
    screen.textAdvances(text, a.data());
    pdf.textAdvances(text, b.data());
    printer.textAdvances(text, c.data());
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c);
    EXPECT_EQ(pdf.pixelsPerInchX(), 1200);
    pdf.end();
}

} // namespace

// Memo text layout and drawing: text rectangle, measuring heights, line
// breaks, alignment, line gaps, rotation, underlines, tags and page totals.
// Widths come from the font's own advances at the measuring height, the
// positions from the layout rules worked out by hand.
#include "report/model/tfrxmemoview.h"
#include "report/output/fontmeasurer.h"
#include "report/output/frxdrawtools.h"
#include "report/output/frxmemodrawer.h"
#include "report/output/frxviewrenderer.h"
#include "report/output/recordingcanvas.h"
#include "report/output/tfrxdrawtext.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// Width of `text` in Arial at the measuring height of a 10 pt font (83 px).
int Width600(const QString &text, FontStyles style = {})
{
    return FontMeasurer::instance().font(QStringLiteral("Arial"), style, 83)->textWidth(text);
}

QList<const CanvasOp *> TextOps(const RecordingCanvas &c)
{
    return c.textOperations();
}

int Sum(const QList<int> &v) { return std::accumulate(v.begin(), v.end(), 0); }

QStringList Texts(const TfrxDrawText &t)
{
    QStringList out;
    for (const auto &line : t.Lines())
        out.append(line.Text);
    return out;
}

// A TfrxDrawText set up for a 10 pt Arial memo, wrapping at `limit`
// measuring pixels.
struct Wrapper
{
    TfrxDrawText text;
    explicit Wrapper(TfrxDrawText::Options options = {})
    {
        TfrxFont font;
        text.SetFont(font);
        text.SetOptions(options);
    }
    QStringList wrap(const QString &line, int limit)
    {
        text.SetText({});
        text.WrapLine(line, nullptr, 0, limit, limit, 0);
        return Texts(text);
    }
};

TEST(RenderTextRect, GapsAndFrameHalvesComeOffEachSide)
{
    TfrxMemoView memo;
    memo.SetBounds(10, 20, 100, 40);
    memo.SetGapX(5);
    memo.SetGapY(2);
    memo.Frame()->SetTyp(TfrxFrameType::ftLeft | TfrxFrameType::ftRight);
    const TfrxViewRect r = PrepareDrawing(memo, 1, 1, 0, 0);
    const TfrxTextRect t = MemoTextRect(memo, r);
    EXPECT_EQ(t.Left, r.x + 5);
    EXPECT_EQ(t.Right, r.x1 - 4); // R(0.5) = 0 off the right side, then - 5 + 1
    EXPECT_EQ(t.Top, r.y + 2);
    EXPECT_EQ(t.Bottom, r.y1 - 1);

    memo.Frame()->SetTyp(TfrxFrameType::ftTop | TfrxFrameType::ftBottom);
    memo.Frame()->SetWidth(2);
    const TfrxTextRect w = MemoTextRect(memo, PrepareDrawing(memo, 4, 4, 0, 0));
    // At scale 4: top R((8 - 1) / 2) = R(3.5) = 4, bottom R(4) = 4, gaps R(8) = 8.
    EXPECT_EQ(w.Top, 80 + 4 + 8);
    EXPECT_EQ(w.Bottom, 240 - 4 - 8 + 1);
    EXPECT_EQ(w.Left, 40 + 20);
}

TEST(RenderTextLayout, TenPointMemoMeasuresAtEightyThreePixels)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 300, 20);
    memo.Font()->SetHeight(-13);
    memo.SetText(QStringLiteral("bir\niki\nüç"));
    TfrxDrawText text;
    text.SetFont(*memo.Font());
    EXPECT_EQ(text.MeasuringHeight(), -83);
    EXPECT_DOUBLE_EQ(text.LineHeight(), 15.28);
    // 3 x 15.28 = 45.84 plus GapY 1 on both sides.
    EXPECT_EQ(CalcMemoHeight(memo), 48);
    memo.Frame()->SetTyp(TfrxFrameType::ftTop | TfrxFrameType::ftBottom);
    memo.Frame()->SetWidth(2);
    EXPECT_EQ(CalcMemoHeight(memo), 49); // + 0.5 + 1 = 49.34
}

TEST(RenderTextLayout, CalcWidthIsTheWidestLinePlusTheExtra)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 10, 20);
    memo.SetText(QStringLiteral("kısa\nbiraz daha uzun"));
    const double widest = Width600(QStringLiteral("biraz daha uzun")) * 96.0 / 600;
    EXPECT_EQ(CalcMemoWidth(memo), std::nearbyint(widest + 4));
}

struct WrapCase
{
    const char *name;
    QString line;
    QString fitting; // the limit is the width of this text
    int extra;       // added to that width
    QStringList expected;
};

class RenderWrap : public testing::TestWithParam<WrapCase>
{
};

TEST_P(RenderWrap, BreaksAsTheRuleSays)
{
    const WrapCase &c = GetParam();
    Wrapper w;
    EXPECT_EQ(w.wrap(c.line, Width600(c.fitting) + c.extra), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenderWrap,
    testing::Values(
        WrapCase{"FitsWhole", "Ankara ili", "Ankara ili", 1, {"Ankara ili"}},
        WrapCase{"BreaksAtLastSpace", "Ankara ili Çankaya", "Ankara ili Ç", 0, {"Ankara ili", "Çankaya"}},
        WrapCase{"TwoSpacesKeepTheFirst", "aa  bb", "aa  ", 0, {"aa ", "bb"}},
        WrapCase{"LongWordCutWhereItStopsFitting", "aaaaaaaa", "aaa", 0, {"aaa", "aaa", "aa"}},
        WrapCase{"WordAfterSpaceTooLong", "aa aaaaa", "aaa", 0, {"aa", "aaa", "aa"}},
        WrapCase{"DroppedTrailingSpaceAddsNoLine", "aaa ", "aaa", 0, {"aaa"}},
        WrapCase{"SingleCharacterWiderThanLimit", "WW", "W", -1, {"W", "W"}},
        WrapCase{"OneCharacterIsOneLine", "W", "", 0, {"W"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderWrapOptions, WithoutWordWrapTheLineStaysWhole)
{
    TfrxDrawText::Options options;
    options.WordWrap = false;
    Wrapper w(options);
    EXPECT_EQ(w.wrap(QStringLiteral("bir iki üç"), 10), QStringList{QStringLiteral("bir iki üç")});
}

TEST(RenderWrapOptions, EmptyMemoLinesAreOneSpaceAndFlagged)
{
    Wrapper w;
    w.text.SetDimensions({0, 0, 100, 100}, {0, 0, 100, 100}, 1, 1);
    w.text.SetText({QString(), QStringLiteral("iki satır ve daha fazlası burada")});
    const auto &lines = w.text.Lines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0].Text, QStringLiteral(" "));
    EXPECT_EQ(lines[0].Flags, TfrxDrawText::FirstLine | TfrxDrawText::LastLine);
    EXPECT_EQ(lines[1].Flags, TfrxDrawText::FirstLine);
    EXPECT_EQ(lines.last().Flags, TfrxDrawText::LastLine);
}

TEST(RenderWrapOptions, LineLongerThanTheAdvanceBufferIsLaidOutCompletely)
{
    QString line;
    for (int i = 0; i < 1200; ++i)
        line += QStringLiteral("kelime%1 ").arg(i % 10);
    ASSERT_GT(line.size(), 9000);
    Wrapper w;
    const QStringList lines = w.wrap(line, Width600(QStringLiteral("kelime0 kelime1 kelime2 ")));
    // Every break dropped exactly one space; nothing else is lost.
    qsizetype total = 0;
    for (const QString &l : lines)
        total += l.size();
    EXPECT_EQ(total + lines.size() - 1, line.size());
    EXPECT_EQ(lines.first(), QStringLiteral("kelime0 kelime1 kelime2"));
    EXPECT_EQ(lines.last(), QStringLiteral("kelime7 kelime8 kelime9 "));
}

TEST(RenderSpread, UnitsFillTheMiddleFirst)
{
    struct Row
    {
        int cells, count;
        std::vector<int> expected;
    } rows[] = {
        {4, 1, {0, 1, 0, 0}}, {4, 2, {1, 0, 1, 0}}, {4, 3, {1, 0, 1, 1}},
        {3, 5, {2, 1, 2}},    {1, 3, {3}},          {3, 0, {0, 0, 0}},
    };
    for (const Row &row : rows) {
        std::vector<int> cells(size_t(row.cells), 0);
        SpreadUnits(cells.data(), 0, row.cells - 1, 1, row.count);
        EXPECT_EQ(cells, row.expected) << row.cells << " cells, " << row.count;
    }
    std::vector<int> cells(3, 10);
    // -1 each; the remaining unit goes to cell h - 1 with h = 3 div 2 = 1.
    SpreadDifference(cells.data(), 3, -4);
    EXPECT_EQ(cells, (std::vector<int>{8, 9, 9}));
}

// A left-aligned 10 pt memo of three short lines at (10, 20), 200 x 80.
std::unique_ptr<TfrxMemoView> ThreeLineMemo()
{
    auto memo = std::make_unique<TfrxMemoView>();
    memo->SetBounds(10, 20, 200, 80);
    memo->SetText(QStringLiteral("bir\niki\nüç"));
    return memo;
}

TEST(RenderPaint, LineGapsAddUpToTheBlockHeight)
{
    auto memo = ThreeLineMemo();
    RecordingCanvas rec;
    DrawView(*memo, rec, 1, 1, 0, 0);
    const auto ops = TextOps(rec);
    ASSERT_EQ(ops.size(), 3);
    // Block R(3 x 15.28) = 46; device font 13 + 2 = 15 per gap; the one
    // spare pixel goes to the first of the two gaps. Text at GapX 2, GapY 1.
    EXPECT_EQ(ops[0]->from, QPoint(12, 21));
    EXPECT_EQ(ops[1]->from, QPoint(12, 37));
    EXPECT_EQ(ops[2]->from, QPoint(12, 52));
    EXPECT_EQ(ops[0]->font.height, -13);
    // Each line is as wide as its 600-dpi width scaled to the device.
    EXPECT_EQ(Sum(ops[0]->advances), std::nearbyint(Width600(QStringLiteral("bir")) * 96.0 / 600));
}

TEST(RenderPaint, SameLineBreaksOnScreenAndOnAPrinter)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 120, 200);
    memo.SetText(QStringLiteral("Sağlık kurumuna sevk edilen personelin yakını için düzenlenen belge"));
    RecordingCanvas screen;
    DrawView(memo, screen, 1, 1, 0, 0);
    RecordingCanvas printer(600, 600, CanvasKind::Printer);
    DrawView(memo, printer, 600.0 / 96, 600.0 / 96, 0, 0);
    QStringList a, b;
    for (const CanvasOp *op : screen.textOperations())
        a.append(op->text);
    for (const CanvasOp *op : printer.textOperations())
        b.append(op->text);
    EXPECT_GT(a.size(), 2);
    EXPECT_EQ(a, b);
    // On the printer the device font is R(600 x 10 / 72) = 83 pixels.
    EXPECT_EQ(printer.textOperations().first()->font.height, -83);
}

struct AlignCase
{
    const char *name;
    TfrxHAlign align;
    bool bold;
    int extraShift; // beyond the plain formula
};

class RenderAlign : public testing::TestWithParam<AlignCase>
{
};

TEST_P(RenderAlign, LineStartsWhereTheShiftPutsIt)
{
    const AlignCase &c = GetParam();
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 200, 30);
    memo.SetHAlign(c.align);
    if (c.bold)
        memo.Font()->SetStyle(TFontStyle::fsBold);
    memo.SetText(QStringLiteral("Dişhekimi"));
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    ASSERT_EQ(rec.textOperations().size(), 1);
    const CanvasOp &op = *rec.textOperations().first();
    const int m = int(std::nearbyint(Width600(QStringLiteral("Dişhekimi"), c.bold ? FontStyle::Bold : FontStyles()) * 0.16));
    // Text rectangle: Left 2, Right 200 - 2 + 1 = 199, width 197.
    int expected = 2;
    if (c.align == TfrxHAlign::haRight)
        expected = 2 + 197 - m + 1;
    else if (c.align == TfrxHAlign::haCenter)
        expected = 2 + int(std::nearbyint((197 - m) / 2.0));
    EXPECT_EQ(op.from.x(), expected + c.extraShift);
    EXPECT_EQ(Sum(op.advances), m);
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderAlign,
                         testing::Values(AlignCase{"Left", TfrxHAlign::haLeft, false, 0},
                                         AlignCase{"Right", TfrxHAlign::haRight, false, 0},
                                         AlignCase{"RightBold", TfrxHAlign::haRight, true, -1},
                                         AlignCase{"Center", TfrxHAlign::haCenter, false, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RenderPaint, BlockLinesFillTheWidthExceptTheLast)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 150, 100);
    memo.SetHAlign(TfrxHAlign::haBlock);
    memo.SetText(QStringLiteral("Personelin bakmakla yükümlü olduğu aile bireyleri"));
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    const auto ops = rec.textOperations();
    ASSERT_GE(ops.size(), 2);
    const int width = 150 - 2 - 2 + 1; // 147
    for (qsizetype i = 0; i + 1 < ops.size(); ++i)
        EXPECT_EQ(Sum(ops[i]->advances), width) << i;
    const CanvasOp &last = *ops.last();
    EXPECT_EQ(Sum(last.advances), std::nearbyint(Width600(last.text) * 0.16));
    EXPECT_EQ(last.from.x(), 2);
}

TEST(RenderPaint, VerticalCentreAndBottom)
{
    auto memo = ThreeLineMemo();
    memo->SetVAlign(TfrxVAlign::vaBottom);
    RecordingCanvas rec;
    DrawView(*memo, rec, 1, 1, 0, 0);
    // Text rectangle 21..100 (height 79), block 46: start 21 + 33.
    EXPECT_EQ(rec.textOperations().first()->from.y(), 54);
    memo->SetVAlign(TfrxVAlign::vaCenter);
    RecordingCanvas centred;
    DrawView(*memo, centred, 1, 1, 0, 0);
    EXPECT_EQ(centred.textOperations().first()->from.y(), 21 + 16); // R(16.5) = 16
}

TEST(RenderPaint, RotationNinetyStartsBottomLeftAndAdvancesRight)
{
    auto memo = ThreeLineMemo();
    memo->SetRotation(90);
    RecordingCanvas rec;
    DrawView(*memo, rec, 1, 1, 0, 0);
    const auto ops = rec.textOperations();
    ASSERT_EQ(ops.size(), 3);
    // Text rectangle Left 12, Bottom 100.
    EXPECT_EQ(ops[0]->from, QPoint(12, 100));
    EXPECT_EQ(ops[1]->from, QPoint(28, 100));
    EXPECT_EQ(ops[2]->from, QPoint(43, 100));
    EXPECT_EQ(ops[0]->font.rotation, 90);
}

TEST(RenderPaint, UnderlinesEveryLineHeightAboveTheBottom)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 100, 50);
    memo.SetUnderlines(true);
    memo.SetText(QStringLiteral("a"));
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    QList<int> ys;
    for (const CanvasOp &op : rec.operations())
        if (op.kind == CanvasOp::Kind::Line) {
            EXPECT_EQ(op.from.x(), 0);
            EXPECT_EQ(op.to.x(), 100);
            ys.append(op.from.y());
        }
    EXPECT_EQ(ys, (QList<int>{15, 31, 46})); // R(15.28), R(30.56), R(45.84)
}

TEST(RenderPaint, HtmlTagsSplitRunsWithTheirFormats)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 300, 30);
    memo.SetAllowHTMLTags(true);
    memo.SetText(QStringLiteral("a<b>kalın</b> <font color=\"#FF0000\">kırmızı</font><sub>2</sub><x>"));
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    const auto ops = rec.textOperations();
    QStringList texts;
    for (const CanvasOp *op : ops)
        texts.append(op->text);
    EXPECT_EQ(texts, (QStringList{"a", "kalın", " ", "kırmızı", "2", "<x>"}));
    ASSERT_EQ(ops.size(), 6);
    EXPECT_TRUE(ops[1]->font.style.testFlag(FontStyle::Bold));
    EXPECT_FALSE(ops[2]->font.style.testFlag(FontStyle::Bold));
    EXPECT_EQ(ops[3]->font.color, QColor(255, 0, 0));
    EXPECT_EQ(ops[4]->font.height, -9); // 2/3 of 13
    EXPECT_GT(ops[4]->from.y(), ops[3]->from.y());
    // Runs follow each other along the baseline.
    EXPECT_EQ(ops[1]->from.x(), ops[0]->from.x() + Sum(ops[0]->advances));
}

TEST(RenderPaint, TotalPagesReplacedOnlyInTheDrawnText)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 300, 30);
    memo.SetText(QStringLiteral("Sayfa 1 / [TOTALPAGES#]"));
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0, 7);
    ASSERT_EQ(rec.textOperations().size(), 1);
    EXPECT_EQ(rec.textOperations().first()->text, QStringLiteral("Sayfa 1 / 7"));
    EXPECT_EQ(memo.Memo().first(), QStringLiteral("Sayfa 1 / [TOTALPAGES#]"));
}

TEST(RenderPaint, HighlightColourIsRestoredAfterDrawing)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 50, 20);
    memo.Highlight()->SetActive(true);
    memo.Highlight()->SetColor(clRed);
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    ASSERT_FALSE(rec.operations().isEmpty());
    EXPECT_EQ(rec.operations().first().kind, CanvasOp::Kind::FillRect);
    EXPECT_EQ(rec.operations().first().brush.color, QColor(255, 0, 0));
    EXPECT_EQ(memo.Color(), clNone);
}

TEST(RenderSplit, TextIsSplitAtTheFirstLineThatDoesNotFit)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 0, 300, 200);
    memo.SetText(QStringLiteral("bir\niki\nüç\ndört"));
    // 33 high: 31 for the text after GapY, two lines of 15.28. The rest needs
    // 2 x 15.28 + 2 = 32.56, rounded 33.
    TfrxMemoSplit split = SplitMemoText(memo, 33);
    EXPECT_EQ(split.fits, (QStringList{"bir", "iki"}));
    EXPECT_EQ(split.rest, (QStringList{"üç", "dört"}));
    EXPECT_EQ(split.restHeight, 33);
    EXPECT_EQ(memo.Height(), 200) << "the memo keeps its own height";
    EXPECT_EQ(memo.Memo().size(), 4);
    split = SplitMemoText(memo, 200);
    EXPECT_EQ(split.fits.size(), 4);
    EXPECT_TRUE(split.rest.isEmpty());
    // Not even one line: everything is the rest.
    split = SplitMemoText(memo, 10);
    EXPECT_TRUE(split.fits.isEmpty());
    EXPECT_EQ(split.rest.size(), 4);
}

TEST(RenderSplit, AWrappedLineIsCutWhereItsFirstLineThatDoesNotFitBegins)
{
    TfrxMemoView memo;
    // "aaa bbb ccc" wraps into three lines in a box just wider than "aaa ".
    const double word = Width600(QStringLiteral("aaa ")) * 0.16;
    memo.SetBounds(0, 0, word + 4 + 1, 200);
    memo.SetText(QStringLiteral("a\naaa bbb ccc"));
    // Three lines fit: "a", "aaa ", "bbb ".
    const TfrxMemoSplit split = SplitMemoText(memo, 3 * 15.28 + 2 + 0.5);
    ASSERT_EQ(split.fits.size(), 2);
    EXPECT_EQ(split.fits[0], QStringLiteral("a"));
    EXPECT_EQ(split.fits[1].trimmed(), QStringLiteral("aaa bbb"));
    EXPECT_EQ(split.rest, QStringList{QStringLiteral("ccc")});
}

TEST(RenderAutoWidth, WidthFollowsTheTextAndRightEdgeStays)
{
    TfrxMemoView memo;
    memo.SetBounds(100, 0, 50, 20);
    memo.SetAutoWidth(true);
    memo.SetHAlign(TfrxHAlign::haRight);
    memo.SetText(QStringLiteral("Hastane"));
    RecordingCanvas rec;
    DrawView(memo, rec, 1, 1, 0, 0);
    const double width = Width600(QStringLiteral("Hastane")) * 0.16 + 4;
    EXPECT_DOUBLE_EQ(memo.Width(), width);
    EXPECT_DOUBLE_EQ(memo.Left() + memo.Width(), 150);
}

} // namespace

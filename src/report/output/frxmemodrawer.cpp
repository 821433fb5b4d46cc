#include "report/output/frxmemodrawer.h"

#include "report/base/frxunits.h"
#include "report/engine/frxmemotext.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxhighlight.h"
#include "report/output/canvas.h"
#include "report/output/frxdrawtools.h"
#include "report/output/frxframedrawer.h"
#include "report/output/tfrxdrawtext.h"

namespace {

constexpr double kBigRect = 10000;

// Restores the memo's fill colour when a highlighted drawing ends, also when
// it ends by an exception.
class ColorGuard
{
public:
    explicit ColorGuard(TfrxCustomMemoView &memo) : m_memo(memo), m_color(memo.Color()) {}
    ~ColorGuard() { m_memo.SetColor(m_color); }

private:
    TfrxCustomMemoView &m_memo;
    TColor m_color;
};

void Configure(TfrxDrawText &text, const TfrxCustomMemoView &memo)
{
    const TfrxHighlight &highlight = *memo.Highlight();
    text.SetFont(highlight.Active() ? *highlight.Font() : *memo.Font());
    TfrxDrawText::Options options;
    options.WordWrap = memo.WordWrap();
    options.AllowHTMLTags = memo.AllowHTMLTags();
    options.Rotation = memo.Rotation();
    options.Clipped = memo.Clipped();
    options.WordBreak = memo.WordBreak();
    options.RTLReading = memo.RTLReading();
    text.SetOptions(options);
    text.SetGaps(memo.LineSpacing(), memo.CharSpacing(), memo.ParagraphGap());
}

// Lays the memo's lines out in its own text rectangle at scale 1, or in a
// 10000-pixel square when the width is free.
enum class LayoutBox { Memo, Unbounded };

void Layout(TfrxDrawText &text, const TfrxCustomMemoView &memo, const QStringList &lines, LayoutBox box)
{
    TfrxTextRect layout;
    if (box == LayoutBox::Unbounded) {
        layout.Right = int(kBigRect);
        layout.Bottom = int(kBigRect);
    } else {
        layout = MemoTextRect(memo, PrepareDrawing(memo, 1, 1, 0, 0));
    }
    text.SetDimensions(layout, layout, 1, 1);
    text.SetText(lines);
}

void DrawUnderlines(Canvas &canvas, const TfrxCustomMemoView &memo, const TfrxViewRect &r, double lineHeight)
{
    const double step = lineHeight * r.scaleY;
    if (step <= 0)
        return;
    canvas.setPen(CanvasPen{FrxColor(memo.Frame()->Color()), r.frameWidth, PenStyle::Solid});
    for (int k = 1;; ++k) {
        const int y = frxRound(r.y + k * step);
        if (y >= r.y1)
            break;
        canvas.moveTo(r.x, y);
        canvas.lineTo(r.x1, y);
    }
}

} // namespace

void DrawMemo(Canvas &canvas, TfrxCustomMemoView &memo, const TfrxMemoDrawing &d, TfrxDrawText *layouter)
{
    QStringList lines = memo.Memo();
    if (!memo.IsDesigning() && memo.AllowExpressions() && d.totalPages >= 0) {
        // Only the drawn text changes: the prepared object keeps its placeholder
        // for the next drawing with perhaps another page count.
        QString joined = lines.join(QLatin1Char('\n'));
        if (ReplaceTotalPages(joined, d.totalPages))
            lines = joined.split(QLatin1Char('\n'));
    }

    ColorGuard colorGuard(memo);
    TfrxDrawTextLock lock(layouter ? *layouter : TfrxDrawText::Shared());
    TfrxDrawText &text = lock.get();
    if (memo.Highlight()->Active())
        memo.SetColor(memo.Highlight()->Color());
    Configure(text, memo);

    if (memo.AutoWidth() && !memo.IsDesigning()) {
        Layout(text, memo, lines, LayoutBox::Unbounded);
        const double oldLeft = memo.Left(), oldWidth = memo.Width();
        const double width = text.TextWidth() + MemoExtraWidth(memo);
        memo.SetWidth(width);
        if (memo.HAlign() == TfrxHAlign::haRight)
            memo.SetLeft(oldLeft + oldWidth - width);
        else if (memo.HAlign() == TfrxHAlign::haCenter)
            memo.SetLeft(oldLeft + (oldWidth - width) / 2);
        if (memo.Parent())
            memo.Parent()->ArrangeAlignedChildren();
    }

    const TfrxViewRect device = PrepareDrawing(memo, d.scaleX, d.scaleY, d.offsetX, d.offsetY);
    const TfrxTextRect layout = MemoTextRect(memo, PrepareDrawing(memo, 1, 1, 0, 0));
    text.SetDimensions(layout, MemoTextRect(memo, device), d.scaleX, d.scaleY);
    text.SetText(lines);

    DrawBackground(canvas, memo, device);
    DrawFrame(canvas, memo, device);
    if (memo.Underlines() && text.options().Rotation == 0)
        DrawUnderlines(canvas, memo, device, text.LineHeight());
    text.PaintText(canvas, memo.HAlign(), memo.VAlign());
}

double CalcMemoHeight(TfrxCustomMemoView &memo)
{
    TfrxDrawTextLock lock(TfrxDrawText::Shared());
    TfrxDrawText &text = lock.get();
    Configure(text, memo);
    Layout(text, memo, memo.Memo(), memo.AutoWidth() ? LayoutBox::Unbounded : LayoutBox::Memo);
    return frxRound(text.TextHeight() + MemoExtraHeight(memo));
}

double CalcMemoWidth(TfrxCustomMemoView &memo)
{
    TfrxDrawTextLock lock(TfrxDrawText::Shared());
    TfrxDrawText &text = lock.get();
    Configure(text, memo);
    Layout(text, memo, memo.Memo(), LayoutBox::Unbounded);
    return frxRound(text.TextWidth() + MemoExtraWidth(memo));
}

TfrxMemoSplit SplitMemoText(TfrxCustomMemoView &memo, double height)
{
    const double ownHeight = memo.Height();
    memo.SetHeight(height);
    TfrxDrawText::Split split;
    {
        TfrxDrawTextLock lock(TfrxDrawText::Shared());
        TfrxDrawText &text = lock.get();
        Configure(text, memo);
        Layout(text, memo, memo.Memo(), LayoutBox::Memo);
        split = text.SplitText();
    }
    memo.SetHeight(ownHeight);
    TfrxMemoSplit result{split.fits, split.rest, 0};
    if (!result.rest.isEmpty()) {
        const QStringList whole = memo.Memo();
        memo.SetMemo(result.rest);
        result.restHeight = CalcMemoHeight(memo);
        memo.SetMemo(whole);
    }
    return result;
}

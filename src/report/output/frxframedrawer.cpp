#include "report/output/frxframedrawer.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxview.h"
#include "report/output/canvas.h"
#include "report/output/frxdrawtools.h"

#include <cstdlib>

PenStyle FramePenStyle(int frameStyle)
{
    switch (TfrxFrameStyle(frameStyle)) {
    case TfrxFrameStyle::fsDash:
        return PenStyle::Dash;
    case TfrxFrameStyle::fsDot:
        return PenStyle::Dot;
    case TfrxFrameStyle::fsDashDot:
        return PenStyle::DashDot;
    case TfrxFrameStyle::fsDashDotDot:
        return PenStyle::DashDotDot;
    case TfrxFrameStyle::fsSolid:
    case TfrxFrameStyle::fsDouble:
        break;
    }
    return PenStyle::Solid;
}

void DrawBackground(Canvas &canvas, const TfrxView &view, const TfrxViewRect &r)
{
    const TColor color = view.Color();
    if (color != clNone) {
        canvas.setBrush(CanvasBrush{FrxColor(color), BrushStyle::Solid});
        canvas.fillRect(Canvas::box(r.x, r.y, r.x1, r.y1));
    }
    if (view.BrushStyle() != TBrushStyle::bsSolid) {
        canvas.setBrush(CanvasBrush{FrxColor(view.Frame()->Color()), BrushStyle(int(view.BrushStyle()))});
        canvas.setPen(CanvasPen{color == clNone ? QColor(Qt::white) : FrxColor(color), 1, PenStyle::Solid});
        canvas.rectangle(r.x, r.y, r.x1 + 1, r.y1 + 1);
        CanvasBrush solid = canvas.brush();
        solid.style = BrushStyle::Solid;
        canvas.setBrush(solid);
    }
}

void DrawThickLine(Canvas &canvas, int x1, int y1, int x2, int y2, int w)
{
    if (w == 0)
        w = 1;
    const int first = -(w / 2);
    const bool mostlyHorizontal = std::abs(x2 - x1) > std::abs(y2 - y1);
    for (int k = first; k < first + w; ++k) {
        if (mostlyHorizontal) {
            canvas.moveTo(x1, y1 + k);
            canvas.lineTo(x2, y2 + k);
        } else {
            canvas.moveTo(x1 + k, y1);
            canvas.lineTo(x2 + k, y2);
        }
    }
}

namespace {

enum class Side { Left, Right, Top, Bottom };

// A double frame: the outer line on the edge, the inner one two pen widths
// inside it, shortened at the corners where the neighbouring side is drawn too,
// and the view's colour between them.
void DrawDoubleSide(Canvas &canvas, const TfrxView &view, const TfrxViewRect &r, Side side,
                    int fx, int fy, int tx, int ty)
{
    const int fw = qMax(r.frameWidth, 1);
    const int gap = 2 * fw;
    const TfrxFrameTypes typ = view.Frame()->Typ();
    canvas.moveTo(fx, fy);
    canvas.lineTo(tx, ty);
    int ix1 = fx, iy1 = fy, ix2 = tx, iy2 = ty;
    switch (side) {
    case Side::Left:
        ix1 = ix2 = fx + gap;
        iy1 += typ.testFlag(TfrxFrameType::ftTop) ? gap : 0;
        iy2 -= typ.testFlag(TfrxFrameType::ftBottom) ? gap : 0;
        break;
    case Side::Right:
        ix1 = ix2 = fx - gap;
        iy1 += typ.testFlag(TfrxFrameType::ftTop) ? gap : 0;
        iy2 -= typ.testFlag(TfrxFrameType::ftBottom) ? gap : 0;
        break;
    case Side::Top:
        iy1 = iy2 = fy + gap;
        ix1 += typ.testFlag(TfrxFrameType::ftLeft) ? gap : 0;
        ix2 -= typ.testFlag(TfrxFrameType::ftRight) ? gap : 0;
        break;
    case Side::Bottom:
        iy1 = iy2 = fy - gap;
        ix1 += typ.testFlag(TfrxFrameType::ftLeft) ? gap : 0;
        ix2 -= typ.testFlag(TfrxFrameType::ftRight) ? gap : 0;
        break;
    }
    if (view.Color() != clNone && gap > fw) {
        const CanvasBrush saved = canvas.brush();
        canvas.setBrush(CanvasBrush{FrxColor(view.Color()), BrushStyle::Solid});
        const int lo = fw - fw / 2, hi = gap - fw / 2; // between the two strokes
        if (side == Side::Left)
            canvas.fillRect(Canvas::box(fx + lo, iy1, fx + hi, iy2));
        else if (side == Side::Right)
            canvas.fillRect(Canvas::box(fx - hi + 1, iy1, fx - lo + 1, iy2));
        else if (side == Side::Top)
            canvas.fillRect(Canvas::box(ix1, fy + lo, ix2, fy + hi));
        else
            canvas.fillRect(Canvas::box(ix1, fy - hi + 1, ix2, fy - lo + 1));
        canvas.setBrush(saved);
    }
    canvas.moveTo(ix1, iy1);
    canvas.lineTo(ix2, iy2);
}

void DrawFrameLine(Canvas &canvas, const TfrxView &view, const TfrxViewRect &r, Side side,
                   int fx, int fy, int tx, int ty)
{
    switch (view.Frame()->Style()) {
    case TfrxFrameStyle::fsSolid:
        canvas.moveTo(fx, fy);
        canvas.lineTo(tx, ty);
        break;
    case TfrxFrameStyle::fsDouble:
        DrawDoubleSide(canvas, view, r, side, fx, fy, tx, ty);
        break;
    default:
        DrawThickLine(canvas, fx, fy, tx, ty, r.frameWidth);
        break;
    }
}

} // namespace

void DrawFrame(Canvas &canvas, const TfrxView &view, const TfrxViewRect &r)
{
    const TfrxFrame &frame = *view.Frame();
    if (frame.DropShadow()) {
        canvas.setPen(CanvasPen{FrxColor(frame.ShadowColor()), 1, PenStyle::Solid});
        const int swx = frxRound(r.scaleX * frame.ShadowWidth());
        DrawThickLine(canvas, r.x1 + swx / 2, r.y + swx, r.x1 + swx / 2, r.y1, swx);
        const int swy = frxRound(r.scaleY * frame.ShadowWidth());
        DrawThickLine(canvas, r.x + swy, r.y1 + swy / 2, r.x1 + swy, r.y1 + swy / 2, swy);
    }
    const TfrxFrameTypes typ = frame.Typ();
    if (!typ || frame.Color() == clNone || frame.Width() == 0)
        return;

    const TfrxFrameStyle style = frame.Style();
    const bool wide = style == TfrxFrameStyle::fsSolid || style == TfrxFrameStyle::fsDouble;
    canvas.setPen(CanvasPen{FrxColor(frame.Color()), wide ? r.frameWidth : 1, FramePenStyle(int(style))});
    CanvasBrush brush{canvas.brush().color, BrushStyle::Solid};
    if (style != TfrxFrameStyle::fsSolid) {
        if (view.Color() == clNone)
            brush.style = BrushStyle::Clear;
        else
            brush.color = FrxColor(view.Color());
    }
    canvas.setBrush(brush);

    if (typ.testFlag(TfrxFrameType::ftLeft))
        DrawFrameLine(canvas, view, r, Side::Left, r.x, r.y, r.x, r.y1);
    if (typ.testFlag(TfrxFrameType::ftRight))
        DrawFrameLine(canvas, view, r, Side::Right, r.x1, r.y, r.x1, r.y1);
    if (typ.testFlag(TfrxFrameType::ftTop))
        DrawFrameLine(canvas, view, r, Side::Top, r.x, r.y, r.x1, r.y);
    if (typ.testFlag(TfrxFrameType::ftBottom)) {
        const int e = r.frameWidth == 1 ? 1 : 0;
        DrawFrameLine(canvas, view, r, Side::Bottom, r.x, r.y1, r.x1 + e, r.y1);
    }
}

#include "report/output/frxshapedrawer.h"

#include "report/model/tfrxcustomlineview.h"
#include "report/model/tfrxshapeview.h"
#include "report/output/canvas.h"
#include "report/output/frxdrawtools.h"
#include "report/output/frxframedrawer.h"

namespace {

void Outline(Canvas &canvas, const TfrxShapeView &shape, const TfrxViewRect &r)
{
    switch (shape.Shape()) {
    case TfrxShapeKind::skRectangle:
        canvas.rectangle(r.x, r.y, r.x1 + 1, r.y1 + 1);
        break;
    case TfrxShapeKind::skRoundRectangle: {
        const int corner = qMin(r.dx, r.dy) / 4;
        canvas.roundRect(r.x, r.y, r.x1 + 1, r.y1 + 1, corner, corner);
        break;
    }
    case TfrxShapeKind::skEllipse:
        canvas.ellipse(r.x, r.y, r.x1 + 1, r.y1 + 1);
        break;
    case TfrxShapeKind::skTriangle:
        canvas.polygon({QPoint(r.x + r.dx / 2, r.y), QPoint(r.x1, r.y1), QPoint(r.x, r.y1)});
        break;
    case TfrxShapeKind::skDiamond:
        canvas.polygon({QPoint(r.x + r.dx / 2, r.y), QPoint(r.x1, r.y + r.dy / 2), QPoint(r.x + r.dx / 2, r.y1),
                        QPoint(r.x, r.y + r.dy / 2)});
        break;
    case TfrxShapeKind::skDiagonal1: // "/": lower left to upper right
        DrawThickLine(canvas, r.x, r.y1, r.x1, r.y, r.frameWidth);
        break;
    case TfrxShapeKind::skDiagonal2: // "\": upper left to lower right
        DrawThickLine(canvas, r.x, r.y, r.x1, r.y1, r.frameWidth);
        break;
    }
}

} // namespace

void DrawShape(Canvas &canvas, const TfrxShapeView &shape, double scaleX, double scaleY, double offsetX,
               double offsetY)
{
    const TfrxViewRect r = PrepareDrawing(shape, scaleX, scaleY, offsetX, offsetY);
    const TfrxFrame &frame = *shape.Frame();
    const bool diagonal = shape.Shape() == TfrxShapeKind::skDiagonal1 || shape.Shape() == TfrxShapeKind::skDiagonal2;
    // Diagonals are drawn as rows of 1-pixel lines, so their pen stays thin.
    canvas.setPen(CanvasPen{FrxColor(frame.Color()), diagonal ? 1 : r.frameWidth, FramePenStyle(int(frame.Style()))});
    if (frame.Color() == clNone)
        canvas.setPen(CanvasPen{QColor(), 0, PenStyle::Clear});
    canvas.setBackgroundMode(BackgroundMode::Opaque);
    const TColor color = shape.Color();
    if (shape.BrushStyle() == TBrushStyle::bsSolid) {
        canvas.setBrush(color == clNone ? CanvasBrush{QColor(Qt::white), BrushStyle::Clear}
                                        : CanvasBrush{FrxColor(color), BrushStyle::Solid});
        Outline(canvas, shape, r);
        return;
    }
    if (color != clNone) {
        canvas.setBrush(CanvasBrush{FrxColor(color), BrushStyle::Solid});
        Outline(canvas, shape, r);
    }
    canvas.setBrush(CanvasBrush{FrxColor(frame.Color()), BrushStyle(int(shape.BrushStyle()))});
    Outline(canvas, shape, r);
}

void DrawLineView(Canvas &canvas, TfrxCustomLineView &line, double scaleX, double scaleY, double offsetX,
                  double offsetY)
{
    if (!line.Diagonal()) {
        if (line.Width() <= line.Height()) {
            line.SetWidth(0);
            line.Frame()->SetTyp(TfrxFrameType::ftLeft);
        } else {
            line.SetHeight(0);
            line.Frame()->SetTyp(TfrxFrameType::ftTop);
        }
        const TfrxViewRect r = PrepareDrawing(line, scaleX, scaleY, offsetX, offsetY);
        DrawFrame(canvas, line, r);
        return;
    }
    const TfrxFrame &frame = *line.Frame();
    if (frame.Color() == clNone || frame.Width() == 0)
        return;
    const TfrxViewRect r = PrepareDrawing(line, scaleX, scaleY, offsetX, offsetY);
    canvas.setPen(CanvasPen{FrxColor(frame.Color()), 1, FramePenStyle(int(frame.Style()))});
    DrawThickLine(canvas, r.x, r.y, r.x1, r.y1, r.frameWidth);
}

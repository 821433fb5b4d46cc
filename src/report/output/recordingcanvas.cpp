#include "report/output/recordingcanvas.h"

#include <QPolygon>
#include <QTransform>

#include <cmath>

RecordingCanvas::RecordingCanvas(int ppiX, int ppiY, CanvasKind kind)
    : Canvas(kind), m_ppiX(ppiX), m_ppiY(ppiY)
{
}

QList<const CanvasOp *> RecordingCanvas::textOperations() const
{
    QList<const CanvasOp *> result;
    for (const CanvasOp &op : m_ops)
        if (op.kind == CanvasOp::Kind::TextOut)
            result.append(&op);
    return result;
}

CanvasOp &RecordingCanvas::record(CanvasOp::Kind kind)
{
    CanvasOp &op = m_ops.emplace_back();
    op.kind = kind;
    op.font = font();
    op.pen = pen();
    op.brush = brush();
    op.backgroundMode = backgroundMode();
    op.backgroundColor = backgroundColor();
    return op;
}

QRect RecordingCanvas::textBounds(int x, int y, int width, int cellHeight, int rotation)
{
    const QRect cell(x, y, width, cellHeight);
    if (rotation % 360 == 0)
        return cell;
    QTransform t;
    t.translate(x, y);
    t.rotate(-(rotation % 360));
    const QRectF turned = t.mapRect(QRectF(0, 0, width, cellHeight));
    const int left = int(std::floor(turned.left() + 1e-9)), top = int(std::floor(turned.top() + 1e-9));
    const int right = int(std::ceil(turned.right() - 1e-9)), bottom = int(std::ceil(turned.bottom() - 1e-9));
    return Canvas::box(left, top, right, bottom);
}

void RecordingCanvas::doTextOut(const TextRun &run)
{
    CanvasOp &op = record(CanvasOp::Kind::TextOut);
    op.from = QPoint(run.x, run.y);
    op.text = run.text.toString();
    op.advances = QList<int>(run.advances, run.advances + run.text.size());
    op.clip = run.clip;
    op.options = run.options;
    op.rect = textBounds(run.x, run.y, run.width, measuredFont().cellHeight(), font().rotation);
    if (run.options.testFlag(TextOutOption::Clipped))
        op.rect &= run.clip;
}

void RecordingCanvas::doFillRect(const QRect &rect)
{
    record(CanvasOp::Kind::FillRect).rect = rect;
}

void RecordingCanvas::doRectangle(int left, int top, int right, int bottom)
{
    record(CanvasOp::Kind::Rectangle).rect = Canvas::box(left, top, right, bottom);
}

void RecordingCanvas::doRoundRect(int left, int top, int right, int bottom, int cw, int ch)
{
    CanvasOp &op = record(CanvasOp::Kind::RoundRect);
    op.rect = Canvas::box(left, top, right, bottom);
    op.corner = QSize(cw, ch);
}

void RecordingCanvas::doEllipse(int left, int top, int right, int bottom)
{
    record(CanvasOp::Kind::Ellipse).rect = Canvas::box(left, top, right, bottom);
}

void RecordingCanvas::doPolygon(const QList<QPoint> &points)
{
    CanvasOp &op = record(CanvasOp::Kind::Polygon);
    op.points = points;
    op.rect = QPolygon(points).boundingRect();
}

void RecordingCanvas::doLine(QPoint from, QPoint to)
{
    CanvasOp &op = record(CanvasOp::Kind::Line);
    op.from = from;
    op.to = to;
}

void RecordingCanvas::doStretchDraw(const QRect &dest, const QImage &image)
{
    CanvasOp &op = record(CanvasOp::Kind::StretchDraw);
    op.rect = dest;
    op.image = image;
}

void RecordingCanvas::replay(Canvas &target, QPoint offset) const
{
    const CanvasFont savedFont = target.font();
    const CanvasPen savedPen = target.pen();
    const CanvasBrush savedBrush = target.brush();
    const BackgroundMode savedMode = target.backgroundMode();
    const QColor savedColor = target.backgroundColor();
    const QPoint savedPosition = target.position();

    for (const CanvasOp &op : m_ops) {
        target.setFont(op.font);
        target.setPen(op.pen);
        target.setBrush(op.brush);
        target.setBackgroundMode(op.backgroundMode);
        target.setBackgroundColor(op.backgroundColor);
        const QRect r = op.rect.translated(offset);
        switch (op.kind) {
        case CanvasOp::Kind::TextOut:
            target.textOut(op.from.x() + offset.x(), op.from.y() + offset.y(), op.options,
                           op.clip.translated(offset), op.text, op.advances.constData());
            break;
        case CanvasOp::Kind::FillRect: target.fillRect(r); break;
        case CanvasOp::Kind::Rectangle: target.rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); break;
        case CanvasOp::Kind::RoundRect:
            target.roundRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), op.corner.width(), op.corner.height());
            break;
        case CanvasOp::Kind::Ellipse: target.ellipse(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); break;
        case CanvasOp::Kind::Polygon: {
            QList<QPoint> pts = op.points;
            for (QPoint &p : pts)
                p += offset;
            target.polygon(pts);
            break;
        }
        case CanvasOp::Kind::Line:
            target.moveTo(op.from.x() + offset.x(), op.from.y() + offset.y());
            target.lineTo(op.to.x() + offset.x(), op.to.y() + offset.y());
            break;
        case CanvasOp::Kind::StretchDraw: target.stretchDraw(r, op.image); break;
        }
    }

    target.setFont(savedFont);
    target.setPen(savedPen);
    target.setBrush(savedBrush);
    target.setBackgroundMode(savedMode);
    target.setBackgroundColor(savedColor);
    target.moveTo(savedPosition.x(), savedPosition.y());
}

#include "report/output/recordingcanvas.h"

#include "report/base/frxunits.h"

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

QRect RecordingCanvas::frame() const
{
    if (m_frame.isValid())
        return m_frame;
    QRect bounds;
    for (const CanvasOp &op : m_ops) {
        if (op.kind == CanvasOp::Kind::Line)
            bounds |= QRect(op.from, op.to).normalized(); // both end points, inclusive
        else
            bounds |= op.rect;
    }
    return bounds;
}

// Recorded coordinates to target coordinates: target = origin + R((v - from) * scale).
struct RecordingCanvas::Mapping
{
    QPoint from;
    QPoint origin;
    double sx = 1, sy = 1;

    int x(int v) const { return origin.x() + frxRound((v - from.x()) * sx); }
    int y(int v) const { return origin.y() + frxRound((v - from.y()) * sy); }
    QPoint point(QPoint p) const { return QPoint(x(p.x()), y(p.y())); }
    QRect rect(const QRect &r) const
    {
        return Canvas::box(x(r.left()), y(r.top()), x(r.left() + r.width()), y(r.top() + r.height()));
    }
    bool identity() const { return sx == 1 && sy == 1; }
};

void RecordingCanvas::replay(Canvas &target, QPoint offset) const
{
    play(target, Mapping{QPoint(), offset, 1, 1});
}

void RecordingCanvas::replay(Canvas &target, const QRect &dest) const
{
    const QRect f = frame();
    if (f.isEmpty() || dest.isEmpty())
        return;
    play(target, Mapping{f.topLeft(), dest.topLeft(), double(dest.width()) / f.width(), double(dest.height()) / f.height()});
}

void RecordingCanvas::play(Canvas &target, const Mapping &map) const
{
    const CanvasFont savedFont = target.font();
    const CanvasPen savedPen = target.pen();
    const CanvasBrush savedBrush = target.brush();
    const BackgroundMode savedMode = target.backgroundMode();
    const QColor savedColor = target.backgroundColor();
    const QPoint savedPosition = target.position();
    QList<int> advances;

    for (const CanvasOp &op : m_ops) {
        CanvasFont font = op.font;
        CanvasPen pen = op.pen;
        if (!map.identity()) {
            font.height = frxRound(font.height * map.sy);
            if (font.height == 0)
                font.height = op.font.height < 0 ? -1 : 1;
            pen.width = qMax(1, frxRound(pen.width * map.sx));
        }
        target.setFont(font);
        target.setPen(pen);
        target.setBrush(op.brush);
        target.setBackgroundMode(op.backgroundMode);
        target.setBackgroundColor(op.backgroundColor);
        const QRect r = map.rect(op.rect);
        switch (op.kind) {
        case CanvasOp::Kind::TextOut: {
            advances.resize(op.advances.size());
            int edge = 0, mapped = 0;
            for (qsizetype i = 0; i < op.advances.size(); ++i) {
                edge += op.advances[i];
                const int next = frxRound(edge * map.sx);
                advances[i] = next - mapped;
                mapped = next;
            }
            target.textOut(map.x(op.from.x()), map.y(op.from.y()), op.options, map.rect(op.clip), op.text,
                           advances.constData());
            break;
        }
        case CanvasOp::Kind::FillRect: target.fillRect(r); break;
        case CanvasOp::Kind::Rectangle: target.rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); break;
        case CanvasOp::Kind::RoundRect:
            target.roundRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                             frxRound(op.corner.width() * map.sx), frxRound(op.corner.height() * map.sy));
            break;
        case CanvasOp::Kind::Ellipse: target.ellipse(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); break;
        case CanvasOp::Kind::Polygon: {
            QList<QPoint> pts;
            for (const QPoint &p : op.points)
                pts.append(map.point(p));
            target.polygon(pts);
            break;
        }
        case CanvasOp::Kind::Line: {
            const QPoint a = map.point(op.from), b = map.point(op.to);
            target.moveTo(a.x(), a.y());
            target.lineTo(b.x(), b.y());
            break;
        }
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

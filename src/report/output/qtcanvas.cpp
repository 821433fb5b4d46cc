#include "report/output/qtcanvas.h"

#include "report/output/pixellines.h"

#include <QPaintDevice>

namespace {

Qt::BrushStyle qtBrushStyle(BrushStyle s)
{
    switch (s) {
    case BrushStyle::Solid: return Qt::SolidPattern;
    case BrushStyle::Clear: return Qt::NoBrush;
    case BrushStyle::Horizontal: return Qt::HorPattern;
    case BrushStyle::Vertical: return Qt::VerPattern;
    case BrushStyle::FDiagonal: return Qt::FDiagPattern;
    case BrushStyle::BDiagonal: return Qt::BDiagPattern;
    case BrushStyle::Cross: return Qt::CrossPattern;
    case BrushStyle::DiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

} // namespace

QtCanvas::QtCanvas(QImage &image, CanvasKind kind)
    : Canvas(kind)
{
    begin(&image);
}

QtCanvas::QtCanvas(CanvasKind kind)
    : Canvas(kind)
{
}

QtCanvas::~QtCanvas()
{
    end();
}

bool QtCanvas::begin(QPaintDevice *device)
{
    end();
    if (!device || !m_painter.begin(device))
        return false;
    m_ppiX = device->logicalDpiX();
    m_ppiY = device->logicalDpiY();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    setOrigin(m_origin);
    return true;
}

void QtCanvas::setOrigin(QPoint origin)
{
    m_origin = origin;
    if (m_painter.isActive()) {
        m_painter.resetTransform();
        m_painter.translate(origin);
    }
}

void QtCanvas::end()
{
    if (m_painter.isActive())
        m_painter.end();
}

void QtCanvas::setResolution(int x, int y)
{
    m_ppiX = x;
    m_ppiY = y;
}

bool QtCanvas::meetsClip(const QRect &rect) const
{
    if (!m_painter.isActive())
        return false;
    QRect area(-m_origin, QSize(m_painter.device()->width(), m_painter.device()->height()));
    if (m_painter.hasClipping())
        area &= m_painter.clipBoundingRect().toAlignedRect();
    return area.intersects(rect);
}

void QtCanvas::applyBackground()
{
    m_painter.setBackgroundMode(backgroundMode() == BackgroundMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(QBrush(backgroundColor()));
}

QBrush QtCanvas::qtBrush() const
{
    return QBrush(brush().color, qtBrushStyle(brush().style));
}

QPen QtCanvas::qtPen() const
{
    const PenStyle style = PixelLines::effectiveStyle(pen());
    if (style == PenStyle::Clear)
        return QPen(Qt::NoPen);
    QPen p(pen().color);
    p.setWidth(qMax(pen().width, 1));
    p.setCapStyle(pen().width > 1 ? Qt::SquareCap : Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    if (style != PenStyle::Solid) {
        QList<qreal> dashes;
        for (int len : PixelLines::pattern(style))
            dashes.append(len);
        p.setDashPattern(dashes);
    }
    return p;
}

void QtCanvas::doTextOut(const TextRun &run)
{
    if (!m_painter.isActive())
        return;
    const MeasuredFont &mf = measuredFont();
    if (!mf.isValid())
        return;
    const qsizetype n = run.text.size();
    m_glyphBuffer.resize(n);
    mf.glyphIndexes(run.text, m_glyphBuffer.data());
    m_glyphs.clear();
    m_positions.clear();
    const bool rtl = run.options.testFlag(TextOutOption::RtlReading);
    const int rotation = font().rotation % 360;
    // Upright text is placed on the device directly. The clip is applied
    // only when the run's cell, with room for glyphs that reach out of it,
    // does not lie inside the clip rectangle anyway: saving the painter's
    // state and clipping costs an image painter more than most memo lines.
    const QRect cell(run.x, run.y, run.width, mf.cellHeight());
    const int reach = mf.cellHeight();
    const bool clip = run.options.testFlag(TextOutOption::Clipped)
                      && (rotation != 0 || !run.clip.contains(cell.adjusted(-reach, -reach, reach, reach)));
    const bool transform = rotation != 0 || clip;
    const QPointF origin = transform ? QPointF(0, 0) : QPointF(run.x, run.y);
    int pen = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const int adv = run.advances[i];
        const bool lowHalf = i > 0 && run.text[i].isLowSurrogate() && run.text[i - 1].isHighSurrogate();
        if (!lowHalf) {
            m_glyphs.append(m_glyphBuffer[i]);
            // Right-to-left reading puts the first character at the right end.
            const int left = rtl ? run.width - pen - adv : pen;
            m_positions.append(origin + QPointF(left, mf.ascent()));
        }
        pen += adv;
    }
    QGlyphRun glyphs;
    glyphs.setRawFont(mf.rawFont());
    glyphs.setGlyphIndexes(m_glyphs);
    glyphs.setPositions(m_positions);
    glyphs.setUnderline(font().style.testFlag(FontStyle::Underline));
    glyphs.setStrikeOut(font().style.testFlag(FontStyle::StrikeOut));

    if (transform) {
        m_painter.save();
        if (clip)
            m_painter.setClipRect(run.clip, Qt::IntersectClip);
        m_painter.translate(run.x, run.y);
        if (rotation != 0)
            m_painter.rotate(-rotation);
    }
    if (backgroundMode() == BackgroundMode::Opaque)
        m_painter.fillRect(QRect(origin.toPoint(), QSize(run.width, mf.cellHeight())), backgroundColor());
    // The cell's background is ours, filled above. The painter's background
    // mode is whatever the last shape left for its pattern gaps, and an image
    // or widget painter in opaque mode draws no glyph run at all.
    const Qt::BGMode mode = m_painter.backgroundMode();
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setPen(font().color);
    m_painter.drawGlyphRun(QPointF(0, 0), glyphs);
    if (transform)
        m_painter.restore();
    else
        m_painter.setBackgroundMode(mode);
}

void QtCanvas::doFillRect(const QRect &rect)
{
    if (!m_painter.isActive() || brush().style == BrushStyle::Clear)
        return;
    applyBackground();
    m_painter.fillRect(rect, qtBrush());
}

void QtCanvas::strokeAxis(QPoint from, QPoint to)
{
    const bool opaque = backgroundMode() == BackgroundMode::Opaque;
    for (const PixelLines::Run &run : PixelLines::stroke(from, to, pen())) {
        if (run.on)
            m_painter.fillRect(run.rect, pen().color);
        else if (opaque)
            m_painter.fillRect(run.rect, backgroundColor());
    }
}

void QtCanvas::doRectangle(int left, int top, int right, int bottom)
{
    if (!m_painter.isActive())
        return;
    applyBackground();
    const bool clearPen = PixelLines::effectiveStyle(pen()) == PenStyle::Clear;
    if (brush().style != BrushStyle::Clear) {
        const QRect inside = clearPen ? Canvas::box(left, top, right - 1, bottom - 1) : Canvas::box(left, top, right, bottom);
        if (!inside.isEmpty())
            m_painter.fillRect(inside, qtBrush());
    }
    if (clearPen)
        return;
    const int r = right - 1, b = bottom - 1;
    if (pen().width <= 1) {
        // The four sides as 1-pixel lines, each ending where the next begins:
        // the outline is exactly the box's border pixels. A box one pixel
        // wide or high has no inside and is all outline.
        strokeAxis(QPoint(left, top), QPoint(r, top));
        strokeAxis(QPoint(r, top), QPoint(r, b));
        strokeAxis(QPoint(r, b), QPoint(left, b));
        strokeAxis(QPoint(left, b), QPoint(left, top));
        if (r == left || b == top)
            m_painter.fillRect(Canvas::box(left, top, right, bottom), pen().color);
    } else {
        strokeAxis(QPoint(left, top), QPoint(r, top));
        strokeAxis(QPoint(r, top), QPoint(r, b));
        strokeAxis(QPoint(left, b), QPoint(r, b));
        strokeAxis(QPoint(left, top), QPoint(left, b));
    }
}

void QtCanvas::doRoundRect(int left, int top, int right, int bottom, int cw, int ch)
{
    if (!m_painter.isActive())
        return;
    applyBackground();
    m_painter.setPen(qtPen());
    m_painter.setBrush(qtBrush());
    m_painter.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), cw / 2.0, ch / 2.0);
}

void QtCanvas::doEllipse(int left, int top, int right, int bottom)
{
    if (!m_painter.isActive())
        return;
    applyBackground();
    m_painter.setPen(qtPen());
    m_painter.setBrush(qtBrush());
    m_painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::doPolygon(const QList<QPoint> &points)
{
    if (!m_painter.isActive())
        return;
    applyBackground();
    m_painter.setPen(qtPen());
    m_painter.setBrush(qtBrush());
    m_painter.drawPolygon(points.constData(), int(points.size()));
}

void QtCanvas::doLine(QPoint from, QPoint to)
{
    if (!m_painter.isActive())
        return;
    if (PixelLines::isAxisAligned(from, to)) {
        strokeAxis(from, to);
        return;
    }
    applyBackground();
    m_painter.setPen(qtPen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawLine(from, to);
}

void QtCanvas::doStretchDraw(const QRect &dest, const QImage &image)
{
    if (!m_painter.isActive())
        return;
    m_painter.drawImage(dest, image);
}

#include "report/output/canvas.h"

#include "report/output/fontmeasurer.h"

Canvas::Canvas(CanvasKind kind)
    : m_kind(kind)
{
}

Canvas::~Canvas() = default;

void Canvas::setFont(const CanvasFont &font)
{
    const bool sameFace = font.name == m_font.name && font.height == m_font.height
        && (font.style & (FontStyle::Bold | FontStyle::Italic)) == (m_font.style & (FontStyle::Bold | FontStyle::Italic));
    m_font = font;
    if (!sameFace)
        m_measured.reset();
}

const MeasuredFont &Canvas::measuredFont() const
{
    if (!m_measured)
        m_measured = FontMeasurer::instance().font(m_font);
    return *m_measured;
}

int Canvas::textAdvances(QStringView text, int *advances) const
{
    return measuredFont().advances(text, advances);
}

QSize Canvas::textExtent(QStringView text) const
{
    const MeasuredFont &mf = measuredFont();
    return QSize(mf.textWidth(text), mf.cellHeight());
}

void Canvas::textOut(int x, int y, TextOutOptions options, const QRect &clip, QStringView text,
                     const int *advances)
{
    if (text.isEmpty())
        return;
    int width = 0;
    if (!advances) {
        m_advanceBuffer.resize(text.size());
        width = textAdvances(text, m_advanceBuffer.data());
        advances = m_advanceBuffer.constData();
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            width += advances[i];
    }
    doTextOut(TextRun{x, y, options, clip, text, advances, width});
}

void Canvas::fillRect(const QRect &rect)
{
    if (!rect.isEmpty())
        doFillRect(rect);
}

void Canvas::rectangle(int left, int top, int right, int bottom)
{
    if (right > left && bottom > top)
        doRectangle(left, top, right, bottom);
}

void Canvas::roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (right > left && bottom > top)
        doRoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
}

void Canvas::ellipse(int left, int top, int right, int bottom)
{
    if (right > left && bottom > top)
        doEllipse(left, top, right, bottom);
}

void Canvas::polygon(const QList<QPoint> &points)
{
    if (points.size() >= 2)
        doPolygon(points);
}

void Canvas::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (to != m_position)
        doLine(m_position, to);
    m_position = to;
}

void Canvas::stretchDraw(const QRect &dest, const QImage &image)
{
    if (!dest.isEmpty() && !image.isNull())
        doStretchDraw(dest, image);
}

bool Canvas::meetsClip(const QRect &) const
{
    return true;
}

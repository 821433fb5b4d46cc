#include "report/output/pixellines.h"

PenStyle PixelLines::effectiveStyle(const CanvasPen &pen)
{
    if (pen.style == PenStyle::Clear)
        return PenStyle::Clear;
    return pen.width > 1 ? PenStyle::Solid : pen.style;
}

QList<int> PixelLines::pattern(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return {18, 6};
    case PenStyle::Dot: return {3, 3};
    case PenStyle::DashDot: return {9, 6, 3, 6};
    case PenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    case PenStyle::Solid:
    case PenStyle::Clear: break;
    }
    return {};
}

QList<PixelLines::Run> PixelLines::stroke(QPoint from, QPoint to, const CanvasPen &pen)
{
    const PenStyle style = effectiveStyle(pen);
    if (style == PenStyle::Clear || from == to || !isAxisAligned(from, to))
        return {};
    const int w = qMax(pen.width, 1);
    const int across = firstOffset(w);
    const bool horizontal = from.y() == to.y();
    const int a = horizontal ? from.x() : from.y();
    const int b = horizontal ? to.x() : to.y();
    const int fixed = horizontal ? from.y() : from.x();
    const int step = b > a ? 1 : -1;

    // Pixels along the line, in drawing order: a 1-pixel pen stops before the
    // end point, a wide pen covers it and reaches half its width past both ends.
    int first = a, last = b - step;
    if (w > 1) {
        first = a - step * -across;
        last = b + step * (w - 1 + across);
    }
    auto makeRect = [&](int p0, int p1) {
        const int lo = qMin(p0, p1), len = qAbs(p1 - p0) + 1;
        return horizontal ? QRect(lo, fixed + across, len, w) : QRect(fixed + across, lo, w, len);
    };
    if (style == PenStyle::Solid)
        return {Run{makeRect(first, last), true}};

    QList<Run> runs;
    const QList<int> pat = pattern(style);
    int p = first, k = 0;
    const int total = qAbs(last - first) + 1;
    int done = 0;
    while (done < total) {
        const int len = qMin(pat[k % pat.size()], total - done);
        runs.append(Run{makeRect(p, p + step * (len - 1)), k % 2 == 0});
        p += step * len;
        done += len;
        ++k;
    }
    return runs;
}

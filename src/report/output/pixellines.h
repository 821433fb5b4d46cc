#pragma once
// Where the pixels of a straight pen stroke go, by the rules in canvas.h.
//
// Axis-aligned strokes - every frame side, underline and table rule the
// reports draw - are turned into exact pixel rectangles here, so that an
// image, a PDF page and a printer page all get the same device pixels no
// matter how the backend's own rasteriser treats line ends and pen centres.
// Slanted strokes are left to the backend.
#include "report/output/canvastypes.h"

#include <QList>
#include <QPoint>
#include <QRect>

class PixelLines
{
public:
    struct Run
    {
        QRect rect;
        bool on; // pen colour when on, background colour (opaque mode) when off
    };

    static bool isAxisAligned(QPoint from, QPoint to) { return from.x() == to.x() || from.y() == to.y(); }

    // Offsets across a stroke of `width` pixels: -(width div 2) .. first + width - 1.
    static int firstOffset(int width) { return -(qMax(width, 1) / 2); }

    // The effective style: patterns only exist for 1-pixel pens.
    static PenStyle effectiveStyle(const CanvasPen &pen);

    // Pixels of an axis-aligned stroke from `from` to `to` with the pen; empty
    // for a clear pen. Solid strokes give one rectangle; patterned ones give
    // the dash runs along the line, gaps marked off.
    static QList<Run> stroke(QPoint from, QPoint to, const CanvasPen &pen);

    // On/off run lengths of a cosmetic pattern, starting with a dash.
    static QList<int> pattern(PenStyle style);
};

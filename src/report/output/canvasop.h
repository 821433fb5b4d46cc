#pragma once
// One drawing operation as a recording canvas keeps it: what was drawn, where,
// and the tools in force at that moment, so a recording can be read by tests
// and by the text search, and replayed onto any other canvas.
#include "report/output/canvastypes.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

struct CanvasOp
{
    enum class Kind { TextOut, FillRect, Rectangle, RoundRect, Ellipse, Polygon, Line, StretchDraw };

    Kind kind;
    // TextOut: the bounding rectangle of the text on the device (its cell,
    // turned with the font, cut to the clip rectangle when clipped).
    // Shapes: the box as given (right and bottom edge excluded).
    // StretchDraw: the destination.
    QRect rect;
    QPoint from, to;              // Line; TextOut: `from` is the cell's top-left corner
    QSize corner;                 // RoundRect
    QList<QPoint> points;         // Polygon
    QString text;                 // TextOut
    QList<int> advances;          // TextOut, one per UTF-16 unit
    QRect clip;                   // TextOut
    TextOutOptions options;       // TextOut
    QImage image;                 // StretchDraw

    CanvasFont font;
    CanvasPen pen;
    CanvasBrush brush;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    QColor backgroundColor;
};

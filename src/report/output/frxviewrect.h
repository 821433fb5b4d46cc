#pragma once
// Where a view lands on a device. A report value v becomes the device pixel
// R(offset + scale * v), R rounding halves to even, so a view drawn at zoom 1,
// on a 600-dpi printer and into a PDF snaps its edges by one rule.
#include "report/output/canvas.h"

class TfrxView;
class TfrxCustomMemoView;

struct TfrxViewRect
{
    int x = 0, y = 0, x1 = 0, y1 = 0; // x1 and y1 are the right and bottom edge lines
    int dx = 0, dy = 0;
    int frameWidth = 1;               // R(ScaleX * Frame.Width)
    double scaleX = 1, scaleY = 1;
};

// Text rectangle of a memo in device pixels; Right and Bottom are exclusive.
struct TfrxTextRect
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    QRect toQRect() const { return Canvas::box(Left, Top, Right, Bottom); }
};

// The device rectangle of any view; a drop shadow takes its width off the box.
TfrxViewRect PrepareDrawing(const TfrxView &view, double scaleX, double scaleY, double offsetX,
                            double offsetY);

// The memo's text rectangle inside its device rectangle: frame half-widths and
// the gaps come off each side that has them.
TfrxTextRect MemoTextRect(const TfrxCustomMemoView &memo, const TfrxViewRect &rect);

// What a memo needs around its text, in report pixels.
double MemoExtraHeight(const TfrxCustomMemoView &memo);
double MemoExtraWidth(const TfrxCustomMemoView &memo);

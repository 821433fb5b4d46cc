#pragma once
// Background, frame and drop shadow of a view, drawn on its device rectangle.
//
// A frame is made of sides, each a line along one edge of the device box: the
// left and top sides start at (x, y), the right one runs down x1 and the
// bottom one along y1. Lines leave their end point out, so with a 1-pixel pen
// the bottom side is drawn one pixel longer and closes the lower right corner.
#include "report/output/frxviewrect.h"

class Canvas;
class TfrxView;

// Fills the box with the view's colour; a pattern brush is laid over it in
// the frame colour.
void DrawBackground(Canvas &canvas, const TfrxView &view, const TfrxViewRect &rect);

// The shadow first, then the sides in Frame.Typ.
void DrawFrame(Canvas &canvas, const TfrxView &view, const TfrxViewRect &rect);

// `w` one-pixel lines side by side, centred on the line as a wide pen is:
// offsets -(w div 2) .. -(w div 2) + w - 1 across the main direction.
void DrawThickLine(Canvas &canvas, int x1, int y1, int x2, int y2, int w);

// The canvas pen style of a frame style (a double frame draws solid lines).
PenStyle FramePenStyle(int frameStyle);

#pragma once
// Shapes and lines. A shape is outlined with its frame's pen (its Frame.Typ
// sides are not drawn); a line is the left or top side of a frame, or a thick
// diagonal stroke.
#include "report/output/frxviewrect.h"

class Canvas;
class TfrxShapeView;
class TfrxCustomLineView;

void DrawShape(Canvas &canvas, const TfrxShapeView &shape, double scaleX, double scaleY, double offsetX,
               double offsetY);

// A straight line first becomes vertical (Width <= Height) or horizontal, as
// the view itself keeps it afterwards.
void DrawLineView(Canvas &canvas, TfrxCustomLineView &line, double scaleX, double scaleY, double offsetX,
                  double offsetY);

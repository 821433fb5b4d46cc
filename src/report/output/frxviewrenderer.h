#pragma once
// Draws one view on a canvas: the drawing code of every view class, chosen by
// the view's class. The model holds no drawing code, so the page painter and
// the preview come here with each object of a page.
//
// A report value v lands on device pixel R(offset + scale * v): on a screen
// the scale is the zoom, on a printer its pixels per inch divided by 96.
#include "report/output/frxmemodrawer.h"

class Canvas;
class TfrxView;

void DrawView(TfrxView &view, Canvas &canvas, double scaleX, double scaleY, double offsetX, double offsetY,
              int totalPages = -1);

#include "report/output/frxviewrenderer.h"

#include "report/model/tfrxcustomlineview.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxshapeview.h"
#include "report/output/frxframedrawer.h"
#include "report/output/frxpicturedrawer.h"
#include "report/output/frxshapedrawer.h"

void DrawView(TfrxView &view, Canvas &canvas, double scaleX, double scaleY, double offsetX, double offsetY,
              int totalPages)
{
    if (auto *memo = qobject_cast<TfrxCustomMemoView *>(&view)) {
        DrawMemo(canvas, *memo, TfrxMemoDrawing{scaleX, scaleY, offsetX, offsetY, totalPages});
    } else if (auto *shape = qobject_cast<TfrxShapeView *>(&view)) {
        DrawShape(canvas, *shape, scaleX, scaleY, offsetX, offsetY);
    } else if (auto *line = qobject_cast<TfrxCustomLineView *>(&view)) {
        DrawLineView(canvas, *line, scaleX, scaleY, offsetX, offsetY);
    } else if (auto *picture = qobject_cast<TfrxPictureView *>(&view)) {
        DrawPicture(canvas, *picture, scaleX, scaleY, offsetX, offsetY);
    } else {
        const TfrxViewRect r = PrepareDrawing(view, scaleX, scaleY, offsetX, offsetY);
        DrawBackground(canvas, view, r);
        DrawFrame(canvas, view, r);
    }
}

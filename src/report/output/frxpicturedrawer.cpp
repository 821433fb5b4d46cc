#include "report/output/frxpicturedrawer.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxpictureview.h"
#include "report/output/canvas.h"
#include "report/output/frxframedrawer.h"

void DrawPicture(Canvas &canvas, const TfrxPictureView &view, double scaleX, double scaleY, double offsetX,
                 double offsetY)
{
    const TfrxViewRect r = PrepareDrawing(view, scaleX, scaleY, offsetX, offsetY);
    DrawBackground(canvas, view, r);
    const TfrxPicture &picture = *view.Picture();
    const QImage &image = picture.Image();
    // A metafile, or bytes that did not decode, show nothing.
    if (!picture.IsEmpty() && !image.isNull() && image.width() > 0 && image.height() > 0) {
        int left = r.x, top = r.y, right = r.x1, bottom = r.y1;
        const int pw = image.width(), ph = image.height();
        if (view.Stretched()) {
            if (view.KeepAspectRatio()) {
                const double kx = double(r.dx) / pw;
                const double ky = double(r.dy) / ph;
                if (ky > kx)
                    bottom = top + frxRound(ph * kx);
                else
                    right = left + frxRound(pw * ky);
                if (view.Center()) {
                    const int mx = (r.dx - (right - left)) / 2, my = (r.dy - (bottom - top)) / 2;
                    left += mx, right += mx, top += my, bottom += my;
                }
            }
        } else {
            const int w = frxRound(scaleX * pw), h = frxRound(scaleY * ph);
            if (view.Center()) {
                left += (r.dx - w) / 2;
                top += (r.dy - h) / 2;
            }
            right = left + w;
            bottom = top + h;
        }
        // Indexed and odd formats go out as a plain 32-bit bitmap.
        const QImage bitmap = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32);
        canvas.stretchDraw(Canvas::box(left, top, right, bottom), bitmap);
    }
    DrawFrame(canvas, view, r);
}

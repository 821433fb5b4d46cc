#pragma once
// TfrxPagePainter: draws one prepared page of a store on a canvas.
//
// Scales turn report pixels (96 per inch) into canvas pixels; offsets are
// canvas pixels. The page first draws its background (paper colour, frame,
// background picture) from the paper's corner, then every view of the page,
// depth first, from the corner of the printable area (the margins moved by the
// scales). A page with MirrorMargins draws its even-numbered pages (odd
// indexes) with the left and right margins exchanged.
//
// A view is left out when it cannot show: on a printer canvas when it is not
// Printable, and on any canvas whose clipping region its rectangle, widened by
// 20 pixels on every side (frames and shadows reach outside the bounds),
// does not meet. A metafile canvas meets everything.
//
// Painting an index the store has no page for draws nothing.
class Canvas;
class TfrxPreviewPages;

class TfrxPagePainter
{
public:
    explicit TfrxPagePainter(TfrxPreviewPages &store) : m_store(store) {}

    void PaintPage(int index, Canvas &canvas, double scaleX, double scaleY, double offsetX, double offsetY);

private:
    TfrxPreviewPages &m_store;
};

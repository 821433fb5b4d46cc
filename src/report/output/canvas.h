#pragma once
// The drawing surface of the report engine: a screen image, a printer page,
// a PDF page or a recording.
//
// The drawing code of the views was written for the rules of the graphics
// device interface, and the exact pixel results it relies on are kept here:
//
// - Boxes are given as left, top, right, bottom and exclude the right and
//   bottom edge: fillRect(box(0, 0, 10, 10)) fills pixels 0..9.
// - rectangle() outlines with the pen and fills the inside with the brush;
//   with a 1-pixel pen the outline lies on the box's first and last pixel
//   (0 and 9 above). With a clear pen the filled area is one pixel smaller on
//   the right and bottom, as the interface has always done.
// - lineTo() draws from the current position to the point; a 1-pixel line
//   leaves the end point out, so joined sides do not paint a corner twice.
// - A pen of width w is centred on its line: it covers the offsets
//   -(w div 2) .. -(w div 2) + w - 1 across the line; a line wider than one
//   pixel covers its end point too (the round cap of a wide pen).
// - Dashed and dotted styles are cosmetic: they apply to 1-pixel pens, a wider
//   pen with such a style draws solid. Their gaps are filled with the
//   background colour in opaque background mode.
//
// Fonts are asked for by a negative character height in device pixels. Text
// is measured the same way on every canvas (see MeasuredFont), in integer
// device pixels per character; textOut places every character at the advance
// it is given, so a laid-out line has exactly its computed width.
//
// QRect arguments mean the pixels they cover (QRect(x, y, w, h) covers x to
// x + w - 1); box() builds one from the interface's four edges.
#include "report/output/canvastypes.h"
#include "report/output/measuredfont.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

#include <memory>

class Canvas
{
public:
    explicit Canvas(CanvasKind kind);
    virtual ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    static QRect box(int left, int top, int right, int bottom)
    {
        return QRect(left, top, right - left, bottom - top);
    }

    // Device pixels per inch; a printer canvas gives the printer's resolution.
    virtual int pixelsPerInchX() const = 0;
    virtual int pixelsPerInchY() const = 0;

    CanvasKind kind() const { return m_kind; }
    bool isPrinter() const { return m_kind == CanvasKind::Printer; }

    // Tools.
    void setFont(const CanvasFont &font);
    const CanvasFont &font() const { return m_font; }
    void setPen(const CanvasPen &pen) { m_pen = pen; }
    const CanvasPen &pen() const { return m_pen; }
    void setBrush(const CanvasBrush &brush) { m_brush = brush; }
    const CanvasBrush &brush() const { return m_brush; }
    void setBackgroundMode(BackgroundMode mode) { m_bkMode = mode; }
    BackgroundMode backgroundMode() const { return m_bkMode; }
    void setBackgroundColor(const QColor &color) { m_bkColor = color; }
    const QColor &backgroundColor() const { return m_bkColor; }

    // Measuring with the current font: one advance per UTF-16 unit into
    // `advances` (text.size() entries) and their sum; and the plain extent
    // (width, cell height).
    int textAdvances(QStringView text, int *advances) const;
    QSize textExtent(QStringView text) const;
    const MeasuredFont &measuredFont() const;

    // Text with the current font, the top of its cell at (x, y). `advances`
    // holds one advance per UTF-16 unit (nullptr: the measured ones). With
    // TextOutOption::Clipped nothing is drawn outside `clip`.
    void textOut(int x, int y, TextOutOptions options, const QRect &clip, QStringView text,
                 const int *advances = nullptr);

    // Shapes with the current pen and brush; boxes exclude right and bottom.
    void fillRect(const QRect &rect);
    void rectangle(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void ellipse(int left, int top, int right, int bottom);
    void polygon(const QList<QPoint> &points);
    void moveTo(int x, int y) { m_position = QPoint(x, y); }
    void lineTo(int x, int y);
    QPoint position() const { return m_position; }

    // A bitmap scaled into the device rectangle, nearest pixel (no smoothing).
    void stretchDraw(const QRect &dest, const QImage &image);

    // Whether anything drawn inside `rect` could show; a canvas without a
    // clipping region meets every rectangle.
    virtual bool meetsClip(const QRect &rect) const;

protected:
    struct TextRun
    {
        int x, y;
        TextOutOptions options;
        QRect clip;
        QStringView text;
        const int *advances; // never null here
        int width;           // sum of the advances
    };

    virtual void doTextOut(const TextRun &run) = 0;
    virtual void doFillRect(const QRect &rect) = 0;
    virtual void doRectangle(int left, int top, int right, int bottom) = 0;
    virtual void doRoundRect(int left, int top, int right, int bottom, int cw, int ch) = 0;
    virtual void doEllipse(int left, int top, int right, int bottom) = 0;
    virtual void doPolygon(const QList<QPoint> &points) = 0;
    virtual void doLine(QPoint from, QPoint to) = 0;
    virtual void doStretchDraw(const QRect &dest, const QImage &image) = 0;

private:
    CanvasKind m_kind;
    CanvasFont m_font;
    mutable std::shared_ptr<const MeasuredFont> m_measured;
    CanvasPen m_pen;
    CanvasBrush m_brush;
    BackgroundMode m_bkMode = BackgroundMode::Opaque;
    QColor m_bkColor = Qt::white;
    QPoint m_position;
    QList<int> m_advanceBuffer;
};

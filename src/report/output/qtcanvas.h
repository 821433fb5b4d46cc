#pragma once
// A canvas that paints with QPainter on an image, a printer or a PDF writer.
//
// The canvas paints only between begin() and end() (the image constructor
// begins at once); outside them it still measures and answers its resolution,
// which is what a printer needs between jobs. Its resolution is the device's
// logical resolution, or the one set with setResolution() while detached.
//
// setOrigin() moves the canvas's (0, 0) to a device point: a printer canvas
// starts at the corner of the printable area, as printer drivers have always
// done, while Qt paints from the paper's corner.
//
// Text goes out as glyph runs of the measured font at the device height, each
// glyph at the advance the layout computed. PDF output keeps them as real
// text, so a printed form can still be searched and copied.
//
// The painter is shared by all drawing and keeps what the last call set, so
// each call sets the painter state it depends on. Shapes set the background
// mode for their pattern gaps; text fills its own cell in opaque mode and
// draws its glyphs with a transparent painter background, because a raster
// painter (image, widget) left in opaque mode draws no glyph run at all.
#include "report/output/canvas.h"

#include <QGlyphRun>
#include <QPainter>

class QPaintDevice;

class QtCanvas : public Canvas
{
public:
    // A canvas painting on `image` until destroyed; resolution from the
    // image's dots per metre (96 for a fresh image).
    explicit QtCanvas(QImage &image, CanvasKind kind = CanvasKind::Screen);
    // A detached canvas; begin() attaches it to a device.
    explicit QtCanvas(CanvasKind kind);
    ~QtCanvas() override;

    bool begin(QPaintDevice *device);
    void end();
    bool isActive() const { return m_painter.isActive(); }
    QPainter *painter() { return &m_painter; }

    void setResolution(int x, int y);
    // Device point that canvas coordinate (0, 0) maps to; kept across pages.
    void setOrigin(QPoint origin);
    QPoint origin() const { return m_origin; }
    int pixelsPerInchX() const override { return m_ppiX; }
    int pixelsPerInchY() const override { return m_ppiY; }
    bool meetsClip(const QRect &rect) const override;

protected:
    void doTextOut(const TextRun &run) override;
    void doFillRect(const QRect &rect) override;
    void doRectangle(int left, int top, int right, int bottom) override;
    void doRoundRect(int left, int top, int right, int bottom, int cw, int ch) override;
    void doEllipse(int left, int top, int right, int bottom) override;
    void doPolygon(const QList<QPoint> &points) override;
    void doLine(QPoint from, QPoint to) override;
    void doStretchDraw(const QRect &dest, const QImage &image) override;

private:
    void applyBackground();
    QBrush qtBrush() const;
    QPen qtPen() const;
    void strokeAxis(QPoint from, QPoint to);

    QPainter m_painter;
    int m_ppiX = 96;
    int m_ppiY = 96;
    QPoint m_origin;
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
    QList<quint32> m_glyphBuffer;
};

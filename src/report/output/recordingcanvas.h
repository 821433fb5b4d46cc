#pragma once
// A canvas that keeps every drawing operation in drawing order instead of
// painting: the engine's metafile. The text search walks the text
// operations of a recorded page and their bounding rectangles; the tests read
// drawing results from it to the device pixel; and replay() paints a
// recording onto any other canvas, as a metafile picture is played back.
//
// Its resolution and kind are chosen when it is made, so a page can be
// recorded exactly as it would be drawn on a screen or a printer. It measures
// text like every other canvas.
#include "report/output/canvas.h"
#include "report/output/canvasop.h"

#include <QList>

class RecordingCanvas : public Canvas
{
public:
    explicit RecordingCanvas(int ppiX = 96, int ppiY = 96, CanvasKind kind = CanvasKind::Metafile);

    int pixelsPerInchX() const override { return m_ppiX; }
    int pixelsPerInchY() const override { return m_ppiY; }

    const QList<CanvasOp> &operations() const { return m_ops; }
    QList<const CanvasOp *> textOperations() const;
    void clear() { m_ops.clear(); }

    // Draws every recorded operation onto `target`, moved by `offset`, with
    // the tools each was recorded with. The target's own tools are restored
    // afterwards.
    void replay(Canvas &target, QPoint offset = QPoint()) const;
    // The same, scaled so that frame() fills `dest`, as a metafile picture is
    // drawn into its box: coordinates, font heights, pen widths and text
    // advances scale (a line's advances keep their total, rounded once).
    void replay(Canvas &target, const QRect &dest) const;

    // The picture frame of the recording: as set, or the bounds of what was
    // drawn.
    void setFrame(const QRect &frame) { m_frame = frame; }
    QRect frame() const;

    // The bounding rectangle of `width` pixels of text in `font` with its cell
    // top-left at (x, y), turned by the font's rotation.
    static QRect textBounds(int x, int y, int width, int cellHeight, int rotation);

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
    CanvasOp &record(CanvasOp::Kind kind);

    struct Mapping;
    void play(Canvas &target, const Mapping &map) const;

    QRect m_frame;
    int m_ppiX;
    int m_ppiY;
    QList<CanvasOp> m_ops;
};

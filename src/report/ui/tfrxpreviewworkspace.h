#pragma once
// TfrxPreviewWorkspace: the scrolling surface of the preview on which the
// pages lie.
//
// The workspace owns only what is about the surface: the two scroll
// positions with their ranges and steps (8 pixels per arrow, 300 per click
// beside the thumb, the client size as the page), the painting of the grey
// background, page frames, pages and the found-text mark, and the mouse. What
// is laid out where, the zoom and the current page belong to the preview
// control (TfrxPreview), which it asks.
//
// Painting considers only the 41 pages around the page at the vertical
// scroll position and draws only those meeting the region to repaint, so a
// long report paints in the same time wherever the view stands.
#include <QAbstractScrollArea>
#include <QPoint>

class Canvas;
class TfrxPreview;

class TfrxPreviewWorkspace : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int SmallStep = 8;
    static constexpr int LargeStep = 300;
    static constexpr int WheelStep = 20;

    explicit TfrxPreviewWorkspace(TfrxPreview *preview);

    // Scroll positions and ranges in workspace pixels; a position is kept
    // within 0 .. range - client size.
    int HorzPosition() const;
    int VertPosition() const;
    void SetHorzPosition(int value);
    void SetVertPosition(int value);
    void SetRanges(int horzRange, int vertRange);
    int HorzRange() const { return m_horzRange; }
    int VertRange() const { return m_vertRange; }
    int ClientWidth() const;
    int ClientHeight() const;

    // Frame, shadow and content of the visible pages, drawn on `canvas`
    // whose (0, 0) is the client's top-left corner; `clip` is the client
    // area to draw. The background and the found-text mark are not part of
    // it.
    void PaintPages(Canvas &canvas, const QRect &clip);
    // The pages to consider at the current vertical position.
    void PagesToConsider(int &first, int &last) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void barAction(int action, Qt::Orientation orientation);
    void updateBars();
    void handleMouse(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers mods, bool click);
    QRect visibleRect(int index) const;

    TfrxPreview *m_preview;
    int m_horzRange = 0;
    int m_vertRange = 0;
    bool m_dragging = false;
    QPoint m_dragStart;
    QPoint m_dragOrigin;
};

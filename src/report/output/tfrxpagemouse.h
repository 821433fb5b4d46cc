#pragma once
// TfrxPageMouse: what the pointer finds on a page of the preview.
//
// The point (X, Y) is in preview pixels; the page is drawn at `scale` from
// (offsetX, offsetY), as PaintPage draws it, mirrored margins included. The
// page's views are searched from the last drawn to the first for one whose
// scaled rectangle holds the point. Its Cursor (when not the default) becomes
// the pointer; a view with a URL shows the URL and, without a cursor of its
// own, the hand pointer. A click on a view with a URL asks for a page
// ("@3": page 3), an anchor ("#name": the anchor's page) or the system's
// shell (any other text) - the preview carries out what the result says.
//
// Nothing is found while a run is in progress or outside the pages.
#include <QString>

class TfrxPreviewPages;
class TfrxView;

enum class TfrxMouseAction { Move, Click };

struct TfrxMouseResult
{
    TfrxView *view = nullptr; // the view under the pointer (owned by the page cache)
    int cursor = 0;           // 0: the default pointer
    QString url;              // shown in the preview's status bar
    int showPage = -1;        // a click asks for this page (0-based)
    double showTop = -1;      // ... scrolled to this position on it (an anchor's), or -1
    QString openUrl;          // a click asks the shell to open this
};

class TfrxPageMouse
{
public:
    static constexpr int HandCursor = -21;

    explicit TfrxPageMouse(TfrxPreviewPages &store) : m_store(store) {}

    TfrxMouseResult HandleMouse(int index, int x, int y, double scale, double offsetX, double offsetY,
                                TfrxMouseAction action);

private:
    TfrxPreviewPages &m_store;
};

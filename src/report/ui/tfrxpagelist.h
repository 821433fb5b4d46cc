#pragma once
// TfrxPageList: where the preview puts each page of a report.
//
// The list keeps, per page, its size in report pixels and its place in a grid
// of one or two columns, in report pixels at zoom 1: a row's pages share a top,
// rows are 10 pixels apart and the first row starts 10 pixels down. Screen
// rectangles are computed from that on demand for a zoom and a client width,
// so changing the zoom or resizing the window never touches the list.
//
// Horizontal placement: a row that fits the client width is centred in it;
// an overwide row starts 10 pixels from the left, and that margin does not
// scale with the zoom while the gaps between the pages of a row do.
#include <QRect>

#include <cstdint>
#include <vector>

struct TfrxPageItem
{
    std::int16_t Column = 0;
    std::int16_t Height = 0;
    std::int16_t Width = 0;
    std::int32_t Top = 0;
};

class TfrxPageList
{
public:
    // How FindPage counts a page as reached.
    enum class PageFind {
        // the page's top is at or above the offset
        TopReached,
        // the page's top is within a fifth of its height below the offset:
        // what makes a page current while scrolling
        CurrentWhileScrolling
    };

    void Clear();
    void SetColumnCount(int count) { m_columnCount = count < 1 ? 1 : count; }
    int ColumnCount() const { return m_columnCount; }
    void AddPage(int width, int height);

    int Count() const { return int(m_items.size()); }
    const TfrxPageItem &Item(int index) const { return m_items[std::size_t(index)]; }
    // Width of the widest row: each page's width plus 10.
    int MaxWidth() const { return m_maxWidth; }
    // Bottom of the last row in report pixels (0 without pages).
    int Bottom() const;

    // The page's rectangle on the workspace (before scrolling) at `zoom` in a
    // client area `clientWidth` pixels wide. A page outside the list gets the
    // place of a default A4 page (794 x 1123) on top.
    QRect PageRect(int index, int clientWidth, double zoom) const;
    // The last page reached at vertical workspace offset `offset`; -1 when
    // none is.
    int FindPage(int offset, double zoom, PageFind mode = PageFind::TopReached) const;

private:
    // The boxes of the row holding page `index`: [first, last].
    void rowOf(int index, int &first, int &last) const;

    std::vector<TfrxPageItem> m_items;
    int m_columnCount = 1;
    int m_maxWidth = 0;
};

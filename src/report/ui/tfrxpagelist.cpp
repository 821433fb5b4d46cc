#include "report/ui/tfrxpagelist.h"

#include "report/base/frxunits.h"

namespace {

constexpr int kGap = 10;
constexpr int kDefaultWidth = 794;
constexpr int kDefaultHeight = 1123;

} // namespace

void TfrxPageList::Clear()
{
    m_items.clear();
    m_maxWidth = 0;
}

void TfrxPageList::AddPage(int width, int height)
{
    TfrxPageItem item;
    item.Width = std::int16_t(width);
    item.Height = std::int16_t(height);
    if (m_items.empty()) {
        item.Column = 0;
        item.Top = kGap;
    } else {
        const TfrxPageItem &prev = m_items.back();
        if (prev.Column < m_columnCount - 1) {
            item.Column = std::int16_t(prev.Column + 1);
            item.Top = prev.Top;
        } else {
            int first = 0, last = 0;
            rowOf(Count() - 1, first, last);
            int tallest = 0;
            for (int i = first; i <= last; ++i)
                tallest = std::max<int>(tallest, m_items[std::size_t(i)].Height);
            item.Column = 0;
            item.Top = prev.Top + tallest + kGap;
        }
    }
    m_items.push_back(item);

    int first = 0, last = 0;
    rowOf(Count() - 1, first, last);
    int rowWidth = 0;
    for (int i = first; i <= last; ++i)
        rowWidth += m_items[std::size_t(i)].Width + kGap;
    m_maxWidth = std::max(m_maxWidth, rowWidth);
}

int TfrxPageList::Bottom() const
{
    if (m_items.empty())
        return 0;
    int first = 0, last = 0;
    rowOf(Count() - 1, first, last);
    int bottom = 0;
    for (int i = first; i <= last; ++i)
        bottom = std::max(bottom, int(m_items[std::size_t(i)].Top) + m_items[std::size_t(i)].Height);
    return bottom;
}

void TfrxPageList::rowOf(int index, int &first, int &last) const
{
    first = index - m_items[std::size_t(index)].Column;
    if (first < 0)
        first = 0;
    last = index;
    while (last + 1 < Count() && m_items[std::size_t(last + 1)].Column > m_items[std::size_t(last)].Column)
        ++last;
}

QRect TfrxPageList::PageRect(int index, int clientWidth, double zoom) const
{
    if (index < 0 || index >= Count()) {
        const int top = frxRound(zoom * kGap);
        const double width = zoom * kDefaultWidth;
        const int left = clientWidth >= width ? frxRound((clientWidth - width) / 2) : kGap;
        return QRect(left, top, frxRound(zoom * kDefaultWidth), frxRound(zoom * kDefaultHeight));
    }
    int first = 0, last = 0;
    rowOf(index, first, last);
    int rowWidth = 0;
    for (int i = first; i <= last; ++i)
        rowWidth += m_items[std::size_t(i)].Width + (i > first ? kGap : 0);
    int before = 0;
    for (int i = first; i < index; ++i)
        before += m_items[std::size_t(i)].Width + kGap;

    const TfrxPageItem &item = m_items[std::size_t(index)];
    const double scaledRow = zoom * rowWidth;
    const int left = (clientWidth >= scaledRow ? frxRound((clientWidth - scaledRow) / 2) : kGap) + frxRound(zoom * before);
    const int top = frxRound(zoom * item.Top);
    const int right = left + frxRound(zoom * item.Width);
    const int bottom = top + frxRound(zoom * item.Height);
    return QRect(left, top, right - left, bottom - top);
}

int TfrxPageList::FindPage(int offset, double zoom, PageFind mode) const
{
    // Binary search for the last page whose (adjusted) top is at or above
    // the offset; pages of one row share a top, so the search lands on the
    // row's last page, which is the one the layout added last.
    auto reached = [&](int i) {
        const TfrxPageItem &item = m_items[std::size_t(i)];
        double limit = offset;
        if (mode == PageFind::CurrentWhileScrolling)
            limit += frxRound(zoom * item.Height / 5);
        return item.Top * zoom <= limit;
    };
    int lo = 0, hi = Count() - 1, found = -1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        if (reached(mid)) {
            found = mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return found;
}

#pragma once
// TfrxPageCache: the most recently rebuilt pages, by page index.
//
// Rebuilding a page costs an object per stored element, so the preview, which
// repaints the same few pages over and over, takes them from here. The cache
// owns its pages and holds at most Capacity of them; a hit moves the entry to
// the front and an insertion past the capacity frees the entry at the back,
// the one used least recently.
#include <QList>

class TfrxReportPage;

class TfrxPageCache
{
public:
    static constexpr int Capacity = 50;

    TfrxPageCache() = default;
    ~TfrxPageCache() { Clear(); }
    TfrxPageCache(const TfrxPageCache &) = delete;
    TfrxPageCache &operator=(const TfrxPageCache &) = delete;

    // The cached page and a move to the front, or none.
    TfrxReportPage *Find(int index);
    // Takes the page; returns the index of the page it dropped, or -1.
    int Insert(int index, TfrxReportPage *page);
    int Count() const { return int(m_entries.size()); }
    void Clear();

private:
    struct Entry
    {
        int Index;
        TfrxReportPage *Page;
    };
    QList<Entry> m_entries;
};

#pragma once
// TfrxOutline: the outline tree of a prepared report.
//
// The tree lives in the store's document as nested "item" elements under the
// root's "outline" element, each with its text, 0-based page and top. The
// outline keeps a current element, where AddItem appends; the engine walks
// levels with LevelDown/LevelUp/LevelRoot while it runs nested bands.
#include <QString>

#include <functional>

class TfrxXMLDocument;
class TfrxXMLItem;

struct TfrxOutlineEntry
{
    QString Text;
    int Page = 0;
    int Top = 0;
};

class TfrxOutline
{
public:
    // pageIndex gives the page the store is writing.
    TfrxOutline(TfrxXMLDocument *document, std::function<int()> pageIndex);

    void AddItem(const QString &text, int top);
    void LevelRoot();
    void LevelUp();
    void LevelDown(int index);
    // Children of the current element.
    int Count() const;
    TfrxOutlineEntry GetItem(int index) const;
    // The item at that index of the current level and every item after it (with
    // their children) move to the next page, their tops by delta.
    void ShiftItems(int fromIndex, int delta);

    // The "outline" element (created when missing).
    TfrxXMLItem *RootItem() const;
    TfrxXMLItem *CurItem() const;

private:
    TfrxXMLDocument *m_document;
    std::function<int()> m_pageIndex;
    // None: the root. The store calls LevelRoot whenever it frees outline items.
    TfrxXMLItem *m_current = nullptr;
};

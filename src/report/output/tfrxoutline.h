#pragma once
// TfrxOutline: the outline tree of a prepared report.
//
// The tree lives in the store's document as nested "item" elements under the
// root's "outline" element, each with its text, 0-based page and top. The
// outline keeps a current element, where AddItem appends; the engine walks
// levels with LevelDown/LevelUp/LevelRoot while it runs nested bands.
#include "report/output/tfrxcustomoutline.h"

#include <functional>

class TfrxXMLDocument;
class TfrxXMLItem;

class TfrxOutline : public TfrxCustomOutline
{
public:
    // pageIndex gives the page the store is writing.
    TfrxOutline(TfrxXMLDocument *document, std::function<int()> pageIndex);

    void AddItem(const QString &text, int top) override;
    void LevelRoot() override;
    void LevelUp() override;
    void LevelDown(int index) override;
    int Count() const override;
    TfrxOutlineEntry GetItem(int index) const override;
    void ShiftItems(int fromIndex, int delta) override;
    Mark Position() const override;
    // Deletes the top-level items from that index on and goes to the root.
    void TruncateRoot(int count);
    void ShiftFrom(const Mark &mark, int delta) override;

    // The "outline" element (created when missing).
    TfrxXMLItem *RootItem() const;
    TfrxXMLItem *CurItem() const;

private:
    TfrxXMLDocument *m_document;
    std::function<int()> m_pageIndex;
    // None: the root. The store calls LevelRoot whenever it frees outline items.
    TfrxXMLItem *m_current = nullptr;
};

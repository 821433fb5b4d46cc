#pragma once
// TfrxCustomOutline: the outline tree of a prepared report as the band engine
// and scripts write it. Header-only for the same reason as the store's own
// interface: the engine calls it without linking the output library.
//
// The outline keeps a current item. AddItem appends a child to it (with the
// page the store is writing) and makes the new item current; LevelUp goes to
// the parent, never above the root; LevelRoot goes to the root.
#include <QString>

struct TfrxOutlineEntry
{
    QString Text;
    int Page = 0;
    int Top = 0;
};

class TfrxCustomOutline
{
public:
    virtual ~TfrxCustomOutline() = default;

    virtual void AddItem(const QString &text, int top) = 0;
    virtual void LevelRoot() = 0;
    virtual void LevelUp() = 0;
    virtual void LevelDown(int index) = 0;
    // Children of the current item.
    virtual int Count() const = 0;
    virtual TfrxOutlineEntry GetItem(int index) const = 0;
    // The item at that index of the current level and every item after it
    // (with their children) move to the next page, their tops by delta.
    virtual void ShiftItems(int fromIndex, int delta) = 0;
};

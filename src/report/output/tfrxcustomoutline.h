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

    // Where the next item goes: under the current item (`parent`, opaque),
    // as its child `index`. Output kept together remembers it, so that the
    // items added for that output move with it to the next page.
    struct Mark
    {
        const void *parent = nullptr;
        int index = 0;
    };
    virtual Mark Position() const = 0;
    // ShiftItems for the level of the mark, whichever item is current now.
    virtual void ShiftFrom(const Mark &mark, int delta) = 0;
};

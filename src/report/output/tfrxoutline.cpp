#include "report/output/tfrxoutline.h"

#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlitem.h"

#include <QList>

TfrxOutline::TfrxOutline(TfrxXMLDocument *document, std::function<int()> pageIndex)
    : m_document(document), m_pageIndex(std::move(pageIndex))
{
}

TfrxXMLItem *TfrxOutline::RootItem() const
{
    return m_document->Root()->FindOrAdd(QStringLiteral("outline"));
}

TfrxXMLItem *TfrxOutline::CurItem() const
{
    return m_current ? m_current : RootItem();
}

void TfrxOutline::AddItem(const QString &text, int top)
{
    TfrxXMLItem *item = CurItem()->Add(QStringLiteral("item"));
    item->SetAttr(QStringLiteral("text"), text);
    item->SetAttr(QStringLiteral("page"), QString::number(m_pageIndex()));
    item->SetAttr(QStringLiteral("top"), QString::number(top));
    m_current = item;
}

void TfrxOutline::LevelRoot()
{
    m_current = nullptr;
}

void TfrxOutline::LevelUp()
{
    TfrxXMLItem *cur = CurItem();
    if (cur != RootItem())
        m_current = cur->ParentItem() == RootItem() ? nullptr : cur->ParentItem();
}

void TfrxOutline::LevelDown(int index)
{
    TfrxXMLItem *cur = CurItem();
    if (index >= 0 && index < cur->Count())
        m_current = cur->Item(index);
}

int TfrxOutline::Count() const
{
    return int(CurItem()->Count());
}

TfrxOutlineEntry TfrxOutline::GetItem(int index) const
{
    TfrxXMLItem *cur = CurItem();
    if (index < 0 || index >= cur->Count())
        return {};
    const TfrxXMLItem *item = cur->Item(index);
    return {item->GetAttr(QStringLiteral("text")), item->GetAttr(QStringLiteral("page")).toInt(),
            item->GetAttr(QStringLiteral("top")).toInt()};
}

void TfrxOutline::ShiftItems(int fromIndex, int delta)
{
    TfrxXMLItem *cur = CurItem();
    QList<TfrxXMLItem *> todo;
    for (qsizetype i = qMax(0, fromIndex); i < cur->Count(); ++i)
        todo.append(cur->Item(i));
    while (!todo.isEmpty()) {
        TfrxXMLItem *item = todo.takeLast();
        item->SetAttr(QStringLiteral("page"), QString::number(item->GetAttr(QStringLiteral("page")).toInt() + 1));
        item->SetAttr(QStringLiteral("top"), QString::number(item->GetAttr(QStringLiteral("top")).toInt() + delta));
        for (qsizetype i = 0; i < item->Count(); ++i)
            todo.append(item->Item(i));
    }
}

TfrxCustomOutline::Mark TfrxOutline::Position() const
{
    return {CurItem(), Count()};
}

void TfrxOutline::ShiftFrom(const Mark &mark, int delta)
{
    // Items are only freed with the whole outline (a new run or pass), never
    // while output is kept, so the mark's item is still in the tree.
    if (!mark.parent)
        return;
    TfrxXMLItem *current = m_current;
    m_current = static_cast<TfrxXMLItem *>(const_cast<void *>(mark.parent));
    ShiftItems(mark.index, delta);
    m_current = current;
}

void TfrxOutline::TruncateRoot(int count)
{
    TfrxXMLItem *root = RootItem();
    while (root->Count() > qMax(count, 0))
        delete root->TakeItem(root->Count() - 1);
    m_current = nullptr;
}

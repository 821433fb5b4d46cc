#include "report/base/tfrxxmlitem.h"

#include "report/base/frxxmlescape.h"

#include <vector>

TfrxXMLItem::~TfrxXMLItem()
{
    detach();
    deleteChildren();
}

void TfrxXMLItem::detach()
{
    if (m_parent) {
        m_parent->m_children.removeOne(this);
        m_parent = nullptr;
    }
}

void TfrxXMLItem::deleteChildren()
{
    // Iterative: every element is emptied and unlinked before it is deleted,
    // so no destructor below this one recurses.
    std::vector<TfrxXMLItem *> work(m_children.cbegin(), m_children.cend());
    m_children.clear();
    while (!work.empty()) {
        TfrxXMLItem *item = work.back();
        work.pop_back();
        work.insert(work.end(), item->m_children.cbegin(), item->m_children.cend());
        item->m_children.clear();
        item->m_parent = nullptr;
        delete item;
    }
}

TfrxXMLItem *TfrxXMLItem::Add()
{
    auto *item = new TfrxXMLItem;
    item->m_parent = this;
    m_children.append(item);
    return item;
}

TfrxXMLItem *TfrxXMLItem::Add(const QString &name)
{
    TfrxXMLItem *item = Add();
    item->m_name = name;
    return item;
}

void TfrxXMLItem::AddItem(TfrxXMLItem *item)
{
    InsertItem(m_children.size(), item);
}

void TfrxXMLItem::InsertItem(qsizetype index, TfrxXMLItem *item)
{
    if (!item || item == this)
        return;
    // Refuse to hang an element below its own descendant: the tree would
    // become a cycle that nothing frees.
    for (const TfrxXMLItem *p = m_parent; p; p = p->m_parent)
        if (p == item)
            return;
    item->detach();
    index = qBound<qsizetype>(0, index, m_children.size());
    m_children.insert(index, item);
    item->m_parent = this;
}

TfrxXMLItem *TfrxXMLItem::TakeItem(qsizetype index)
{
    TfrxXMLItem *item = m_children.takeAt(index);
    item->m_parent = nullptr;
    return item;
}

qsizetype TfrxXMLItem::Find(const QString &name) const
{
    for (qsizetype i = 0; i < m_children.size(); ++i)
        if (m_children.at(i)->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TfrxXMLItem *TfrxXMLItem::FindItem(const QString &name) const
{
    const qsizetype i = Find(name);
    return i < 0 ? nullptr : m_children.at(i);
}

TfrxXMLItem *TfrxXMLItem::FindOrAdd(const QString &name)
{
    const qsizetype i = Find(name);
    return i < 0 ? Add(name) : m_children.at(i);
}

qsizetype TfrxXMLItem::IndexOf(const TfrxXMLItem *item) const
{
    return m_children.indexOf(const_cast<TfrxXMLItem *>(item));
}

void TfrxXMLItem::Clear()
{
    deleteChildren();
    if (m_mayUnload)
        m_inMemory = false;
}

qsizetype TfrxXMLItem::findPair(const QString &name, qsizetype *valueStart,
                                qsizetype *valueEnd) const
{
    // The attribute text is searched as if a space stood in front of it, so
    // the first pair matches like every other: ` name="`.
    const QString head = name + QLatin1String("=\"");
    qsizetype start = -1;
    if (m_attrText.startsWith(head, Qt::CaseInsensitive)) {
        start = 0;
    } else {
        const qsizetype at = m_attrText.indexOf(QLatin1Char(' ') + head, 0, Qt::CaseInsensitive);
        if (at >= 0)
            start = at + 1;
    }
    if (start < 0)
        return -1;
    *valueStart = start + head.size();
    const qsizetype quote = m_attrText.indexOf(QLatin1Char('"'), *valueStart);
    *valueEnd = quote < 0 ? m_attrText.size() : quote;
    return start;
}

QString TfrxXMLItem::GetAttr(const QString &name) const
{
    qsizetype from = 0;
    qsizetype to = 0;
    if (findPair(name, &from, &to) < 0)
        return QString();
    return UnescapeXML(m_attrText.mid(from, to - from));
}

void TfrxXMLItem::SetAttr(const QString &name, const QString &value)
{
    const QString pair = name + QLatin1String("=\"") + EscapeXML(value) + QLatin1Char('"');
    qsizetype from = 0;
    qsizetype to = 0;
    const qsizetype start = findPair(name, &from, &to);
    if (start >= 0) {
        const qsizetype end = to < m_attrText.size() ? to + 1 : to; // past the closing quote
        m_attrText.replace(start, end - start, pair);
        return;
    }
    if (!m_attrText.endsWith(QLatin1Char(' ')))
        m_attrText += QLatin1Char(' ');
    m_attrText += pair;
}

#pragma once
// TfrxPreviewPageData: the objects of one output page, packed.
//
// An output page of a long list holds a few hundred objects, and a report may
// have thousands of pages, so the store cannot afford a heap-allocated XML
// element per object. A page keeps its objects instead as records in one byte
// array, in document order (each object before its children):
//
//     depth   varint   0 for an object placed on the page, +1 per level below
//     name    varint   index into the store's name table (an alias or a class)
//     length  varint   byte length of the attribute text
//     attrs   UTF-8    the attribute text, `a="1" b="x"`, values escaped
//
// Such a record costs the attribute text plus three or four bytes, with no
// allocation of its own. The positions of the depth-0 records are kept so
// that counting, cutting and truncating the page's objects is direct. The
// XML element form (TfrxXMLItem children) is made from these records only
// where a whole element tree is wanted: writing a file, the file cache.
#include <QByteArray>
#include <QList>
#include <QString>

class TfrxXMLItem;

struct TfrxPageRecord
{
    int Depth = 0;
    int NameId = 0;
    QString Attrs;
};

class TfrxPreviewPageData
{
public:
    // Objects placed directly on the page.
    int Count() const { return int(m_top.size()); }
    bool IsEmpty() const { return m_data.isEmpty(); }
    qsizetype ByteSize() const { return m_data.size(); }
    const QByteArray &Bytes() const { return m_data; }

    void Append(int depth, int nameId, const QString &attrs);
    // Appends packed records (as TakeTail returns them); depths stay as they are.
    void AppendPacked(const QByteArray &records);
    // Removes the objects from position `from` on, with their children, and
    // returns their records.
    QByteArray TakeTail(int from);
    void Truncate(int count) { TakeTail(count); }
    void Clear();
    // Gives back growth slack once the page is complete.
    void Squeeze();

    // The depth-0 record at a position.
    TfrxPageRecord TopRecord(int index) const;

    // Walks records in order.
    class Cursor
    {
    public:
        explicit Cursor(const QByteArray &data) : m_data(data) {}
        // Without attributes the record's Attrs stay as they were (cheaper).
        enum class Attrs { Read, Skip };
        bool Next(TfrxPageRecord &record, Attrs attrs = Attrs::Read);
        qsizetype Position() const { return m_pos; }

    private:
        friend class TfrxPreviewPageData;
        const QByteArray &m_data;
        qsizetype m_pos = 0;
    };
    Cursor Records() const { return Cursor(m_data); }

    // Element trees of the records under parent, named through names.
    template <typename NameFn> void ToItems(TfrxXMLItem *parent, NameFn nameOf) const;
    // Packs the element trees of parent's children; ids through internName.
    template <typename InternFn> void FromItems(const TfrxXMLItem *parent, InternFn internName);

    static void EncodeRecord(QByteArray &out, int depth, int nameId, const QString &attrs);

private:
    QByteArray m_data;
    QList<quint32> m_top;
};

// ---- template members

#include "report/base/tfrxxmlitem.h"

template <typename NameFn> void TfrxPreviewPageData::ToItems(TfrxXMLItem *parent, NameFn nameOf) const
{
    QList<TfrxXMLItem *> chain{parent};
    Cursor c = Records();
    TfrxPageRecord r;
    while (c.Next(r)) {
        // A record can only be one level deeper than the one before it.
        const int depth = qMin(r.Depth, int(chain.size()) - 1);
        chain.resize(depth + 1);
        TfrxXMLItem *item = chain.last()->Add(nameOf(r.NameId));
        item->SetAttrText(r.Attrs);
        chain.append(item);
    }
}

template <typename InternFn> void TfrxPreviewPageData::FromItems(const TfrxXMLItem *parent, InternFn internName)
{
    Clear();
    // Explicit stack: element trees read from a file may be deep.
    struct Frame { const TfrxXMLItem *Item; qsizetype Next; };
    QList<Frame> stack{{parent, 0}};
    while (!stack.isEmpty()) {
        Frame &f = stack.last();
        if (f.Next >= f.Item->Count()) {
            stack.removeLast();
            continue;
        }
        const TfrxXMLItem *child = f.Item->Item(f.Next++);
        Append(int(stack.size()) - 1, internName(child->ElementName()), child->AttrText());
        if (child->Count() > 0)
            stack.append({child, 0});
    }
    Squeeze();
}

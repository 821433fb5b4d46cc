#pragma once
// One element of the engine's XML dialect.
//
// An element is a name and a run of attributes kept as raw text
// (`a="1" b="x&#10;y"`, values escaped); the dialect never carries text
// between tags. An element owns its children: deleting it deletes them and
// takes it out of its parent's list, and adding an element that already has a
// parent moves it. Deleting a tree is iterative, so a hostile document nested a
// million levels deep cannot overflow the stack on the way out.
//
// An element may be partially present. When MayUnload is set its children can
// be written to a cache (or left in the stream it was read from) and dropped;
// InMemory then says whether they are present, and CacheOffset is where the
// element's tag starts in that cache, a 40-bit byte position as the prepared
// report format stores it. Only TfrxXMLDocument moves elements in and out.
#include <QList>
#include <QString>

class TfrxXMLItem
{
public:
    TfrxXMLItem() = default;
    explicit TfrxXMLItem(const QString &name) : m_name(name) {}
    ~TfrxXMLItem();
    TfrxXMLItem(const TfrxXMLItem &) = delete;
    TfrxXMLItem &operator=(const TfrxXMLItem &) = delete;

    const QString &ElementName() const { return m_name; }
    void SetElementName(const QString &name) { m_name = name; }
    const QString &AttrText() const { return m_attrText; }
    void SetAttrText(const QString &text) { m_attrText = text; }
    TfrxXMLItem *ParentItem() const { return m_parent; }

    qsizetype Count() const { return m_children.size(); }
    TfrxXMLItem *Item(qsizetype index) const { return m_children.at(index); }
    TfrxXMLItem *operator[](qsizetype index) const { return m_children.at(index); }

    // A new child at the end.
    TfrxXMLItem *Add();
    TfrxXMLItem *Add(const QString &name);
    // Moves an existing element here (out of its old parent first).
    void AddItem(TfrxXMLItem *item);
    void InsertItem(qsizetype index, TfrxXMLItem *item);
    // Detaches a child without deleting it; the caller owns it afterwards.
    TfrxXMLItem *TakeItem(qsizetype index);

    // Index of the first child of that name (ignoring case), or -1.
    qsizetype Find(const QString &name) const;
    TfrxXMLItem *FindItem(const QString &name) const;
    // The first child of that name, else a new child with that name.
    TfrxXMLItem *FindOrAdd(const QString &name);
    qsizetype IndexOf(const TfrxXMLItem *item) const;

    // Deletes every child; an element that may unload then counts as not in memory.
    void Clear();

    // One attribute's value (unescaped), empty when absent. The name matches
    // ignoring case.
    QString GetAttr(const QString &name) const;
    // Replaces the attribute's pair in place, or appends it; the value is escaped.
    void SetAttr(const QString &name, const QString &value);

    bool InMemory() const { return m_inMemory; }
    void SetInMemory(bool v) { m_inMemory = v; }
    bool MayUnload() const { return m_mayUnload; }
    void SetMayUnload(bool v) { m_mayUnload = v; }

    static constexpr quint64 MaxCacheOffset = (quint64(1) << 40) - 1;
    quint64 CacheOffset() const { return (quint64(m_offsetHi) << 32) | m_offsetLo; }
    // Offsets beyond 40 bits cannot be stored; the document refuses them first.
    void SetCacheOffset(quint64 offset)
    {
        m_offsetHi = static_cast<quint8>((offset >> 32) & 0xFF);
        m_offsetLo = static_cast<quint32>(offset & 0xFFFFFFFFu);
    }
    quint8 CacheOffsetHi() const { return m_offsetHi; }
    quint32 CacheOffsetLo() const { return m_offsetLo; }

private:
    friend class TfrxXMLDocument;

    // Where an element that is not in memory can be read back from.
    enum class Source : quint8 { LoadedStream, CacheFile };

    // Position of the attribute's pair in " " + AttrText terms, see GetAttr.
    qsizetype findPair(const QString &name, qsizetype *valueStart, qsizetype *valueEnd) const;
    void detach();
    void deleteChildren();

    QString m_name;
    QString m_attrText;
    TfrxXMLItem *m_parent = nullptr;
    QList<TfrxXMLItem *> m_children;
    bool m_inMemory = true;
    bool m_mayUnload = false;
    Source m_source = Source::LoadedStream;
    quint8 m_offsetHi = 0;
    quint32 m_offsetLo = 0;
};

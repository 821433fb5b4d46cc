#pragma once
// Streaming reader of the engine's XML dialect.
//
// The dialect is simple enough to read tag by tag: text between tags is
// skipped, a tag runs from '<' to the next '>', comments `<!-- ... -->` are
// skipped, and a tag is split at its first space into the element name and the
// raw attribute text. Bytes are code page 1254.
//
// The reader works through a 4096-byte buffer and keeps the byte position of
// every tag, which is what lets the document re-read one element later from
// the same stream (partial loading). Element trees are read with an explicit
// stack, so neither depth nor size of the input can exhaust the call stack.
// Destroying a reader puts the stream back where it was when the reader was
// made.
//
// Malformed markup throws TfrxXMLError ("Invalid file format"): a '<' inside a
// tag, the end of the stream inside a tag or comment, a closing tag that does
// not match, a document whose first tag is not `?xml`, or no element at all.
#include <QByteArray>
#include <QString>

class QIODevice;
class TfrxXMLItem;

enum class TfrxXMLLoad { Complete, AllowPartial };

class TfrxXMLReader
{
public:
    static constexpr int BufferSize = 4096;

    struct Tag
    {
        QString Name;
        QString Attrs;
        quint64 Position = 0; // of the '<'
        bool Eof = false;     // the stream ended before another tag
    };

    explicit TfrxXMLReader(QIODevice *stream);
    ~TfrxXMLReader();
    TfrxXMLReader(const TfrxXMLReader &) = delete;
    TfrxXMLReader &operator=(const TfrxXMLReader &) = delete;

    // The next tag; comments are skipped.
    Tag ReadTag();
    // The `<?xml ...?>` line; throws when the first tag is anything else.
    void ReadHeader();
    // Reads one element and all its children into item (its name and
    // attribute text are replaced). With AllowPartial, elements marked
    // `ld="0"` are dropped to their tag and remember where it starts; the
    // result says whether any element was left out that way.
    bool ReadRootItem(TfrxXMLItem *item, TfrxXMLLoad mode);

    // Byte position of the next unread byte.
    quint64 Position() const { return m_bufferStart + quint64(m_pos); }

private:
    int nextByte()
    {
        if (m_pos >= m_len && !fill())
            return -1;
        return static_cast<uchar>(m_buffer[m_pos++]);
    }
    bool fill();
    bool finishElement(TfrxXMLItem *item, quint64 tagPosition, TfrxXMLLoad mode);

    QIODevice *m_stream;
    qint64 m_startPos;
    quint64 m_bufferStart;
    int m_len = 0;
    int m_pos = 0;
    char m_buffer[BufferSize];
    QByteArray m_tag;
};

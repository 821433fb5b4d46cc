#pragma once
// Streaming writer of the engine's XML dialect.
//
// Text is encoded to code page 1254 and collected in a buffer that goes to the
// stream whenever it grows past 4096 bytes, and at Flush. Characters the code
// page cannot hold are written as '?': the program refuses such characters
// where they are typed, so only foreign data can carry them.
//
// Indented output puts every tag on its own line, two spaces per level, ending
// in CR LF; flat output runs the tags together. An element that may unload
// carries the mark `ld="0"` after its attributes; when it is not in memory the
// document reads it back for the write and drops its children again after.
// Trees are walked with an explicit stack.
//
// An element with children whose attribute text ends in a blank gets one more
// blank before '>' (the reader drops one), and one ending in '/' gets two, so
// such text, which only odd input produces, cannot turn the element into an
// empty one when the document is read again.
//
// A failed write to the stream throws LoderaError; data is never dropped
// silently.
#include <QByteArray>
#include <QString>

class QIODevice;
class TfrxXMLDocument;
class TfrxXMLItem;

enum class TfrxXMLIndent { Flat, Indented };

class TfrxXMLWriter
{
public:
    static constexpr int BufferSize = 4096;

    TfrxXMLWriter(QIODevice *stream, TfrxXMLIndent indent);
    // Flushes what is left; errors are not thrown from here, call Flush first.
    ~TfrxXMLWriter();
    TfrxXMLWriter(const TfrxXMLWriter &) = delete;
    TfrxXMLWriter &operator=(const TfrxXMLWriter &) = delete;

    void WriteHeader();
    // Writes the element and its children. With a document, elements that are
    // not in memory are read back from its cache for the write.
    void WriteRootItem(TfrxXMLItem *item, TfrxXMLDocument *document = nullptr);
    // Raw text, encoded and buffered.
    void Write(const QString &text);
    void Flush();

    static const char Header[];

private:
    void writeBytes(const QByteArray &bytes);
    void writeLine(int level, const QString &text);
    QString attrPart(const TfrxXMLItem *item) const;

    QIODevice *m_stream;
    TfrxXMLIndent m_indent;
    QByteArray m_buffer;
};

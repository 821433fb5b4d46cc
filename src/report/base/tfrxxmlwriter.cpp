#include "report/base/tfrxxmlwriter.h"

#include "platform/codec1254.h"
#include "platform/loderaerror.h"
#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlitem.h"

#include <QIODevice>

#include <vector>

const char TfrxXMLWriter::Header[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

TfrxXMLWriter::TfrxXMLWriter(QIODevice *stream, TfrxXMLIndent indent)
    : m_stream(stream), m_indent(indent)
{
    m_buffer.reserve(BufferSize * 2);
}

TfrxXMLWriter::~TfrxXMLWriter()
{
    try {
        Flush();
    } catch (const LoderaError &) {
        // Already reported to whoever called Flush; a destructor must not throw.
    }
}

void TfrxXMLWriter::Flush()
{
    if (m_buffer.isEmpty())
        return;
    const qint64 written = m_stream->write(m_buffer);
    const qsizetype size = m_buffer.size();
    m_buffer.clear();
    if (written != size)
        throw LoderaError(QStringLiteral("Rapor belgesi yazılamadı: %1").arg(m_stream->errorString()));
}

void TfrxXMLWriter::writeBytes(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() > BufferSize)
        Flush();
}

void TfrxXMLWriter::Write(const QString &text)
{
    writeBytes(Codec1254::fromUnicodeLossy(text));
}

void TfrxXMLWriter::writeLine(int level, const QString &text)
{
    if (m_indent == TfrxXMLIndent::Indented) {
        m_buffer.append(QByteArray(level * 2, ' '));
        Write(text);
        writeBytes(QByteArrayLiteral("\r\n"));
    } else {
        Write(text);
    }
}

void TfrxXMLWriter::WriteHeader()
{
    writeBytes(QByteArray(Header) + "\r\n");
}

QString TfrxXMLWriter::attrPart(const TfrxXMLItem *item) const
{
    const QString &attrs = item->AttrText();
    if (attrs.isEmpty() && !item->MayUnload())
        return QString();
    QString part = attrs.startsWith(QLatin1Char(' ')) ? attrs : QLatin1Char(' ') + attrs;
    if (item->MayUnload())
        part += QLatin1String("ld=\"0\"");
    return part;
}

void TfrxXMLWriter::WriteRootItem(TfrxXMLItem *root, TfrxXMLDocument *document)
{
    struct Frame
    {
        TfrxXMLItem *item;
        qsizetype next; // next child to write
        bool reloaded;  // read back from the cache for this write
    };

    auto open = [&](TfrxXMLItem *item, int level) -> Frame {
        bool reloaded = false;
        if (document && document->HasCacheStream() && item->MayUnload() && !item->InMemory()) {
            document->LoadItem(item);
            reloaded = true;
        }
        const bool children = item->Count() > 0;
        QString part = attrPart(item);
        if (children) {
            // The reader drops one blank before '>' and takes a '/' left at
            // the end for "no children": keep both from changing the tree.
            if (part.endsWith(QLatin1Char(' ')))
                part += QLatin1Char(' ');
            else if (part.endsWith(QLatin1Char('/')))
                part += QLatin1String("  ");
        }
        writeLine(level, QLatin1Char('<') + item->ElementName() + part
                             + (children ? QLatin1String(">") : QLatin1String("/>")));
        return {item, 0, reloaded};
    };

    std::vector<Frame> stack;
    stack.push_back(open(root, 0));
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next < top.item->Count()) {
            TfrxXMLItem *child = top.item->Item(top.next++);
            stack.push_back(open(child, int(stack.size())));
            continue;
        }
        const Frame done = top;
        stack.pop_back();
        if (done.item->Count() > 0)
            writeLine(int(stack.size()), QLatin1String("</") + done.item->ElementName() + QLatin1Char('>'));
        if (done.reloaded)
            done.item->Clear();
    }
}

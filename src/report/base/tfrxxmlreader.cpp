#include "report/base/tfrxxmlreader.h"

#include "platform/codec1254.h"
#include "report/base/tfrxxmlerror.h"
#include "report/base/tfrxxmlitem.h"

#include <QIODevice>

#include <vector>

namespace {

bool isClosing(const QString &name)
{
    return name.isEmpty() || name.startsWith(QLatin1Char('/'));
}

// Position of the `ld="0"` mark, or -1. The mark counts only where a pair can
// begin (at the start, after a blank, or right after the previous value's
// closing quote as the writer puts it), so an attribute such as `Fld="0"` is
// not mistaken for it.
qsizetype findUnloadMark(const QString &attrs)
{
    static const QString mark = QStringLiteral("ld=\"0\"");
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = attrs.indexOf(mark, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        if (at == 0 || attrs.at(at - 1) == QLatin1Char(' ') || attrs.at(at - 1) == QLatin1Char('"'))
            return at;
        from = at + 1;
    }
}

} // namespace

TfrxXMLReader::TfrxXMLReader(QIODevice *stream)
    : m_stream(stream), m_startPos(stream->pos()), m_bufferStart(quint64(qMax<qint64>(0, m_startPos)))
{
}

TfrxXMLReader::~TfrxXMLReader()
{
    if (!m_stream->isSequential())
        m_stream->seek(m_startPos);
}

bool TfrxXMLReader::fill()
{
    m_bufferStart += quint64(m_len);
    m_pos = 0;
    const qint64 got = m_stream->read(m_buffer, BufferSize);
    m_len = got > 0 ? int(got) : 0;
    return m_len > 0;
}

TfrxXMLReader::Tag TfrxXMLReader::ReadTag()
{
    for (;;) {
        int c;
        do {
            c = nextByte();
            if (c < 0) {
                Tag eof;
                eof.Eof = true;
                eof.Position = Position();
                return eof;
            }
        } while (c != '<');

        const quint64 start = Position() - 1;
        m_tag.clear();
        bool comment = false;
        int dashes = 0;
        bool dashPairSeen = false;
        for (;;) {
            c = nextByte();
            if (c < 0)
                throw TfrxXMLError(Position());
            if (comment) {
                if (c == '-') {
                    if (++dashes >= 2)
                        dashPairSeen = true;
                } else {
                    dashes = 0;
                    if (c == '>' && dashPairSeen)
                        break;
                }
                continue;
            }
            if (c == '>')
                break;
            if (c == '<')
                throw TfrxXMLError(Position() - 1);
            m_tag.append(char(c));
            if (m_tag.size() == 3 && m_tag == "!--")
                comment = true;
        }
        if (comment)
            continue;

        if (m_tag.endsWith(' '))
            m_tag.chop(1);
        Tag tag;
        tag.Position = start;
        const qsizetype space = m_tag.indexOf(' ');
        if (space < 0) {
            tag.Name = Codec1254::toUnicode(m_tag);
        } else {
            tag.Name = Codec1254::toUnicode(QByteArrayView(m_tag).first(space));
            tag.Attrs = Codec1254::toUnicode(QByteArrayView(m_tag).sliced(space + 1));
        }
        return tag;
    }
}

void TfrxXMLReader::ReadHeader()
{
    const Tag tag = ReadTag();
    if (tag.Eof || !tag.Name.startsWith(QLatin1String("?xml")))
        throw TfrxXMLError(tag.Position);
}

bool TfrxXMLReader::finishElement(TfrxXMLItem *item, quint64 tagPosition, TfrxXMLLoad mode)
{
    QString attrs = item->AttrText();
    const qsizetype mark = findUnloadMark(attrs);
    if (mark < 0)
        return false;
    attrs.remove(mark, 6);
    item->SetAttrText(attrs);
    if (mode != TfrxXMLLoad::AllowPartial || tagPosition > TfrxXMLItem::MaxCacheOffset)
        return false;
    item->SetMayUnload(true);
    item->Clear();
    item->SetCacheOffset(tagPosition);
    return true;
}

bool TfrxXMLReader::ReadRootItem(TfrxXMLItem *root, TfrxXMLLoad mode)
{
    struct Open
    {
        TfrxXMLItem *item;
        quint64 position;
    };
    bool leftOut = false;

    // Applies a tag to an element; true when the element has children to read.
    auto apply = [](TfrxXMLItem *item, Tag &tag) {
        bool children = true;
        // Every slash goes, not just one: the writer puts one "/" after a
        // name without children, so a name that kept one of its own would
        // lose it on the next read and never read back as it was written.
        while (tag.Name.endsWith(QLatin1Char('/'))) {
            tag.Name.chop(1);
            children = false;
        }
        if (tag.Attrs.endsWith(QLatin1Char('/'))) {
            tag.Attrs.chop(1);
            children = false;
        }
        item->SetElementName(tag.Name);
        item->SetAttrText(tag.Attrs);
        return children;
    };

    Tag tag = ReadTag();
    if (tag.Eof)
        throw TfrxXMLError(tag.Position);
    if (isClosing(tag.Name))
        return false;
    if (!apply(root, tag))
        return finishElement(root, tag.Position, mode);

    std::vector<Open> open{{root, tag.Position}};
    while (!open.empty()) {
        tag = ReadTag();
        if (isClosing(tag.Name)) {
            const Open top = open.back();
            if (tag.Name.size() != top.item->ElementName().size() + 1
                || QStringView(tag.Name).mid(1).compare(top.item->ElementName(), Qt::CaseInsensitive) != 0)
                throw TfrxXMLError(tag.Position);
            open.pop_back();
            leftOut |= finishElement(top.item, top.position, mode);
            continue;
        }
        TfrxXMLItem *child = open.back().item->Add();
        if (apply(child, tag))
            open.push_back({child, tag.Position});
        else
            leftOut |= finishElement(child, tag.Position, mode);
    }
    return leftOut;
}

#include "report/output/tfrxpreviewpagedata.h"

namespace {

void putVarint(QByteArray &out, quint32 v)
{
    while (v >= 0x80) {
        out.append(char((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.append(char(v));
}

// False when the data ends inside the number (never for records we wrote).
bool getVarint(const QByteArray &data, qsizetype &pos, quint32 &v)
{
    v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        if (pos >= data.size())
            return false;
        const auto b = quint8(data[pos++]);
        v |= quint32(b & 0x7F) << shift;
        if (!(b & 0x80))
            return true;
    }
    return false;
}

} // namespace

void TfrxPreviewPageData::EncodeRecord(QByteArray &out, int depth, int nameId, const QString &attrs)
{
    putVarint(out, quint32(depth));
    putVarint(out, quint32(nameId));
    // Attribute texts are nearly all ASCII: those are copied byte for byte
    // without a temporary array.
    bool ascii = true;
    for (QChar c : attrs)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (!ascii) {
        const QByteArray text = attrs.toUtf8();
        putVarint(out, quint32(text.size()));
        out.append(text);
        return;
    }
    putVarint(out, quint32(attrs.size()));
    const qsizetype at = out.size();
    out.resize(at + attrs.size());
    char *dst = out.data() + at;
    for (QChar c : attrs)
        *dst++ = char(c.unicode());
}

void TfrxPreviewPageData::Append(int depth, int nameId, const QString &attrs)
{
    if (depth == 0)
        m_top.append(quint32(m_data.size()));
    EncodeRecord(m_data, depth, nameId, attrs);
}

void TfrxPreviewPageData::AppendPacked(const QByteArray &records)
{
    const qsizetype base = m_data.size();
    m_data.append(records);
    Cursor c(records);
    TfrxPageRecord r;
    qsizetype start = 0;
    while (c.Next(r)) {
        if (r.Depth == 0)
            m_top.append(quint32(base + start));
        start = c.Position();
    }
}

QByteArray TfrxPreviewPageData::TakeTail(int from)
{
    if (from < 0)
        from = 0;
    if (from >= m_top.size())
        return {};
    const qsizetype cut = m_top[from];
    QByteArray tail = m_data.mid(cut);
    m_data.truncate(cut);
    m_top.resize(from);
    return tail;
}

void TfrxPreviewPageData::Clear()
{
    m_data.clear();
    m_top.clear();
}

void TfrxPreviewPageData::Squeeze()
{
    m_data.squeeze();
    m_top.squeeze();
}

TfrxPageRecord TfrxPreviewPageData::TopRecord(int index) const
{
    TfrxPageRecord r;
    if (index < 0 || index >= m_top.size())
        return r;
    Cursor c(m_data);
    c.m_pos = m_top[index];
    c.Next(r);
    return r;
}

bool TfrxPreviewPageData::Cursor::Next(TfrxPageRecord &record, Attrs attrs)
{
    quint32 depth, name, len;
    if (!getVarint(m_data, m_pos, depth) || !getVarint(m_data, m_pos, name) || !getVarint(m_data, m_pos, len))
        return false;
    if (qsizetype(len) > m_data.size() - m_pos)
        return false;
    record.Depth = int(depth);
    record.NameId = int(name);
    if (attrs == Attrs::Read)
        record.Attrs = QString::fromUtf8(m_data.constData() + m_pos, qsizetype(len));
    m_pos += qsizetype(len);
    return true;
}

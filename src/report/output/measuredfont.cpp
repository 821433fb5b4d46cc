#include "report/output/measuredfont.h"

#include "report/base/frxunits.h"

#include <QList>
#include <QPointF>

#include <cmath>

MeasuredFont::MeasuredFont(const QRawFont &base, double pixelSize)
    : m_raw(base)
{
    m_raw.setPixelSize(pixelSize);
    if (!m_raw.isValid())
        return;
    const double unitsToPixels = pixelSize / m_raw.unitsPerEm();
    // Ascent and descent from the design units too, so that the cell does not
    // follow the hinted metrics of the rasteriser; rounded up, so that every
    // glyph's pixels - descenders and accents included - lie inside the cell.
    QRawFont design(m_raw);
    design.setPixelSize(m_raw.unitsPerEm());
    m_ascent = int(std::ceil(design.ascent() * unitsToPixels - 1e-9));
    m_descent = int(std::ceil(design.descent() * unitsToPixels - 1e-9));
    fillTable();
}

void MeasuredFont::fillTable()
{
    QString chars;
    chars.resize(TableEnd);
    for (char16_t c = 0; c < TableEnd; ++c)
        chars[c] = QChar(c);
    const QList<quint32> glyphs = m_raw.glyphIndexesForString(chars);
    if (glyphs.size() != int(TableEnd))
        return;
    const QList<QPointF> adv = m_raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    for (int i = 0; i < int(TableEnd); ++i)
        m_table[i] = Entry{glyphs[i], frxRound(adv.value(i).x())};
}

MeasuredFont::Entry MeasuredFont::measure(QStringView chars) const
{
    const QList<quint32> glyphs = m_raw.glyphIndexesForString(chars.toString());
    if (glyphs.isEmpty())
        return {};
    const QList<QPointF> adv = m_raw.advancesForGlyphIndexes(glyphs.mid(0, 1), QRawFont::UseDesignMetrics);
    return Entry{glyphs.first(), frxRound(adv.value(0).x())};
}

MeasuredFont::Entry MeasuredFont::lookup(char16_t c) const
{
    if (c < TableEnd)
        return m_table[c];
    auto it = m_other.constFind(c);
    if (it != m_other.constEnd())
        return *it;
    const QChar ch(c);
    const Entry e = measure(QStringView(&ch, 1));
    m_other.insert(c, e);
    return e;
}

int MeasuredFont::advances(QStringView text, int *advances) const
{
    int total = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int a;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            a = measure(text.mid(i, 2)).advance;
            advances[i] = a;
            advances[++i] = 0;
        } else {
            a = lookup(c).advance;
            advances[i] = a;
        }
        total += a;
    }
    return total;
}

int MeasuredFont::textWidth(QStringView text) const
{
    int total = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            total += measure(text.mid(i, 2)).advance;
            ++i;
        } else {
            total += lookup(c).advance;
        }
    }
    return total;
}

void MeasuredFont::glyphIndexes(QStringView text, quint32 *glyphs) const
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            glyphs[i] = measure(text.mid(i, 2)).glyph;
            glyphs[++i] = 0;
        } else {
            glyphs[i] = lookup(c).glyph;
        }
    }
}

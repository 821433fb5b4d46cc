#pragma once
// One font at one pixel size, measured the same way on every device.
//
// Text layout must not depend on the device it is drawn on: a memo laid out
// for a 96-dpi screen and for a 600-dpi printer has to break its lines at the
// same characters. So every canvas measures through this class, which reads
// the font's design metrics (no hinting, no device grid fitting) and rounds
// each character's advance on its own to whole pixels, halves to even. The
// result is the integer advance array a layout works with, identical for an
// image, a PDF writer and a printer at the same pixel height.
//
// Measuring is the hot path of text layout (every memo line is measured once
// per layout and once per drawn line), so advances and glyph indexes of the
// Latin range - which holds every Turkish letter - live in flat tables filled
// once; other characters are cached on first use. A missing character is
// measured and drawn with the font's missing-glyph box.
#include "report/output/canvastypes.h"

#include <QHash>
#include <QRawFont>
#include <QStringView>

#include <array>

class MeasuredFont
{
public:
    // `base` is the family in the requested style at any size; `pixelSize` the
    // em height to measure at.
    MeasuredFont(const QRawFont &base, double pixelSize);

    double pixelSize() const { return m_raw.pixelSize(); }
    const QRawFont &rawFont() const { return m_raw; }
    bool isValid() const { return m_raw.isValid(); }

    // Cell metrics in whole pixels, rounded up: ascent above the baseline,
    // descent below.
    int ascent() const { return m_ascent; }
    int descent() const { return m_descent; }
    int cellHeight() const { return m_ascent + m_descent; }

    // Writes one integer advance per UTF-16 unit of `text` (a surrogate pair
    // puts the whole advance on its first unit and 0 on the second) and
    // returns their sum. `advances` must hold text.size() entries.
    int advances(QStringView text, int *advances) const;
    int textWidth(QStringView text) const;

    // Glyph index for each UTF-16 unit (0 for the second unit of a pair).
    void glyphIndexes(QStringView text, quint32 *glyphs) const;

private:
    struct Entry
    {
        quint32 glyph = 0;
        int advance = 0;
    };
    static constexpr char16_t TableEnd = 0x250; // Basic Latin to Latin Extended-B

    Entry lookup(char16_t c) const;
    Entry measure(QStringView chars) const;
    void fillTable();

    QRawFont m_raw;
    int m_ascent = 0;
    int m_descent = 0;
    std::array<Entry, TableEnd> m_table{};
    mutable QHash<char16_t, Entry> m_other;
};

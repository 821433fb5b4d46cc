#include "report/output/frxdrawtools.h"

#include "report/model/tfrxfont.h"

#include <cstdlib>

QColor FrxColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    if (color == clWindow)
        return QColor(Qt::white);
    if (color == clWindowText)
        return QColor(Qt::black);
    if (color == clBtnFace)
        return QColor(0xF0, 0xF0, 0xF0);
    const quint32 c = quint32(color);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

FontStyles FrxFontStyles(TFontStyles styles)
{
    // Both sets use the same bits: bold 1, italic 2, underline 4, strike-out 8.
    return FontStyles::fromInt(int(styles.toInt()) & 0xF);
}

CanvasFont FrxCanvasFont(const TfrxFont &font, int height, int rotation)
{
    CanvasFont f;
    f.name = font.Name();
    f.height = height;
    f.style = FrxFontStyles(font.Style());
    f.charset = font.Charset();
    f.color = FrxColor(font.Color());
    f.rotation = rotation;
    return f;
}

void SpreadUnits(int *cells, int first, int last, int unit, int count)
{
    // Iterative over an explicit stack would save little: the depth is the
    // logarithm of the range.
    if (count <= 0 || first > last)
        return;
    if (first == last) {
        cells[first] += unit * count;
        return;
    }
    const int half = qMax((last - first + 1) / 2, 1);
    if (count == 1) {
        cells[first + half - 1] += unit;
        return;
    }
    SpreadUnits(cells, first, first + half - 1, unit, count / 2);
    SpreadUnits(cells, first + half, last, unit, count - count / 2);
}

void SpreadDifference(int *cells, int n, int difference)
{
    if (n <= 0 || difference == 0)
        return;
    const int quotient = difference / n;
    const int remainder = difference - quotient * n;
    if (quotient != 0)
        for (int i = 0; i < n; ++i)
            cells[i] += quotient;
    SpreadUnits(cells, 0, n - 1, remainder < 0 ? -1 : 1, std::abs(remainder));
}

// Drawing a laid-out text on a device.
//
// The device font is the memo font at the device's own height; its advances
// differ from the layout's by rounding, so every line is corrected to the
// width the layout gives (its 600-dpi width scaled to the device), and the
// line gaps are corrected so the whole block is exactly the layout's height.
#include "report/output/tfrxdrawtext.h"

#include "report/base/frxunits.h"
#include "report/output/canvas.h"
#include "report/output/frxdrawtools.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

struct Direction
{
    double cos = 1, sin = 0;
};

Direction DirectionOf(int rotation)
{
    switch (rotation) {
    case 0:
        return {1, 0};
    case 90:
        return {0, 1};
    case 180:
        return {-1, 0};
    case 270:
        return {0, -1};
    default:
        break;
    }
    const double a = rotation * std::numbers::pi / 180;
    return {std::cos(a), std::sin(a)};
}

bool IsSpace(QChar c)
{
    return c == u' ' || c == QChar(0xA0);
}

} // namespace

int TfrxDrawText::MeasureDevice(Canvas &canvas, QStringView text, const TfrxHTMLTag *tags,
                                const CanvasFont &base, int spacing, int *advances) const
{
    int total = 0;
    if (!tags) {
        total = canvas.textAdvances(text, advances);
    } else {
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = start + 1;
            while (end < text.size() && tags[end].sameFormat(tags[start]))
                ++end;
            canvas.setFont(RunCanvasFont(base, tags[start]));
            total += canvas.textAdvances(text.mid(start, end - start), advances + start);
            start = end;
        }
        canvas.setFont(base);
    }
    if (spacing != 0) {
        for (qsizetype i = 0; i < text.size(); ++i)
            advances[i] += spacing;
        total += int(spacing * text.size());
    }
    return total;
}

void TfrxDrawText::PaintText(Canvas &canvas, TfrxHAlign hAlign, TfrxVAlign vAlign)
{
    const qsizetype n = m_lines.size();
    if (n == 0)
        return;
    const bool printer = canvas.isPrinter();
    const int rotation = m_options.Rotation;
    const int deviceHeight = printer ? -frxRound(canvas.pixelsPerInchY() * double(m_fontSize) / 72)
                                     : -frxRound(m_fontSize * m_scaleY * 96 / 72);
    CanvasFont base;
    base.name = m_fontName;
    base.height = deviceHeight;
    base.style = FrxFontStyles(m_fontStyle);
    base.charset = m_fontCharset;
    base.color = FrxColor(m_fontColor);
    base.rotation = rotation;
    canvas.setFont(base);

    const double measuring = std::abs(m_measuringHeight);
    const int blockHeight = printer
        ? frxRound(n * m_lineSpacing * m_scaleY + n * measuring * canvas.pixelsPerInchY() / MeasuringResolution)
        : frxRound(n * (m_lineSpacing + measuring * ReportResolution / MeasuringResolution) * m_scaleY);

    // Line advances: the font height plus the spacing, with the rounding
    // difference spread over the gaps so the block is exactly blockHeight.
    const int advance = std::abs(deviceHeight) + frxRound(m_lineSpacing * m_scaleY);
    int *gaps = Buffer(n, 2);
    for (qsizetype j = 0; j < n; ++j)
        gaps[j] = advance;
    if (n > 1)
        SpreadDifference(gaps, int(n - 1), blockHeight - int(n) * advance);

    const Direction dir = DirectionOf(rotation);
    double x = m_device.Left, y = m_device.Top;
    int availWidth = m_device.width(), availHeight = m_device.height();
    switch (rotation) {
    case 0:
        break;
    case 90:
        x = m_device.Left, y = m_device.Bottom;
        std::swap(availWidth, availHeight);
        break;
    case 180:
        x = m_device.Right, y = m_device.Bottom;
        break;
    case 270:
        x = m_device.Right, y = m_device.Top;
        std::swap(availWidth, availHeight);
        break;
    default:
        // Oblique text: the corner is chosen by quadrant so that the block's
        // start edge and its first cell stay inside the rectangle.
        if (rotation < 90) {
            x = m_device.Left;
            y = m_device.Bottom - frxRound(blockHeight * dir.cos);
        } else if (rotation < 180) {
            x = m_device.Right - frxRound(blockHeight * dir.sin);
            y = m_device.Bottom;
            std::swap(availWidth, availHeight);
        } else if (rotation < 270) {
            x = m_device.Right;
            y = m_device.Top - frxRound(blockHeight * dir.cos);
        } else {
            x = m_device.Left - frxRound(blockHeight * dir.sin);
            y = m_device.Top;
            std::swap(availWidth, availHeight);
        }
        break;
    }
    if (rotation % 90 == 0 && vAlign != TfrxVAlign::vaTop) {
        const double shift = vAlign == TfrxVAlign::vaBottom ? double(availHeight - blockHeight)
                                                            : frxRound((availHeight - blockHeight) / 2.0);
        y += frxRound(shift * dir.cos);
        x += frxRound(shift * dir.sin);
    }

    canvas.setBackgroundMode(BackgroundMode::Transparent);
    const int indentValue = frxRound(m_paragraphGap * m_scaleX);
    for (qsizetype j = 0; j < n; ++j) {
        const Line &line = m_lines[j];
        const bool first = line.Flags & FirstLine;
        const int indent = first && (hAlign == TfrxHAlign::haLeft || hAlign == TfrxHAlign::haBlock) ? indentValue : 0;
        TfrxHAlign align = hAlign;
        if (hAlign == TfrxHAlign::haBlock && (line.Flags & LastLine))
            align = m_options.RTLReading ? TfrxHAlign::haRight : TfrxHAlign::haLeft;
        PaintLine(canvas, int(j), align, availWidth - indent, int(x) + indent, int(y));
        y += frxRound(gaps[j] * dir.cos);
        x += frxRound(gaps[j] * dir.sin);
    }
}

void TfrxDrawText::PaintLine(Canvas &canvas, int lineIndex, TfrxHAlign align, int width, int x, int y)
{
    const Line &line = m_lines[lineIndex];
    const QString &text = line.Text;
    const qsizetype count = text.size();
    if (count == 0)
        return;
    const TfrxHTMLTag *tags =
        m_options.AllowHTMLTags && !m_tags[lineIndex].isEmpty() ? m_tags[lineIndex].constData() : nullptr;
    const CanvasFont base = canvas.font();

    int *advances = Buffer(count, 1);
    const int m600 = Measure600(text, tags, frxRound(m_charSpacing * MeasuringResolution / ReportResolution), advances);
    const int f = MeasureDevice(canvas, text, tags, base, frxRound(m_charSpacing * m_scaleX), advances);
    const int m = canvas.isPrinter() ? frxRound(double(m600) * canvas.pixelsPerInchX() / MeasuringResolution)
                                     : frxRound(double(m600) * ReportResolution / MeasuringResolution * m_scaleX);

    const int rotation = m_options.Rotation;
    const Direction dir = DirectionOf(rotation);
    double shift = 0;
    if (align == TfrxHAlign::haRight) {
        shift = width - m + 1;
        // A bold or italic font overhangs its last advance; without rotation
        // the line moves one pixel left so the overhang stays inside.
        if (rotation == 0 && (base.style & (FontStyle::Bold | FontStyle::Italic)))
            shift -= 1;
    } else if (align == TfrxHAlign::haCenter) {
        shift = (width - m) / 2.0;
    }
    if (shift != 0) {
        x += frxRound(shift * dir.cos);
        y -= frxRound(shift * dir.sin);
    }

    bool spread = true;
    if (align == TfrxHAlign::haBlock) {
        int spaces = 0;
        for (QChar c : text)
            spaces += IsSpace(c) ? 1 : 0;
        if (spaces > 0) {
            const int difference = std::abs(width) - f;
            const int quotient = difference / spaces;
            int remainder = difference - quotient * spaces;
            const int unit = remainder < 0 ? -1 : 1;
            for (qsizetype i = 0; i < count; ++i) {
                if (!IsSpace(text[i]))
                    continue;
                advances[i] += quotient;
                if (remainder != 0) {
                    advances[i] += unit;
                    remainder -= unit;
                }
            }
            spread = false;
        }
    }
    if (spread)
        SpreadDifference(advances, int(count), m - f);

    TextOutOptions options;
    if (m_options.Clipped)
        options |= TextOutOption::Clipped;
    if (m_options.RTLReading)
        options |= TextOutOption::RtlReading;
    const QRect clip = m_device.toQRect();
    if (!tags) {
        canvas.textOut(x, y, options, clip, text, advances);
        return;
    }
    OutputRuns(canvas, lineIndex, x, y, advances, options, clip, base);
}

void TfrxDrawText::OutputRuns(Canvas &canvas, int lineIndex, int x, int y, const int *advances,
                              TextOutOptions options, const QRect &clip, const CanvasFont &base)
{
    const QString &text = m_lines[lineIndex].Text;
    const TfrxHTMLTag *tags = m_tags[lineIndex].constData();
    const Direction dir = DirectionOf(m_options.Rotation);
    int along = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start + 1;
        while (end < text.size() && tags[end].sameFormat(tags[start]))
            ++end;
        const CanvasFont font = RunCanvasFont(base, tags[start]);
        int drop = 0; // across the baseline, towards the bottom of the cell
        if (tags[start].BaselineShift == TfrxHTMLTag::Shift::Sub)
            drop = std::abs(base.height) / 2;
        canvas.setFont(font);
        const int rx = x + frxRound(along * dir.cos + drop * dir.sin);
        const int ry = y + frxRound(-along * dir.sin + drop * dir.cos);
        canvas.textOut(rx, ry, options, clip, QStringView(text).mid(start, end - start), advances + start);
        for (qsizetype i = start; i < end; ++i)
            along += advances[i];
        start = end;
    }
    canvas.setFont(base);
}

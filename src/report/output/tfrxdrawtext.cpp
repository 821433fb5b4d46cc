#include "report/output/tfrxdrawtext.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxfont.h"
#include "report/output/fontmeasurer.h"
#include "report/output/measuredfont.h"

#include <cstdlib>

namespace {
constexpr double kToMeasuring = double(TfrxDrawText::MeasuringResolution) / TfrxDrawText::ReportResolution;
constexpr double kToReport = double(TfrxDrawText::ReportResolution) / TfrxDrawText::MeasuringResolution;
} // namespace

TfrxDrawText::TfrxDrawText()
{
    for (auto &buffer : m_advances)
        buffer.resize(4096);
    m_measuring = FontMeasurer::instance().font(m_fontName, {}, std::abs(m_measuringHeight));
}

TfrxDrawText::~TfrxDrawText() = default;

TfrxDrawText &TfrxDrawText::Shared()
{
    static TfrxDrawText shared;
    return shared;
}

void TfrxDrawText::SetFont(const TfrxFont &font)
{
    m_fontName = font.Name();
    m_fontStyle = font.Style();
    m_fontCharset = font.Charset();
    m_fontColor = font.Color();
    m_fontSize = font.Size();
    m_measuringHeight = -frxRound(m_fontSize * double(MeasuringResolution) / 72);
    CanvasFont f;
    f.name = m_fontName;
    f.height = m_measuringHeight;
    f.style = FontStyles::fromInt(int(m_fontStyle.toInt()) & 0xF);
    m_measuring = FontMeasurer::instance().font(f);
}

void TfrxDrawText::SetOptions(const Options &options)
{
    m_options = options;
    m_options.Rotation = ((options.Rotation % 360) + 360) % 360;
}

void TfrxDrawText::SetGaps(double lineSpacing, double charSpacing, double paragraphGap)
{
    m_lineSpacing = lineSpacing;
    m_charSpacing = charSpacing;
    m_paragraphGap = paragraphGap;
}

void TfrxDrawText::SetDimensions(const TfrxTextRect &layout, const TfrxTextRect &device, double scaleX,
                                 double scaleY)
{
    m_layout = layout;
    m_device = device;
    m_scaleX = scaleX;
    m_scaleY = scaleY;
}

bool TfrxDrawText::WrapWidthIsHeight() const
{
    const int r = m_options.Rotation;
    return (r >= 90 && r < 180) || (r >= 270 && r < 360);
}

int *TfrxDrawText::Buffer(qsizetype n, int which)
{
    std::vector<int> &buffer = m_advances[which];
    if (qsizetype(buffer.size()) < n)
        buffer.resize(size_t(n));
    return buffer.data();
}

CanvasFont TfrxDrawText::RunCanvasFont(const CanvasFont &base, const TfrxHTMLTag &tag) const
{
    CanvasFont f = base;
    f.style |= tag.Style;
    if (tag.Small)
        f.height = -qMax(1, frxRound(std::abs(base.height) * 2.0 / 3));
    if (tag.Color.isValid())
        f.color = tag.Color;
    return f;
}

int TfrxDrawText::Measure600(QStringView text, const TfrxHTMLTag *tags, int spacing, int *advances) const
{
    int total = 0;
    if (!tags) {
        total = m_measuring->advances(text, advances);
    } else {
        CanvasFont base;
        base.name = m_fontName;
        base.height = m_measuringHeight;
        base.style = FontStyles::fromInt(int(m_fontStyle.toInt()) & 0xF);
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = start + 1;
            while (end < text.size() && tags[end].sameFormat(tags[start]))
                ++end;
            const auto font = FontMeasurer::instance().font(RunCanvasFont(base, tags[start]));
            total += font->advances(text.mid(start, end - start), advances + start);
            start = end;
        }
    }
    if (spacing != 0) {
        for (qsizetype i = 0; i < text.size(); ++i)
            advances[i] += spacing;
        total += int(spacing * text.size());
    }
    return total;
}

void TfrxDrawText::AddLine(const QString &text, qsizetype start, qsizetype count, const TfrxHTMLTags *tags,
                           int sourceLine)
{
    Line line;
    line.Text = text.mid(start, count);
    line.SourceLine = sourceLine;
    line.SourceStart = int(start);
    m_lines.append(line);
    if (m_options.AllowHTMLTags)
        m_tags.append(tags ? tags->mid(start, count) : TfrxHTMLTags());
}

void TfrxDrawText::SetText(const QStringList &lines)
{
    m_lines.clear();
    m_tags.clear();
    m_sourceLines.clear();
    if (lines.isEmpty())
        return;
    const int w = WrapWidthIsHeight() ? m_layout.height() : m_layout.width();
    const int limit = frxRound(w * kToMeasuring);
    const int firstLimit = frxRound((w - m_paragraphGap) * kToMeasuring);
    const int spacing = frxRound(m_charSpacing * kToMeasuring);
    QString plain;
    TfrxHTMLTags tags;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString &source = lines[n].isEmpty() ? QStringLiteral(" ") : lines[n];
        const TfrxHTMLTags *lineTags = nullptr;
        if (m_options.AllowHTMLTags) {
            ParseHTMLTags(source, plain, tags);
            if (plain.isEmpty()) {
                plain = QStringLiteral(" ");
                tags = {TfrxHTMLTag{}};
            }
            lineTags = &tags;
        } else {
            plain = source;
        }
        m_sourceLines.append(lines[n].isEmpty() ? QString() : plain);
        const qsizetype before = m_lines.size();
        if (WrapLine(plain, lineTags, int(n), limit, firstLimit, spacing) > 0) {
            m_lines[before].Flags |= FirstLine;
            m_lines.last().Flags |= LastLine;
        }
    }
}

int TfrxDrawText::WrapLine(const QString &line, const TfrxHTMLTags *tags, int sourceLine, int limit,
                           int firstLimit, int spacing)
{
    const qsizetype n = line.size();
    if (n == 0)
        return 0;
    const qsizetype before = m_lines.size();
    int *c = Buffer(n + 1, 0);
    int *advances = Buffer(n, 1);
    Measure600(line, tags ? tags->constData() : nullptr, spacing, advances);
    // c[i]: right edge of character i (1-based) from the line start.
    c[0] = 0;
    for (qsizetype i = 1; i <= n; ++i)
        c[i] = c[i - 1] + advances[i - 1];

    if (!m_options.WordWrap || n == 1 || c[n] < firstLimit) {
        AddLine(line, 0, n, tags, sourceLine);
        return 1;
    }

    // 1-based positions, as the break rule is stated: s line start, b last
    // break candidate (a space), e the origin of the current line.
    qsizetype s = 1, b = 1;
    int e = 0;
    int L = firstLimit;
    for (qsizetype i = 1; i <= n; ++i) {
        if (line[i - 1] == u' ')
            b = i;
        if (c[i] - e <= L)
            continue;
        if (b == s) {
            // No space since the line start: the word is cut where it stops
            // fitting (a lone character too wide for the line goes alone).
            if (i == s) {
                AddLine(line, s - 1, 1, tags, sourceLine);
                b = i;
            } else {
                AddLine(line, s - 1, i - s, tags, sourceLine);
                b = i - 1;
            }
        } else {
            // Break at the last space; that space is dropped.
            AddLine(line, s - 1, b - s, tags, sourceLine);
        }
        i = b;
        e = c[b];
        s = b + 1;
        b = b + 1;
        L = limit;
    }
    // A break on the very last character (a dropped trailing space, a lone
    // last character) leaves nothing for a last line; no empty line is made.
    if (s <= n)
        AddLine(line, s - 1, n - s + 1, tags, sourceLine);
    return int(m_lines.size() - before);
}

double TfrxDrawText::LineHeight() const
{
    return std::abs(m_measuringHeight) * kToReport + m_lineSpacing;
}

double TfrxDrawText::TextHeight() const
{
    if (m_lines.isEmpty())
        return 0;
    return LineHeight() * m_lines.size();
}

double TfrxDrawText::TextWidth() const
{
    int widest = 0;
    const int paragraph = frxRound(m_paragraphGap * kToMeasuring);
    for (qsizetype j = 0; j < m_lines.size(); ++j) {
        const Line &line = m_lines[j];
        int *advances = const_cast<TfrxDrawText *>(this)->Buffer(line.Text.size(), 1);
        const TfrxHTMLTag *tags = m_options.AllowHTMLTags && !m_tags[j].isEmpty() ? m_tags[j].constData() : nullptr;
        int width = Measure600(line.Text, tags, 0, advances)
            + frxRound(line.Text.size() * m_charSpacing * kToMeasuring);
        if (line.Flags & FirstLine)
            width += paragraph;
        widest = qMax(widest, width);
    }
    return widest * kToReport;
}

TfrxDrawText::Split TfrxDrawText::SplitText() const
{
    const double available = WrapWidthIsHeight() ? m_layout.width() : m_layout.height();
    const double lineHeight = LineHeight();
    qsizetype fit = 0;
    while (fit < m_lines.size() && (fit + 1) * lineHeight <= available + 1e-9)
        ++fit;
    Split split;
    if (fit >= m_lines.size()) {
        split.fits = m_sourceLines;
        return split;
    }
    const Line &first = m_lines[fit];
    split.fits = m_sourceLines.mid(0, first.SourceLine);
    const QString &cut = m_sourceLines[first.SourceLine];
    if (first.SourceStart > 0)
        split.fits.append(cut.left(first.SourceStart));
    split.rest.append(cut.mid(first.SourceStart));
    split.rest.append(m_sourceLines.mid(first.SourceLine + 1));
    return split;
}

TfrxDrawTextLock::TfrxDrawTextLock(TfrxDrawText &shared)
    : m_text(&shared)
{
    if (shared.Busy()) {
        m_own = std::make_unique<TfrxDrawText>();
        m_text = m_own.get();
    }
    m_text->SetBusy(true);
}

TfrxDrawTextLock::~TfrxDrawTextLock()
{
    m_text->SetBusy(false);
}

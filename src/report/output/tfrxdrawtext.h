#pragma once
// TfrxDrawText: memo text layout and drawing.
//
// A memo's text is laid out once, at a measuring resolution of 600 pixels per
// inch, with font advances that are the same on every device (MeasuredFont),
// and only then drawn on the target canvas. Line breaks, line widths and line
// positions therefore never depend on the canvas: a form shows the same lines
// at any zoom, on a 600- or 1200-dpi printer and in a PDF. Drawing corrects the
// device's own advances character by character (SpreadDifference) so each line
// is exactly as wide as the layout says, and spreads the rounding of the line
// gaps so the block of lines is exactly as high.
//
// The layout works in the memo's text rectangle at scale 1 (report pixels);
// the device rectangle is the same rectangle on the target canvas. Output
// lines remember where in the memo text they came from, so the text that does
// not fit a height can be handed on when a memo is split across pages.
//
// Lines of any length are laid out: the advance buffer starts at 4096 entries
// and grows for a longer line (kept for the next one), so no character is cut
// and nothing is written past the buffer.
//
// One object serves one drawing or calculation at a time (Busy); a caller
// that finds it busy lays out with an object of its own.
#include "report/model/frxtypes.h"
#include "report/output/canvastypes.h"
#include "report/output/frxhtmltags.h"
#include "report/output/frxviewrect.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class Canvas;
class MeasuredFont;
class TfrxFont;

class TfrxDrawText
{
public:
    static constexpr int MeasuringResolution = 600;
    static constexpr int ReportResolution = 96;

    enum LineFlag { FirstLine = 1, LastLine = 2 };

    struct Line
    {
        QString Text;
        int Flags = 0;
        int SourceLine = 0;  // memo line it comes from
        int SourceStart = 0; // its first character in that line (tags removed)
    };

    struct Options
    {
        bool WordWrap = true;
        bool AllowHTMLTags = false;
        int Rotation = 0;
        bool Clipped = true;
        bool WordBreak = false;
        bool RTLReading = false;
    };

    TfrxDrawText();
    ~TfrxDrawText();
    TfrxDrawText(const TfrxDrawText &) = delete;
    TfrxDrawText &operator=(const TfrxDrawText &) = delete;

    // The one shared by memos that belong to no report.
    static TfrxDrawText &Shared();

    void SetFont(const TfrxFont &font);
    void SetOptions(const Options &options);
    void SetGaps(double lineSpacing, double charSpacing, double paragraphGap);
    void SetDimensions(const TfrxTextRect &layout, const TfrxTextRect &device, double scaleX, double scaleY);
    // Lays the memo lines out in the layout rectangle.
    void SetText(const QStringList &lines);

    // Breaks one memo line (tags already removed) into output lines: `limit`,
    // `firstLimit` and `spacing` are measuring pixels. Returns the number of
    // lines added.
    int WrapLine(const QString &line, const TfrxHTMLTags *tags, int sourceLine, int limit, int firstLimit,
                 int spacing);

    // Report pixels.
    double LineHeight() const;
    double TextHeight() const;
    double TextWidth() const;
    // The memo lines split where the layout rectangle's height ends: the
    // lines that fit, and the rest. A memo line broken by wrapping is cut
    // where its first output line that does not fit begins.
    struct Split
    {
        QStringList fits, rest;
    };
    Split SplitText() const;

    void PaintText(Canvas &canvas, TfrxHAlign hAlign, TfrxVAlign vAlign);
    // One output line at (x, y), the top of its cell, in `width` device pixels.
    void PaintLine(Canvas &canvas, int lineIndex, TfrxHAlign align, int width, int x, int y);

    const QList<Line> &Lines() const { return m_lines; }
    int MeasuringHeight() const { return m_measuringHeight; }
    const Options &options() const { return m_options; }

    bool Busy() const { return m_busy; }
    void SetBusy(bool busy) { m_busy = busy; }

private:
    struct RunFont;
    int Measure600(QStringView text, const TfrxHTMLTag *tags, int spacing, int *advances) const;
    int MeasureDevice(Canvas &canvas, QStringView text, const TfrxHTMLTag *tags, const CanvasFont &base,
                      int spacing, int *advances) const;
    CanvasFont RunCanvasFont(const CanvasFont &base, const TfrxHTMLTag &tag) const;
    void OutputRuns(Canvas &canvas, int lineIndex, int x, int y, const int *advances, TextOutOptions opts,
                    const QRect &clip, const CanvasFont &base);
    int *Buffer(qsizetype n, int which);
    void AddLine(const QString &text, qsizetype start, qsizetype count, const TfrxHTMLTags *tags,
                 int sourceLine);
    bool WrapWidthIsHeight() const;

    QString m_fontName = QStringLiteral("Arial");
    TFontStyles m_fontStyle;
    int m_fontCharset = 1;
    TColor m_fontColor = 0;
    int m_fontSize = 10;
    int m_measuringHeight = -83;
    std::shared_ptr<const MeasuredFont> m_measuring;

    Options m_options;
    double m_lineSpacing = 2, m_charSpacing = 0, m_paragraphGap = 0;
    TfrxTextRect m_layout, m_device;
    double m_scaleX = 1, m_scaleY = 1;

    QStringList m_sourceLines; // memo lines with tags removed
    QList<Line> m_lines;
    TfrxHTMLTagsList m_tags;   // per output line, empty without tags
    std::vector<int> m_advances[3];
    bool m_busy = false;
};

// Marks a TfrxDrawText busy for one drawing or calculation and frees it again,
// also when the drawing throws. A busy one is not shared: the guard then gives
// a private object.
class TfrxDrawTextLock
{
public:
    explicit TfrxDrawTextLock(TfrxDrawText &shared);
    ~TfrxDrawTextLock();
    TfrxDrawTextLock(const TfrxDrawTextLock &) = delete;
    TfrxDrawTextLock &operator=(const TfrxDrawTextLock &) = delete;
    TfrxDrawText &get() { return *m_text; }

private:
    TfrxDrawText *m_text;
    std::unique_ptr<TfrxDrawText> m_own;
};

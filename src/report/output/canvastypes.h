#pragma once
// The drawing tools of a canvas, as plain values. They follow the graphics
// device interface the report engine was written against: a font is asked for
// by a negative character height in device pixels, a pen has a width in device
// pixels and one of five line styles, a brush is a colour with a fill style, and
// shapes, patterned pens and opaque text fill their gaps with the background
// colour only in opaque background mode.
#include <QColor>
#include <QFlags>
#include <QString>

enum class CanvasKind { Screen, Printer, Metafile };

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

enum class BackgroundMode { Opaque, Transparent };

enum class FontStyle { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

enum class TextOutOption { Clipped = 1, RtlReading = 2 };
Q_DECLARE_FLAGS(TextOutOptions, TextOutOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextOutOptions)

// Character sets as the report fonts store them; text is Unicode inside the
// program, so the set only travels along (a font keeps what it was given).
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int TURKISH_CHARSET = 162;

struct CanvasFont
{
    QString name = QStringLiteral("Arial");
    // Negative: the character (em) height in device pixels. Positive: the cell
    // height (ascent plus descent), as the platform font mapper reads it.
    int height = -13;
    FontStyles style;
    int charset = DEFAULT_CHARSET;
    QColor color = Qt::black;
    // Degrees counter-clockwise, 0..359; the baseline turns with the font.
    int rotation = 0;

    friend bool operator==(const CanvasFont &, const CanvasFont &) = default;
};

struct CanvasPen
{
    QColor color = Qt::black;
    int width = 1;
    PenStyle style = PenStyle::Solid;

    friend bool operator==(const CanvasPen &, const CanvasPen &) = default;
};

struct CanvasBrush
{
    QColor color = Qt::white;
    BrushStyle style = BrushStyle::Solid;

    friend bool operator==(const CanvasBrush &, const CanvasBrush &) = default;
};

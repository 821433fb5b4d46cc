#pragma once
// The process-wide cache of measured fonts.
//
// Resolving a family through the font database (fontconfig maps "Arial" to
// Liberation Sans and "Times New Roman" to Liberation Serif) is slow, and so is
// building a font's advance tables; both happen once per family and style, and
// once per pixel size. The cache lives as long as the process and is used from
// the user-interface thread only, like everything in the engine.
#include "report/output/canvastypes.h"
#include "report/output/measuredfont.h"

#include <QHash>
#include <QRawFont>

#include <memory>

class FontMeasurer
{
public:
    static FontMeasurer &instance();

    // The font at the em height `font.height` asks for (see CanvasFont); a
    // height of 0 asks for the default of 16 pixels.
    std::shared_ptr<const MeasuredFont> font(const CanvasFont &font);
    std::shared_ptr<const MeasuredFont> font(const QString &family, FontStyles style, double pixelSize);

    // The em height a font height turns into: -height for a character height,
    // the cell height scaled by em / (ascent + descent) for a positive one.
    double pixelSizeFor(const QString &family, FontStyles style, int height);

private:
    FontMeasurer() = default;
    const QRawFont &base(const QString &family, FontStyles style);

    QHash<QString, QRawFont> m_bases;
    QHash<QString, std::shared_ptr<const MeasuredFont>> m_fonts;
};

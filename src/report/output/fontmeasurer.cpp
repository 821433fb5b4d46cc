#include "report/output/fontmeasurer.h"

#include <QFont>

namespace {

constexpr int DefaultPixelSize = 16;

// Only the styles that choose a different face take part in the key:
// underline and strike-out are drawn decorations on the same glyphs.
int faceBits(FontStyles style)
{
    return int(style & (FontStyle::Bold | FontStyle::Italic));
}

QString baseKey(const QString &family, FontStyles style)
{
    return family.toCaseFolded() + QLatin1Char('\x1f') + QString::number(faceBits(style));
}

} // namespace

FontMeasurer &FontMeasurer::instance()
{
    static FontMeasurer measurer;
    return measurer;
}

const QRawFont &FontMeasurer::base(const QString &family, FontStyles style)
{
    const QString key = baseKey(family, style);
    auto it = m_bases.find(key);
    if (it != m_bases.end())
        return *it;
    QFont qf(family);
    qf.setPixelSize(100);
    qf.setBold(style.testFlag(FontStyle::Bold));
    qf.setItalic(style.testFlag(FontStyle::Italic));
    qf.setHintingPreference(QFont::PreferNoHinting);
    qf.setStyleStrategy(QFont::NoSubpixelAntialias);
    QRawFont raw = QRawFont::fromFont(qf);
    return *m_bases.insert(key, raw);
}

double FontMeasurer::pixelSizeFor(const QString &family, FontStyles style, int height)
{
    if (height < 0)
        return -height;
    if (height == 0)
        return DefaultPixelSize;
    QRawFont design(base(family, style));
    if (!design.isValid())
        return height;
    design.setPixelSize(design.unitsPerEm());
    const double cell = design.ascent() + design.descent();
    return cell > 0 ? height * design.unitsPerEm() / cell : height;
}

std::shared_ptr<const MeasuredFont> FontMeasurer::font(const CanvasFont &f)
{
    return font(f.name, f.style, pixelSizeFor(f.name, f.style, f.height));
}

std::shared_ptr<const MeasuredFont> FontMeasurer::font(const QString &family, FontStyles style, double pixelSize)
{
    QString key = baseKey(family, style);
    key += QLatin1Char('\x1f');
    key += QString::number(pixelSize, 'g', 17);
    auto it = m_fonts.constFind(key);
    if (it != m_fonts.constEnd())
        return *it;
    auto measured = std::make_shared<const MeasuredFont>(base(family, style), pixelSize);
    m_fonts.insert(key, measured);
    return measured;
}

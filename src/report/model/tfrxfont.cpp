#include "report/model/tfrxfont.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

TfrxFont::TfrxFont(QObject *parent) : TfrxPersistent(parent) {}

void TfrxFont::SetCharset(int v)
{
    if (v == m_charset)
        return;
    m_charset = v;
    changed();
}

void TfrxFont::SetColor(TColor v)
{
    if (v == m_color)
        return;
    m_color = v;
    changed();
}

void TfrxFont::SetHeight(int v)
{
    if (v == m_height)
        return;
    m_height = v;
    changed();
}

void TfrxFont::SetName(const QString &v)
{
    if (v == m_name)
        return;
    m_name = v;
    changed();
}

int TfrxFont::Size() const
{
    // Integer MulDiv semantics: halves round away from zero. Wide arithmetic, so
    // no stored height can overflow.
    const qint64 magnitude = std::abs(qint64(m_height));
    return int((magnitude * 72 + 48) / 96);
}

void TfrxFont::SetSize(int points)
{
    const qint64 magnitude = (std::abs(qint64(points)) * 96 + 36) / 72;
    const qint64 height = points >= 0 ? -magnitude : magnitude;
    SetHeight(int(std::clamp<qint64>(height, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TfrxFont::SetStyle(TFontStyles v)
{
    if (v == m_style)
        return;
    m_style = v;
    changed();
}

void TfrxFont::Assign(const TfrxFont &other)
{
    if (&other == this)
        return;
    m_charset = other.m_charset;
    m_color = other.m_color;
    m_height = other.m_height;
    m_name = other.m_name;
    m_style = other.m_style;
    changed();
}

bool TfrxFont::operator==(const TfrxFont &o) const
{
    return m_charset == o.m_charset && m_color == o.m_color && m_height == o.m_height
           && m_name == o.m_name && m_style == o.m_style;
}

void TfrxFont::changed()
{
    if (m_onChange)
        m_onChange();
}

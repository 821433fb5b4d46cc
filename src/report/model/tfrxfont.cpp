#include "report/model/tfrxfont.h"

#include <cmath>

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
    // Integer MulDiv semantics: halves round away from zero.
    const int magnitude = std::abs(m_height);
    return (magnitude * 72 + 48) / 96;
}

void TfrxFont::SetSize(int points)
{
    const int magnitude = (std::abs(points) * 96 + 36) / 72;
    SetHeight(points >= 0 ? -magnitude : magnitude);
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

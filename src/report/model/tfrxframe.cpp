#include "report/model/tfrxframe.h"

void TfrxFrame::Assign(const TfrxFrame &o)
{
    m_color = o.m_color;
    m_dropShadow = o.m_dropShadow;
    m_shadowColor = o.m_shadowColor;
    m_shadowWidth = o.m_shadowWidth;
    m_style = o.m_style;
    m_typ = o.m_typ;
    m_width = o.m_width;
}

bool TfrxFrame::operator==(const TfrxFrame &o) const
{
    return m_color == o.m_color && m_dropShadow == o.m_dropShadow && m_shadowColor == o.m_shadowColor
           && m_shadowWidth == o.m_shadowWidth && m_style == o.m_style && m_typ == o.m_typ
           && m_width == o.m_width;
}

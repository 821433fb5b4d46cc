#include "report/model/tfrxhighlight.h"

TfrxHighlight::TfrxHighlight(QObject *parent) : TfrxPersistent(parent), m_font(new TfrxFont(this))
{
    m_font->SetColor(clRed);
}

void TfrxHighlight::Assign(const TfrxHighlight &o)
{
    m_active = o.m_active;
    m_font->Assign(*o.m_font);
    m_color = o.m_color;
    m_condition = o.m_condition;
}

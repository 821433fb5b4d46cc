#include "report/model/tfrxreportcomponent.h"

void TfrxReportComponent::BeforeOutput()
{
    m_savedLeft = Left();
    m_savedTop = Top();
    m_savedWidth = Width();
    m_savedHeight = Height();
}

void TfrxReportComponent::AfterOutput()
{
    SetBounds(m_savedLeft, m_savedTop, m_savedWidth, m_savedHeight);
}

#include "report/model/tfrxsubreport.h"

#include "report/model/tfrxreportpage.h"

TfrxSubreport::TfrxSubreport(TfrxComponent *AOwner) : TfrxView(AOwner)
{
    Frame()->SetTyp(TfrxFrameType::ftLeft | TfrxFrameType::ftRight | TfrxFrameType::ftTop | TfrxFrameType::ftBottom);
    TfrxFont f;
    f.SetName(QStringLiteral("Tahoma"));
    f.SetSize(8);
    SetFont(f);
    SetColor(clSilver);
}

TfrxReportPage *TfrxSubreport::SubPage() const
{
    return qobject_cast<TfrxReportPage *>(m_page.data());
}

void TfrxSubreport::SetSubPage(TfrxReportPage *v)
{
    m_page = v;
}

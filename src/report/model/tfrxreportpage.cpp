#include "report/model/tfrxreportpage.h"

#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/frxunits.h"
#include "report/base/tpaperinfo.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxreport.h"

#include <utility>

TfrxReportPage::TfrxReportPage(TfrxComponent *AOwner)
    : TfrxPage(AOwner), m_background(std::make_unique<TfrxPictureView>())
{
    m_background->SetColor(clNone);
    m_background->SetKeepAspectRatio(false);
    UpdateDimensions();
}

TfrxReportPage::~TfrxReportPage() = default;

void TfrxReportPage::UpdateDimensions()
{
    SetWidth(frxRound(m_paperWidth * fr1mm));
    SetHeight(frxRound(m_paperHeight * fr1mm));
}

void TfrxReportPage::SetOrientation(TPrinterOrientation v)
{
    if (v == m_orientation)
        return;
    m_orientation = v;
    std::swap(m_paperWidth, m_paperHeight);
    const double l = m_leftMargin, r = m_rightMargin, t = m_topMargin, b = m_bottomMargin;
    if (v == TPrinterOrientation::poLandscape) {
        m_leftMargin = t;
        m_rightMargin = b;
        m_topMargin = r;
        m_bottomMargin = l;
    } else {
        m_leftMargin = b;
        m_rightMargin = t;
        m_topMargin = l;
        m_bottomMargin = r;
    }
    UpdateDimensions();
}

void TfrxReportPage::SetPaperWidth(double v)
{
    m_paperWidth = v;
    m_paperSize = CustomPaper;
    UpdateDimensions();
}

void TfrxReportPage::SetPaperHeight(double v)
{
    m_paperHeight = v;
    m_paperSize = CustomPaper;
    UpdateDimensions();
}

void TfrxReportPage::SetPaperSize(int v)
{
    m_paperSize = v;
    if (v < CustomPaper) {
        if (const TPaperInfo *info = frxFindPaper(v)) {
            m_paperWidth = info->X / 10.0;
            m_paperHeight = info->Y / 10.0;
            if (m_orientation == TPrinterOrientation::poLandscape)
                std::swap(m_paperWidth, m_paperHeight);
        }
    }
    UpdateDimensions();
}

void TfrxReportPage::SetColumns(int v)
{
    // Each column gets a line of text; an absurd count from a damaged template
    // must not make the program build millions of them.
    if (v > MaxColumns)
        throw LoderaError(QStringLiteral("Sütun sayısı en çok %1 olabilir: %2").arg(MaxColumns).arg(v));
    m_columns = v;
    m_columnPositions.clear();
    if (v > 0) {
        m_columnWidth = (m_paperWidth - m_leftMargin - m_rightMargin) / v;
        for (int i = 0; i < v; ++i)
            m_columnPositions.append(frxFloatToStr(i * m_columnWidth));
    }
}

void TfrxReportPage::SetDataSet(TfrxDataSet *v)
{
    m_dataSet = v;
    m_dataSetName = v ? v->UserName() : QString();
}

QString TfrxReportPage::DataSetName() const
{
    return m_dataSet ? m_dataSet->UserName() : m_dataSetName;
}

void TfrxReportPage::SetDataSetName(const QString &v)
{
    m_dataSetName = v;
    TfrxReport *report = OwnerReport();
    m_dataSet = report ? report->GetDataset(v) : nullptr;
}

double TfrxReportPage::PrintableWidth() const
{
    return (m_paperWidth - m_leftMargin - m_rightMargin) * fr1mm;
}

double TfrxReportPage::PrintableHeight() const
{
    return (m_paperHeight - m_topMargin - m_bottomMargin) * fr1mm;
}

void TfrxReportPage::ApplyPrinterDefaults(int paperSize, double paperWidth, double paperHeight,
                                          TPrinterOrientation orientation)
{
    m_leftMargin = m_rightMargin = m_topMargin = m_bottomMargin = 10;
    m_paperSize = paperSize;
    m_paperWidth = paperWidth;
    m_paperHeight = paperHeight;
    m_orientation = orientation;
    UpdateDimensions();
}

void TfrxReportPage::ArrangeAlignedChildren()
{
    // The page's own views align within the printable width; the bands take the
    // printable width (or height, for vertical bands) less their own offset.
    SetWidth(PrintableWidth());
    TfrxComponent::ArrangeAlignedChildren();
    for (TfrxComponent *c : Objects()) {
        auto *band = qobject_cast<TfrxBand *>(c);
        if (!band)
            continue;
        if (band->Vertical())
            band->SetHeight(PrintableHeight() - band->Top());
        else
            band->SetWidth(PrintableWidth() - band->Left());
        band->ArrangeAlignedChildren();
    }
    UpdateDimensions();
}

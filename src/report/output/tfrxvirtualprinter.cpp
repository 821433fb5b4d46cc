#include "report/output/tfrxvirtualprinter.h"

#include "platform/loderaerror.h"
#include "report/base/tfrxresources.h"
#include "report/base/tpaperinfo.h"

TfrxVirtualPrinter::TfrxVirtualPrinter(const QString &name, const QString &port)
    : TfrxCustomPrinter(name, port)
{
}

void TfrxVirtualPrinter::LoadCapabilities()
{
    setResolution(600, 600);
    m_defaultPaper = 9;
    m_defaultPaperWidth = 210;
    m_defaultPaperHeight = 297;
    m_defaultLandscape = false;
    resetLists();
    for (const TPaperInfo &p : frxPaperList())
        addPaper(p.Name, p.Typ);
    m_binOverride = -1;
    m_prepared = true;
}

void TfrxVirtualPrinter::StartJob()
{
    throw LoderaError(frxResources()->Get(QStringLiteral("clNoPrinters")));
}

void TfrxVirtualPrinter::ApplyPageLayout(int paperCode, double widthMM, double heightMM, bool landscape)
{
    double w = widthMM, h = heightMM;
    if (PaperSizeOf(paperCode, w, h)) {
        if (landscape)
            std::swap(w, h);
        m_paperCode = paperCode;
    } else {
        m_paperCode = CustomPaper;
    }
    m_paperWidth = w;
    m_paperHeight = h;
    m_offsetLeft = m_offsetTop = m_offsetRight = m_offsetBottom = 5;
    m_landscape = landscape;
}

void TfrxVirtualPrinter::ApplyPrintLayout(int paperCode, double widthMM, double heightMM, bool landscape,
                                          int bin, int, int)
{
    ApplyPageLayout(paperCode, widthMM, heightMM, landscape);
    m_binOverride = bin;
}

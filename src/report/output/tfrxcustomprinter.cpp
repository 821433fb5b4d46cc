#include "report/output/tfrxcustomprinter.h"

#include "report/base/tfrxresources.h"
#include "report/base/tpaperinfo.h"

TfrxCustomPrinter::TfrxCustomPrinter(const QString &name, const QString &port)
    : m_name(name), m_port(port)
{
    resetLists();
}

TfrxCustomPrinter::~TfrxCustomPrinter() = default;

void TfrxCustomPrinter::resetLists()
{
    m_paperNames = {frxResources()->Get(QStringLiteral("prCustom"))};
    m_paperCodes = {CustomPaper};
    m_binNames = {frxResources()->Get(QStringLiteral("prDefault"))};
    m_binCodes = {DefaultBin};
}

void TfrxCustomPrinter::addPaper(const QString &name, int code)
{
    m_paperNames.append(name);
    m_paperCodes.append(code);
}

void TfrxCustomPrinter::addBin(const QString &name, int code)
{
    m_binNames.append(name);
    m_binCodes.append(code);
}

void TfrxCustomPrinter::setResolution(int x, int y)
{
    m_resolution = QPoint(x, y);
    m_canvas.setResolution(x, y);
}

int TfrxCustomPrinter::PaperIndexOf(int code) const
{
    return int(m_paperCodes.indexOf(code));
}

int TfrxCustomPrinter::PaperCodeOf(const QString &name) const
{
    const qsizetype i = m_paperNames.indexOf(name);
    return i < 0 ? m_paperCodes.first() : m_paperCodes[i];
}

int TfrxCustomPrinter::BinIndexOf(int code) const
{
    return int(m_binCodes.indexOf(code));
}

bool TfrxCustomPrinter::PaperSizeOf(int code, double &widthMM, double &heightMM)
{
    const TPaperInfo *info = frxFindPaper(code);
    if (!info)
        return false;
    widthMM = info->X / 10.0;
    heightMM = info->Y / 10.0;
    return true;
}

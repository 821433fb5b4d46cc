#include "report/output/tfrxprinters.h"

#include "report/base/tfrxresources.h"
#include "report/output/tfrxprinter.h"
#include "report/output/tfrxvirtualprinter.h"

#include <QCoreApplication>
#include <QPrinterInfo>

TfrxPrinters::TfrxPrinters(const QStringList &names, const QString &defaultName)
{
    for (const QString &name : names) {
        m_printers.push_back(std::make_unique<TfrxPrinter>(name, QString()));
        m_names.append(name);
    }
    if (!m_printers.empty()) {
        m_hasRealPrinters = true;
        const int found = FindPrinter(defaultName);
        SetCurrentIndex(found >= 0 ? found : 0);
    } else {
        const QString name = frxResources()->Get(QStringLiteral("prVirtual"));
        m_printers.push_back(std::make_unique<TfrxVirtualPrinter>(name, QString()));
        m_names.append(name);
        SetCurrentIndex(0);
    }
}

TfrxPrinters::~TfrxPrinters() = default;

std::unique_ptr<TfrxPrinters> TfrxPrinters::fromSystem()
{
    return std::make_unique<TfrxPrinters>(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
}

TfrxCustomPrinter *TfrxPrinters::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_printers[size_t(index)].get();
}

void TfrxPrinters::SetCurrentIndex(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_currentIndex = index;
    m_printers[size_t(index)]->LoadCapabilities();
}

int TfrxPrinters::FindPrinter(const QString &name) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {

TfrxPrinters *g_printerList = nullptr;

// Printer objects hold print-system resources that must go while the
// application object still exists, not among the static destructors after it.
void freePrinterList()
{
    delete g_printerList;
    g_printerList = nullptr;
}

} // namespace

TfrxPrinters *PrinterList()
{
    if (!g_printerList) {
        g_printerList = TfrxPrinters::fromSystem().release();
        if (QCoreApplication::instance())
            qAddPostRoutine(freePrinterList);
    }
    return g_printerList;
}

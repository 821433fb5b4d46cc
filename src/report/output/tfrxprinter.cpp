#include "report/output/tfrxprinter.h"

#include "report/base/frxunits.h"
#include "report/output/cupsdriverinfo.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

// QPrinter passes these key/value pairs to the print system with the job.
const auto CupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

TfrxPrinter::DriverDialog &driverDialog()
{
    static TfrxPrinter::DriverDialog dialog;
    return dialog;
}

} // namespace

TfrxPrinter::TfrxPrinter(const QString &name, const QString &port)
    : TfrxCustomPrinter(name, port)
{
}

TfrxPrinter::~TfrxPrinter()
{
    m_canvas.end();
}

void TfrxPrinter::setDriverDialog(DriverDialog dialog)
{
    driverDialog() = std::move(dialog);
}

int TfrxPrinter::codeOf(const QPageSize &size)
{
    const int id = size.windowsId();
    if (id > 0 && id != CustomPaper)
        return id;
    for (auto it = m_sizes.constBegin(); it != m_sizes.constEnd(); ++it)
        if (it.value().isEquivalentTo(size))
            return it.key();
    return m_nextDriverCode++;
}

void TfrxPrinter::LoadCapabilities()
{
    if (m_prepared)
        return;
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_name);
    if (info.isNull()) {
        resetLists();
        return;
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    CupsDriverInfo driver;
    driver.read(m_name);
    int resX = driver.resolutionX, resY = driver.resolutionY;
    if (resX <= 0) {
        resX = resY = info.supportedResolutions().value(0, m_printer->resolution());
    }
    // QPrinter keeps one resolution for both directions.
    m_printer->setResolution(resX);
    setResolution(resX, resY);

    const QPageSize def = info.defaultPageSize().isValid() ? info.defaultPageSize() : QPageSize(QPageSize::A4);
    resetLists();
    m_sizes.clear();
    for (const QPageSize &size : info.supportedPageSizes()) {
        const int code = codeOf(size);
        if (code == CustomPaper || m_sizes.contains(code))
            continue;
        m_sizes.insert(code, size);
        addPaper(size.name(), code);
    }
    m_defaultPaper = codeOf(def);
    const QSize px = def.sizePixels(resX);
    m_defaultPaperWidth = px.width() / double(resX) * 25.4;
    m_defaultPaperHeight = def.sizePixels(resY).height() / double(resY) * 25.4;
    m_defaultLandscape = driver.defaultLandscape;

    m_binKeywords.clear();
    for (const CupsInputSlot &slot : driver.inputSlots) {
        m_binKeywords.insert(slot.bin, slot.keyword);
        if (slot.bin != DefaultBin)
            addBin(slot.text, slot.bin);
    }
    m_prepared = true;
    ApplyPageLayout(m_defaultPaper, m_defaultPaperWidth, m_defaultPaperHeight, m_defaultLandscape);
}

QPageSize TfrxPrinter::pageSizeFor(int code) const
{
    if (m_sizes.contains(code))
        return m_sizes.value(code);
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id != QPageSize::Custom)
        return QPageSize(id);
    double w = 0, h = 0;
    if (PaperSizeOf(code, w, h))
        return QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageSize(QPageSize::A4);
}

void TfrxPrinter::applyLayout(const QPageSize &size, bool landscape)
{
    m_printer->setFullPage(true);
    m_printer->setPageSize(size);
    m_printer->setPageOrientation(QPageLayout::Portrait);
    QPageLayout upright = m_printer->pageLayout();
    upright.setUnits(QPageLayout::Point);
    const QMarginsF m = upright.minimumMargins();
    // A sheet turned a quarter counter-clockwise: the upright bottom edge is on the left.
    m_minMargins = landscape ? QMarginsF(m.bottom(), m.left(), m.top(), m.right()) : m;
    m_printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

void TfrxPrinter::readLayout()
{
    const int res = m_printer->resolution();
    setResolution(res, m_resolution.y() > 0 && m_resolution.y() != res ? m_resolution.y() : res);
    const double rx = m_resolution.x(), ry = m_resolution.y();
    const QRect paper = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    const int left = qRound(m_minMargins.left() * rx / 72), top = qRound(m_minMargins.top() * ry / 72);
    const int right = qRound(m_minMargins.right() * rx / 72), bottom = qRound(m_minMargins.bottom() * ry / 72);
    const int printableWidth = paper.width() - left - right;
    const int printableHeight = paper.height() - top - bottom;
    m_paperWidth = paper.width() / rx * 25.4;
    m_paperHeight = paper.height() / ry * 25.4;
    m_offsetLeft = left / rx * 25.4;
    m_offsetTop = top / ry * 25.4;
    m_offsetRight = m_paperWidth - printableWidth / rx * 25.4 - m_offsetLeft;
    m_offsetBottom = m_paperHeight - printableHeight / ry * 25.4 - m_offsetTop;
    m_canvas.setOrigin(QPoint(left, top));
}

void TfrxPrinter::ApplyPageLayout(int paperCode, double widthMM, double heightMM, bool landscape)
{
    if (!m_printer) {
        m_paperCode = paperCode;
        m_landscape = landscape;
        return;
    }
    if (paperCode == CustomPaper) {
        // The margins of a custom size are those of A4 in the same orientation.
        applyLayout(pageSizeFor(9), landscape);
        readLayout();
        m_paperWidth = widthMM;
        m_paperHeight = heightMM;
    } else {
        applyLayout(pageSizeFor(paperCode), landscape);
        readLayout();
    }
    m_paperCode = paperCode;
    m_landscape = landscape;
}

QString TfrxPrinter::slotKeyword(int bin) const
{
    return bin == DefaultBin ? QString() : m_binKeywords.value(bin);
}

QPrinter::DuplexMode TfrxPrinter::duplexMode(int duplex, QPrinter::DuplexMode current)
{
    switch (duplex) {
    case 2: return QPrinter::DuplexLongSide;
    case 3: return QPrinter::DuplexShortSide;
    case 4: return QPrinter::DuplexNone;
    default: return current; // 1: the printer's own setting stays
    }
}

void TfrxPrinter::setInputSlot(const QString &keyword)
{
    QStringList options = m_printer->printEngine()->property(CupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < options.size();) {
        if (options[i] == QLatin1String("InputSlot"))
            options.remove(i, 2);
        else
            i += 2;
    }
    if (!keyword.isEmpty())
        options << QStringLiteral("InputSlot") << keyword;
    m_printer->printEngine()->setProperty(CupsOptionsKey, options);
    m_jobSlot = keyword;
}

void TfrxPrinter::ApplyPrintLayout(int paperCode, double widthMM, double heightMM, bool landscape,
                                   int bin, int copies, int duplex)
{
    if (!m_printer) {
        m_paperCode = paperCode;
        m_landscape = landscape;
        return;
    }
    if (paperCode == CustomPaper) {
        // Drivers that know no margins for a size of their own get those of
        // A4: the unprintable edge is the printer's, not the paper's.
        applyLayout(pageSizeFor(9), landscape);
        const QMarginsF a4 = m_minMargins;
        const QSizeF mm(frxRound(widthMM * 10) / 10.0, frxRound(heightMM * 10) / 10.0);
        applyLayout(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), landscape);
        if (m_minMargins.isNull())
            m_minMargins = a4;
    } else {
        applyLayout(pageSizeFor(paperCode), landscape);
    }
    // Job settings: the print system takes them when the job begins. A
    // sheet that wants another tray or duplex than the sheets before it
    // closes that part of the job, which goes to the queue as a job of its
    // own, and starts the next part with its settings. A file gets one job.
    const QString slot = slotKeyword(m_binOverride != -1 ? m_binOverride : bin);
    const QPrinter::DuplexMode sides = duplexMode(duplex, m_printer->duplex());
    if (m_canvas.isActive() && m_outputFile.isEmpty() && (slot != m_jobSlot || sides != m_printer->duplex()))
        m_canvas.end();
    if (!m_canvas.isActive()) {
        m_printer->setCopyCount(qMax(copies, 1));
        setInputSlot(slot);
        m_printer->setDuplex(sides);
    }
    readLayout();
    m_paperCode = paperCode;
    m_landscape = landscape;
}

void TfrxPrinter::StartJob()
{
    m_jobOpen = true;
    if (!m_printer)
        return;
    m_printer->setDocName(m_jobTitle);
    m_printer->setCreator(QStringLiteral("Lodera"));
    m_printer->setOutputFileName(m_outputFile);
}

void TfrxPrinter::StartSheet()
{
    if (!m_printer)
        return;
    if (!m_canvas.isActive()) {
        m_canvas.begin(m_printer.get());
    } else {
        m_printer->newPage();
        m_canvas.setOrigin(m_canvas.origin());
    }
}

void TfrxPrinter::EndSheet()
{
}

void TfrxPrinter::EndJob()
{
    m_canvas.end();
    m_jobOpen = false;
    m_binOverride = -1;
}

void TfrxPrinter::AbortJob()
{
    if (m_printer && m_canvas.isActive())
        m_printer->abort();
    EndJob();
}

void TfrxPrinter::StartRawJob()
{
    const QByteArray name = m_name.toUtf8();
    const QByteArray title = m_jobTitle.toUtf8();
    m_rawJob = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(), 0, nullptr);
    if (m_rawJob > 0)
        cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), m_rawJob, title.constData(), CUPS_FORMAT_RAW, 1);
}

void TfrxPrinter::WriteRaw(const QByteArray &data)
{
    if (m_rawJob > 0)
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, data.constData(), size_t(data.size()));
}

void TfrxPrinter::EndRawJob()
{
    if (m_rawJob > 0)
        cupsFinishDocument(CUPS_HTTP_DEFAULT, m_name.toUtf8().constData());
    m_rawJob = 0;
}

void TfrxPrinter::ShowDriverDialog()
{
    if (!m_printer || !driverDialog())
        return;
    int bin = -1;
    if (driverDialog()(*m_printer, bin)) {
        if (bin != -1)
            m_binOverride = bin;
        readLayout();
    }
}

// Printers of a real print system: the private scheduler's queue
// "LoderaTest" (600 dpi, A4/A5/Letter with 12-point side and 18-point top and
// bottom margins, trays Automatic, Upper Tray, Manual Feed and Tray 3).
#include "cupsenvironment.h"

#include "report/output/tfrxprinter.h"
#include "report/output/tfrxprinters.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <algorithm>

namespace {

constexpr double Side = 12 / 72.0 * 25.4;      // 4.233 mm
constexpr double TopBottom = 18 / 72.0 * 25.4; // 6.35 mm
constexpr double Tolerance = 0.05;             // about one device pixel at 600 dpi
// The driver's papers in points: A4 595 x 842, A5 420 x 595.
constexpr double A4W = 595 / 72.0 * 25.4, A4H = 842 / 72.0 * 25.4;
constexpr double A5W = 420 / 72.0 * 25.4, A5H = 595 / 72.0 * 25.4;

class CupsPrinter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(privateCups().isRunning()) << privateCups().error().toStdString();
    }

    static TfrxCustomPrinter *queue()
    {
        TfrxPrinters *list = PrinterList();
        const int i = list->FindPrinter("LoderaTest");
        if (i < 0)
            return nullptr;
        list->SetCurrentIndex(i);
        return list->Current();
    }
};

QString tool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "Page    2 size: 841.89 x 595.28 pts (A4)" -> (841.89, 595.28)
QList<QSizeF> pageSizes(const QString &pdf)
{
    QList<QSizeF> sizes;
    const QString info = tool("pdfinfo", {"-f", "1", "-l", "99", pdf});
    static const QRegularExpression re(R"re(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)re");
    for (auto it = re.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return sizes;
}

void expectSize(const QSizeF &got, double w, double h)
{
    EXPECT_NEAR(got.width(), w, 1.0);
    EXPECT_NEAR(got.height(), h, 1.0);
}

void writeLine(TfrxCustomPrinter *p, const QString &text)
{
    Canvas *c = p->Canvas();
    CanvasFont f;
    f.height = -100; // 12 points at 600 dpi
    c->setFont(f);
    c->setBackgroundMode(BackgroundMode::Transparent);
    c->textOut(300, 300, {}, QRect(), text);
    c->setPen(CanvasPen{Qt::black, 6, PenStyle::Solid});
    c->moveTo(300, 450);
    c->lineTo(2000, 450);
}

TEST_F(CupsPrinter, DefaultDestinationIsCurrentWithItsCapabilities)
{
    TfrxPrinters *list = PrinterList();
    EXPECT_TRUE(list->HasRealPrinters());
    ASSERT_GE(list->CurrentIndex(), 0);
    EXPECT_EQ(list->PrinterNames()[list->CurrentIndex()], "LoderaTest");
    TfrxCustomPrinter *p = list->Current();
    ASSERT_FALSE(p->IsVirtual());
    EXPECT_TRUE(p->Prepared());
    EXPECT_EQ(p->Resolution(), QPoint(600, 600));
    EXPECT_EQ(p->Canvas()->pixelsPerInchX(), 600);
    EXPECT_EQ(p->DefaultPaper(), 9);
    EXPECT_NEAR(p->DefaultPaperWidth(), A4W, Tolerance);
    EXPECT_NEAR(p->DefaultPaperHeight(), A4H, Tolerance);
    EXPECT_FALSE(p->DefaultLandscape());

    EXPECT_EQ(p->PaperNames().first(), "Özel");
    EXPECT_EQ(p->PaperCodes().first(), 256);
    for (int code : {9, 11, 1})
        EXPECT_GE(p->PaperIndexOf(code), 1) << code;
    EXPECT_EQ(p->PaperNames().size(), 4);
    EXPECT_EQ(p->PaperCodeOf(p->PaperNames()[p->PaperIndexOf(11)]), 11);

    // The automatic tray is the first entry "Varsayılan" itself.
    EXPECT_EQ(p->BinNames(), (QStringList{"Varsayılan", "Upper Tray", "Manual Feed", "Tray 3"}));
    EXPECT_EQ(p->BinCodes(), (QList<int>{7, 1, 4, 259}));
}

struct MarginCase
{
    const char *name;
    int code;
    double width, height;
    bool landscape;
    double paperW, paperH, left, top, right, bottom;
};

std::ostream &operator<<(std::ostream &os, const MarginCase &c) { return os << c.name; }

class CupsLayout : public CupsPrinter, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(CupsLayout, GivesTheDriversSizeAndMargins)
{
    const MarginCase &c = GetParam();
    TfrxCustomPrinter *p = queue();
    ASSERT_NE(p, nullptr);
    p->ApplyPageLayout(c.code, c.width, c.height, c.landscape);
    EXPECT_EQ(p->PaperCode(), c.code);
    EXPECT_EQ(p->Landscape(), c.landscape);
    EXPECT_NEAR(p->PaperWidthMM(), c.paperW, Tolerance);
    EXPECT_NEAR(p->PaperHeightMM(), c.paperH, Tolerance);
    EXPECT_NEAR(p->OffsetLeft(), c.left, Tolerance);
    EXPECT_NEAR(p->OffsetTop(), c.top, Tolerance);
    EXPECT_NEAR(p->OffsetRight(), c.right, Tolerance);
    EXPECT_NEAR(p->OffsetBottom(), c.bottom, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Printing, CupsLayout,
    ::testing::Values(
        MarginCase{"A4Portrait", 9, 0, 0, false, A4W, A4H, Side, TopBottom, Side, TopBottom},
        // Turned paper turns its margins too.
        MarginCase{"A4Landscape", 9, 0, 0, true, A4H, A4W, TopBottom, Side, TopBottom, Side},
        MarginCase{"A5Portrait", 11, 0, 0, false, A5W, A5H, Side, TopBottom, Side, TopBottom},
        // A custom size takes the margins A4 has in the same orientation.
        MarginCase{"Custom100x150", 256, 100, 150, false, 100, 150, Side, TopBottom, Side, TopBottom},
        MarginCase{"CustomLandscape", 256, 150, 100, true, 150, 100, TopBottom, Side, TopBottom, Side}));

// The words of each page with their boxes, from pdftotext's layout output.
struct Word
{
    int page;
    QRectF box;
    QString text;
};

QList<Word> words(const QString &pdf)
{
    QList<Word> result;
    const QString xml = tool("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression re(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    for (auto it = re.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        result.append(Word{page, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                           m.captured(5)});
    }
    return result;
}

// A landscape sheet reaches the print system as Qt sends every sheet to
// paper: on upright A4 with its content turned a quarter, so its words run
// up the page; an upright sheet's words run across.
TEST_F(CupsPrinter, JobPrintsEverySheetWithItsOwnOrientation)
{
    TfrxCustomPrinter *p = queue();
    ASSERT_NE(p, nullptr);
    privateCups().clearOutput();
    p->setJobTitle("Hasta Sevki");
    p->setOutputFile(QString());
    p->StartJob();
    EXPECT_TRUE(p->JobOpen());
    p->ApplyPrintLayout(9, 297, 210, true, 7, 1, 1);
    p->StartSheet();
    EXPECT_EQ(p->Canvas()->pixelsPerInchX(), 600);
    writeLine(p, "Hasta Sevk Formu");
    p->EndSheet();
    p->ApplyPrintLayout(9, 210, 297, false, 7, 1, 1);
    p->StartSheet();
    writeLine(p, "İkinci sayfa Çığ");
    p->EndSheet();
    p->EndJob();
    EXPECT_FALSE(p->JobOpen());

    ASSERT_TRUE(privateCups().waitForOutput()) << privateCups().errorLog().toStdString();
    const QList<QSizeF> sizes = pageSizes(privateCups().outputFile());
    ASSERT_EQ(sizes.size(), 2);
    expectSize(sizes[0], 595, 842);
    expectSize(sizes[1], 595, 842);
    const QList<Word> found = words(privateCups().outputFile());
    QStringList first, second;
    for (const Word &w : found) {
        (w.page == 1 ? first : second) << w.text;
        if (w.page == 1)
            EXPECT_GT(w.box.height(), w.box.width()) << w.text.toStdString();
        else
            EXPECT_GT(w.box.width(), w.box.height()) << w.text.toStdString();
    }
    EXPECT_EQ(first.join(' '), "Hasta Sevk Formu");
    EXPECT_EQ(second.join(' '), "İkinci sayfa Çığ");
    // The upright sheet's text starts 300 device pixels inside the printable
    // area: 12 + 36 points from the paper's left edge.
    for (const Word &w : found) {
        if (w.page == 2 && w.text == "İkinci") {
            EXPECT_NEAR(w.box.left(), 48.0, 0.5);
        }
    }
}

TEST_F(CupsPrinter, OutputFileReceivesTheJobInsteadOfTheQueue)
{
    TfrxCustomPrinter *p = queue();
    ASSERT_NE(p, nullptr);
    QTemporaryDir dir;
    const QString file = dir.filePath("sevk.prn");
    p->setOutputFile(file);
    p->StartJob();
    p->ApplyPrintLayout(9, 210, 297, true, 7, 1, 1);
    p->StartSheet();
    writeLine(p, "Dosyaya yazdır");
    p->EndSheet();
    p->EndJob();
    p->setOutputFile(QString());
    ASSERT_TRUE(QFile::exists(file));
    const QList<QSizeF> sizes = pageSizes(file);
    ASSERT_EQ(sizes.size(), 1);
    expectSize(sizes[0], 842, 595); // Qt writes the file with the sheet as laid out
    EXPECT_TRUE(tool("pdftotext", {file, "-"}).contains("Dosyaya yazdır"));
}

TEST_F(CupsPrinter, BinOverrideLastsOneJob)
{
    TfrxCustomPrinter *p = queue();
    ASSERT_NE(p, nullptr);
    QTemporaryDir dir;
    p->setOutputFile(dir.filePath("bin.prn"));
    p->setBinOverride(4);
    p->StartJob();
    p->ApplyPrintLayout(9, 210, 297, false, 1, 1, 1);
    auto *real = dynamic_cast<TfrxPrinter *>(p);
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(real->binKeyword(4), "Manual");
    p->StartSheet();
    p->EndSheet();
    p->EndJob();
    p->setOutputFile(QString());
    EXPECT_EQ(p->BinOverride(), -1) << "the next job uses the pages' trays again";
}

// The jobs the queue has seen, oldest first, with the tray each asked for.
QList<std::pair<int, QString>> queueJobs()
{
    cups_job_t *jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "LoderaTest", 0, CUPS_WHICHJOBS_ALL);
    QList<std::pair<int, QString>> out;
    for (int i = 0; i < n; ++i) {
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(jobs[i].id);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
        ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        QString slot;
        if (ipp_attribute_t *a = ippFindAttribute(response, "InputSlot", IPP_TAG_ZERO))
            slot = QString::fromUtf8(ippGetString(a, 0, nullptr));
        ippDelete(response);
        out.append({jobs[i].id, slot});
    }
    cupsFreeJobs(n, jobs);
    std::sort(out.begin(), out.end());
    return out;
}

// The first sheet from the upper tray, the others fed by hand: two jobs,
// each asking for its tray; sheets with the same tray stay in one job.
TEST_F(CupsPrinter, SheetWithAnotherTrayStartsAJobOfItsOwn)
{
    auto *p = dynamic_cast<TfrxPrinter *>(queue());
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->binKeyword(1), "Upper");
    ASSERT_EQ(p->binKeyword(4), "Manual");
    privateCups().clearOutput();
    const qsizetype before = queueJobs().size();
    p->setOutputFile(QString());
    p->StartJob();
    const char *texts[] = {"Antetli sayfa", "İkinci sayfa", "Üçüncü sayfa"};
    const int bins[] = {1, 4, 4};
    for (int i = 0; i < 3; ++i) {
        p->ApplyPrintLayout(9, 210, 297, false, bins[i], 1, 1);
        p->StartSheet();
        writeLine(p, texts[i]);
        p->EndSheet();
    }
    p->EndJob();
    ASSERT_TRUE(privateCups().waitForOutput()) << privateCups().errorLog().toStdString();
    const QList<std::pair<int, QString>> jobs = queueJobs().mid(before);
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_EQ(jobs[0].second, QStringLiteral("Upper"));
    EXPECT_EQ(jobs[1].second, QStringLiteral("Manual"));
    // The last job is the file the queue wrote last: the two hand-fed sheets.
    EXPECT_EQ(pageSizes(privateCups().outputFile()).size(), 2);
    const QString text = tool("pdftotext", {privateCups().outputFile(), "-"});
    EXPECT_TRUE(text.contains("İkinci sayfa") && text.contains("Üçüncü sayfa")) << text.toStdString();
    EXPECT_FALSE(text.contains("Antetli")) << text.toStdString();
}

// The duplex value is the page's setting plus one: 1 leaves the printer's
// own setting alone, 2 and 3 turn on the long and short edge, 4 is simplex.
TEST_F(CupsPrinter, PrintLayoutSetsDuplexCopiesAndCustomPaper)
{
    auto *p = dynamic_cast<TfrxPrinter *>(queue());
    ASSERT_NE(p, nullptr);
    QPrinter *settings = p->qprinter();
    ASSERT_NE(settings, nullptr);
    const struct
    {
        int duplex;
        QPrinter::DuplexMode expected;
    } steps[] = {{2, QPrinter::DuplexLongSide}, {1, QPrinter::DuplexLongSide}, {3, QPrinter::DuplexShortSide},
                 {1, QPrinter::DuplexShortSide}, {4, QPrinter::DuplexNone}, {1, QPrinter::DuplexNone}};
    for (const auto &step : steps) {
        p->ApplyPrintLayout(9, 210, 297, false, 7, 2, step.duplex);
        EXPECT_EQ(settings->duplex(), step.expected) << "duplex value " << step.duplex;
    }
    EXPECT_EQ(settings->copyCount(), 2);

    // Tenths of a millimetre (100.0 x 150.1), then Qt's whole points (283 x 425).
    p->ApplyPrintLayout(256, 100.04, 150.06, false, 7, 1, 1);
    EXPECT_EQ(p->PaperCode(), 256);
    EXPECT_NEAR(p->PaperWidthMM(), 283 / 72.0 * 25.4, Tolerance);
    EXPECT_NEAR(p->PaperHeightMM(), 425 / 72.0 * 25.4, Tolerance);
    // The driver knows no margins for a size of its own: those of A4 hold.
    EXPECT_NEAR(p->OffsetLeft(), Side, Tolerance);
    EXPECT_NEAR(p->OffsetTop(), TopBottom, Tolerance);
    p->ApplyPrintLayout(9, 210, 297, false, 7, 1, 4);
}

} // namespace

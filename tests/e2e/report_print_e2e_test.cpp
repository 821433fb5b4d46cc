// Printing the program's templates through a real print scheduler: a private
// CUPS with the queue "LoderaTest" as the default destination, whose device
// writes every job as a PDF file. The referral form and the staff list are
// built and printed exactly as the program does it (BuildPages, then
// PrintPrepared without a dialog) and the printed file is read back with
// poppler's tools.
#include "records/db/demoregister.h"
#include "records/db/maindatasets.h"
#include "referral/reportdatabinding.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"
#include "report/output/tfrxpreviewpages.h"
#include "support/cupsfixture.h"
#include "e2ecups.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The one scheduler of the test program: the CUPS client library reads its
// server once, so a second private scheduler would never see a job.
testsupport::CupsFixture &cups() { return e2eCups(); }

QString tool(const char *program, const QStringList &args)
{
    QProcess p;
    p.start(QString::fromLatin1(program), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(tool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The size of page n as it is seen, in whole points: a sheet the print
// system turned by 90 or 270 degrees counts as turned.
QSize pageSizePoints(const QString &pdf, int page)
{
    const QString info = tool("pdfinfo", {"-f", QString::number(page), "-l", QString::number(page), pdf});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page\\s+%1 size:\\s+([\\d.]+) x ([\\d.]+)").arg(page)).match(info);
    if (!m.hasMatch())
        return {};
    QSize size(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
    const QRegularExpressionMatch rot =
        QRegularExpression(QStringLiteral("Page\\s+%1 rot:\\s+(\\d+)").arg(page)).match(info);
    if (rot.hasMatch() && rot.captured(1).toInt() % 180 == 90)
        size.transpose();
    return size;
}

QString pageText(const QString &pdf, int page)
{
    return tool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

struct PrintedReports : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(cups().isRunning()) << cups().error().toStdString();
        cups().clearOutput();
    }

    QString printAndWait(TfrxReport &report)
    {
        EXPECT_TRUE(report.BuildPages(true)) << report.Errors().join('\n').toStdString();
        EXPECT_TRUE(report.PrintPrepared());
        EXPECT_TRUE(cups().waitForOutput()) << cups().errorLog().toStdString();
        return cups().outputFile();
    }
};

TEST_F(PrintedReports, ReferralFormPrintsBothCopiesOnOneLandscapeSheet)
{
    std::unique_ptr<TfrxReport> report = CreateTemplate(TemplateName::RpHasta);
    const QList<std::pair<const char *, QString>> fills = {{"MHasta", QStringLiteral("Ayşe Çiğdem Yılmaz")},
                                                           {"MKurum", QStringLiteral("Gölbaşı Şube Müdürlüğü")}};
    for (const auto &[name, text] : fills)
        for (const QString &memoName : {QString::fromLatin1(name), QString::fromLatin1(name) + QLatin1Char('2')}) {
            auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(memoName));
            ASSERT_NE(memo, nullptr) << memoName.toStdString();
            memo->SetText(text);
        }
    const QString pdf = printAndWait(*report);
    EXPECT_EQ(pageCount(pdf), 1);
    // A4; the queue's filter delivers the turned sheet on upright media, so
    // the orientation is not told by the page box but by the text: the two
    // copies stand side by side, each filled line holds both.
    const QSize size = pageSizePoints(pdf, 1);
    EXPECT_TRUE(size == QSize(842, 595) || size == QSize(595, 842)) << size.width() << "x" << size.height();
    const QString text = pageText(pdf, 1);
    const QString layout = tool("pdftotext", {"-layout", "-f", "1", "-l", "1", pdf, "-"});
    for (const auto &[name, value] : fills) {
        EXPECT_EQ(text.count(value), 2) << name << "\n" << text.toStdString();
        const QStringList lines = layout.split(QLatin1Char('\n'));
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString &l) { return l.count(value) == 2; }))
            << name << " is not printed twice on one line: the sheet is not landscape\n" << layout.toStdString();
    }
}

TEST_F(PrintedReports, StaffListPrintsEveryPageUprightWithItsNumber)
{
    QTemporaryDir dir;
    db::DemoOptions options;
    options.staff = 60;
    options.statsPerStaff = 4;
    const QString dbFile = dir.filePath(QStringLiteral("Data.ssd"));
    db::DemoRegister::create(dbFile, options);
    db::MainDatasets data;
    data.open(dbFile);
    QObject owner;
    ReportDataBinding::makeReportDataset(data.Query1, QStringLiteral("frxDBDataset1"), &owner);
    ReportDataBinding::makeReportDataset(data.QIstatistik, QStringLiteral("frxDBDataset2"), &owner);

    std::unique_ptr<TfrxReport> report = CreateTemplate(TemplateName::RpDetay);
    const QString pdf = printAndWait(*report);
    const int pages = report->PreviewPages()->PageCount();
    ASSERT_GT(pages, 1) << "60 staff members with their referrals fill more than one page";
    EXPECT_EQ(pageCount(pdf), pages);
    for (int n = 1; n <= pages; ++n) {
        EXPECT_EQ(pageSizePoints(pdf, n), QSize(595, 842)) << "page " << n;
        EXPECT_TRUE(pageText(pdf, n).contains(QStringLiteral("Sayfa: %1").arg(n))) << "page " << n;
    }
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("ALINAN SEVKLER")));
}

} // namespace

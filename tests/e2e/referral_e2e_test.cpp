// The whole program issuing referrals: the real main window on a demo register
// in a working folder of its own, driven through its controls, printing
// through a private CUPS scheduler whose queue writes every job as a PDF.
#include "app/dataentrypanel.h"
#include "boxanswer.h"
#include "app/referralpanel.h"
#include "app/tform1.h"
#include "platform/profilefile.h"
#include "records/db/maindatasets.h"
#include "records/ui/dblookupcombobox.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewreportrun.h"
#include "report/ui/tfrxreportuirun.h"
#include "settings/tayarfrm.h"
#include "e2ecups.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

testsupport::CupsFixture &referralCups()
{
    return e2eCups();
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        ADD_FAILURE() << program.toStdString() << " did not finish";
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The printed text with every run of white space made one blank, so a value
// that a memo wraps onto two lines still reads as written.
QString printedText(const QString &pdf)
{
    QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.replace(space, QStringLiteral(" "));
}

class ReferralE2E : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(referralCups().isRunning()) << referralCups().error().toStdString();
        referralCups().clearOutput();
        const QString tool = testsupport::binDir() + QStringLiteral("/lodera-tool");
        ASSERT_TRUE(QFile::exists(tool)) << tool.toStdString();
        ASSERT_EQ(QProcess::execute(tool, {QStringLiteral("demo-db"), m_dir.path(), QStringLiteral("--staff"),
                                           QStringLiteral("8"), QStringLiteral("--stats"), QStringLiteral("0")}),
                  0);
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QFile::remove(ProfileFile::programIniPath());

        form = std::make_unique<TForm1>();
        ASSERT_TRUE(form->startAllowed());
        settings = new TAyarFrm(form.get());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        settings->ChkYazdir->setChecked(false); // straight to the printer
        settings->RBtn3->setChecked(true);      // count every referral
        panel = form->Panel4;
        form->Panel6->EdKurum1->setText(s("İL SAĞLIK MÜDÜRLÜĞÜ"));
        form->Panel6->EdAdres1->setText(s("Atatürk Bulvarı No:12 Çankaya"));
        panel->EdTarih->setText(QStringLiteral("03.04.2025"));
        panel->EdCikis->setText(QStringLiteral("2026/41"));
        panel->ComboBox2->setCurrentText(s("Özel Muayenehane"));
        chooseSignatory();
    }

    void TearDown() override
    {
        if (form)
            form->close();
        form.reset();
        QDir::setCurrent(m_previousFolder);
    }

    void chooseSignatory()
    {
        DBLookupComboBox *chooser = panel->DBLookupComboBox2;
        ASSERT_GT(chooser->count(), 1);
        chooser->setCurrentIndex(1);
        emit chooser->activated(1);
        db::Dataset &t = form->data().Table1;
        signatory = t.fieldByName(QStringLiteral("Soyadi")).displayText() + QLatin1Char(' ')
                    + t.fieldByName(QStringLiteral("Adi")).displayText();
        signatoryTitle = t.fieldByName(QStringLiteral("Unvani")).displayText();
    }

    QString staffText(const char *column) const
    {
        return form->data().Query1.fieldByName(QString::fromLatin1(column)).displayText();
    }

    int statisticsRows() const
    {
        db::Dataset &counts = form->data().ADOQuery1;
        int total = 0;
        for (counts.first(); !counts.eof(); counts.next())
            total += counts.fieldByName(QStringLiteral("Adet")).value().toInt();
        return total;
    }

    // Clicks the button and waits for the printed PDF; its text.
    QString printBy(QPushButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        if (!referralCups().waitForOutput()) {
            ADD_FAILURE() << "no job printed\n" << referralCups().errorLog().toStdString();
            return QString();
        }
        return printedText(referralCups().outputFile());
    }

    // One A4 sheet printed across its long side: the queue may hand the page
    // over in portrait with the drawing turned, as a printer prints landscape,
    // so the sheet's size is checked either way round and the orientation by
    // the two copies standing side by side on the first line of text.
    void expectLandscapeA4OnePage() const
    {
        const QString pdf = referralCups().outputFile();
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
        const auto m = size.match(info);
        ASSERT_TRUE(m.hasMatch()) << info.toStdString();
        const double a = m.captured(1).toDouble(), b = m.captured(2).toDouble();
        EXPECT_NEAR(std::max(a, b), 841.89, 1.0); // 297 mm
        EXPECT_NEAR(std::min(a, b), 595.28, 1.0); // 210 mm
        const QString layout = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const QString firstLine = layout.section(QLatin1Char('\n'), 0, 0);
        EXPECT_EQ(firstLine.count(s("MUAYENE İSTEĞİ")), 2) << layout.toStdString();
    }

    QTemporaryDir m_dir;
    QString m_previousFolder;
    std::unique_ptr<TForm1> form;
    TAyarFrm *settings = nullptr;
    ReferralPanel *panel = nullptr;
    QString signatory, signatoryTitle;
};

// Each value is printed once in each copy of the form.
void expectTwice(const QString &printed, const QStringList &values)
{
    for (const QString &v : values)
        EXPECT_EQ(printed.count(v), 2) << "value \"" << v.toStdString() << "\" in:\n" << printed.toStdString();
}

TEST_F(ReferralE2E, PatientFormForTheStaffMemberPrintsBothCopies)
{
    const int before = statisticsRows();
    const QString printed = printBy(panel->BtnHasta);
    expectLandscapeA4OnePage();
    expectTwice(printed, {s("İL SAĞLIK MÜDÜRLÜĞÜ"), s("Atatürk Bulvarı No:12 Çankaya"),
                          staffText("Soyadi") + QLatin1Char(' ') + staffText("Adi"), staffText("TCKimlik"),
                          signatory, signatoryTitle, QStringLiteral("03.04.2025"), QStringLiteral("2026/41"),
                          s("Özel Muayenehane")});
    EXPECT_EQ(printed.count(QStringLiteral("Kendisi")), 4); // the patient and his identity number
    EXPECT_EQ(statisticsRows(), before + 1);

    // The next number for the next form.
    QTest::mouseClick(panel->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(panel->EdCikis->text(), QStringLiteral("2026/42"));
}

TEST_F(ReferralE2E, DentalFormForAChosenDependantAfterTheQuestion)
{
    db::MainDatasets &data = form->data();
    while (data.QueryDetail.recordCount() < 2 && !data.Query1.eof())
        data.Query1.next();
    ASSERT_GE(data.QueryDetail.recordCount(), 2) << "the demo register has a family";
    settings->RBtn2->setChecked(true);

    QTest::mouseClick(panel->RbYakini, Qt::LeftButton);
    DBLookupComboBox *chooser = panel->ComboBox1;
    chooser->setCurrentIndex(1);
    emit chooser->activated(1);
    db::Dataset &dep = data.QueryDetail;
    const QString name = dep.fieldByName(QStringLiteral("Soyadi")).displayText() + QLatin1Char(' ')
                         + dep.fieldByName(QStringLiteral("Adi")).displayText() + QStringLiteral(" - ")
                         + dep.fieldByName(QStringLiteral("Yakinligi")).displayText();
    const QString identity = dep.fieldByName(QStringLiteral("TCKimlik")).displayText();

    const int before = statisticsRows();
    BoxAnswer yes(QMessageBox::Yes);
    const QString printed = printBy(panel->BtnDis);
    EXPECT_EQ(yes.texts(), QStringList{s("İstatistik için kayıt eklensin mi?")});
    expectLandscapeA4OnePage();
    expectTwice(printed, {name, identity, signatory, signatoryTitle, QStringLiteral("2026/41"),
                          QStringLiteral("03.04.2025"), staffText("Soyadi") + QLatin1Char(' ') + staffText("Adi")});
    EXPECT_EQ(printed.count(QStringLiteral("Kendisi")), 0);
    EXPECT_EQ(statisticsRows(), before + 1);
    EXPECT_EQ(data.QIstatistik.fieldByName(QStringLiteral("SevkAlan")).displayText(), s("Yakını"));
    EXPECT_EQ(data.QIstatistik.fieldByName(QStringLiteral("Turu")).displayText(), s("Diş"));
}

TEST_F(ReferralE2E, BlankPatientFormCarriesOnlyTheDatePlaceholder)
{
    const int before = statisticsRows();
    panel->ChkBos->setChecked(true);
    const QString printed = printBy(panel->BtnHasta);
    expectLandscapeA4OnePage();
    EXPECT_EQ(printed.count(QStringLiteral("..... / ..... / 20.....")), 2) << printed.toStdString();
    for (const QString &v : {s("İL SAĞLIK MÜDÜRLÜĞÜ"), staffText("Soyadi"), signatory, QStringLiteral("2026/41"),
                             QStringLiteral("03.04.2025"), QStringLiteral("Kendisi")})
        EXPECT_FALSE(printed.contains(v)) << v.toStdString();
    EXPECT_TRUE(printed.contains(s("HASTANIN MUAYENE İSTEĞİ")));
    EXPECT_EQ(statisticsRows(), before);
}

TEST_F(ReferralE2E, RefusedStatisticsRowPrintsNothingAndShowsTheError)
{
    const int before = statisticsRows();
    // A rule of the database that refuses every new statistics row.
    form->data().Connection1.execute(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON istatistik BEGIN SELECT RAISE(ABORT, 'disk dolu'); END"));
    BoxAnswer ok(QMessageBox::Ok);
    QTest::mouseClick(panel->BtnHasta, Qt::LeftButton);
    ASSERT_EQ(ok.texts().size(), 1);
    EXPECT_TRUE(ok.texts().first().contains(QStringLiteral("disk dolu"))) << ok.texts().first().toStdString();
    EXPECT_FALSE(referralCups().waitForOutput(3000)) << "nothing may be printed";
    EXPECT_EQ(statisticsRows(), before);
    EXPECT_EQ(form->data().QIstatistik.state(), db::DatasetState::Browse);
}

// With the preview option on the form opens in the preview window, as in the
// program, and the clerk prints it from there.
class ReferralPreviewE2E : public ReferralE2E
{
protected:
    void SetUp() override
    {
        frxInstallReportPreview(); // before the main window makes its reports
        ReferralE2E::SetUp();
        if (HasFatalFailure())
            return;
        settings->ChkYazdir->setChecked(true);
    }
    void TearDown() override
    {
        ReferralE2E::TearDown();
        frxInstallReportUi();
    }
};

TEST_F(ReferralPreviewE2E, PatientFormPrintedFromThePreview)
{
    int shownPages = -1;
    bool printed = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto *window = qobject_cast<TfrxPreviewForm *>(QApplication::activeModalWidget());
        if (!window || window->Preview()->Preparing())
            return;
        if (!printed && window->Preview()->PageCount() > 0) {
            shownPages = window->Preview()->PageCount();
            printed = true;
            window->Button("PrintB")->click();
            window->close();
        }
    });
    driver.start(20);
    const int before = statisticsRows();
    QTest::mouseClick(panel->BtnHasta, Qt::LeftButton);
    driver.stop();
    ASSERT_TRUE(printed) << "the preview window did not show the form";
    EXPECT_EQ(shownPages, 1);
    ASSERT_TRUE(referralCups().waitForOutput()) << referralCups().errorLog().toStdString();
    expectLandscapeA4OnePage();
    expectTwice(printedText(referralCups().outputFile()),
                {s("İL SAĞLIK MÜDÜRLÜĞÜ"), staffText("Soyadi") + QLatin1Char(' ') + staffText("Adi"), signatory,
                 QStringLiteral("03.04.2025"), QStringLiteral("2026/41")});
    EXPECT_EQ(statisticsRows(), before + 1);
}

// The program itself, started as the office starts it: Lodera in a working
// folder holding the register, offscreen. Once past the database, the
// single-copy rule and the password gate it waits in its event loop holding
// the lock of the running copy, which names its process.
TEST(ProgramE2E, StartsOnTheRegisterOfItsWorkingFolderAndHoldsTheRunningCopyLock)
{
    const QString program = testsupport::binDir() + QStringLiteral("/Lodera");
    const QString tool = testsupport::binDir() + QStringLiteral("/lodera-tool");
    ASSERT_TRUE(QFile::exists(program)) << program.toStdString();
    ASSERT_TRUE(QFile::exists(tool)) << tool.toStdString();
    QTemporaryDir work, runtime;
    ASSERT_TRUE(work.isValid() && runtime.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(QProcess::execute(tool, {QStringLiteral("demo-db"), work.path(), QStringLiteral("--staff"),
                                       QStringLiteral("3"), QStringLiteral("--stats"), QStringLiteral("0")}),
              0);
    const QString lockPath = runtime.path() + QStringLiteral("/Lodera.exe.lock");
    ASSERT_FALSE(QFile::exists(lockPath));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The second start follows a copy that was killed and left its lock
    // behind: a lock whose process is gone is taken over.
    for (const char *start : {"first start", "start after a killed copy"}) {
        SCOPED_TRACE(start);
        QProcess lodera;
        lodera.setProcessEnvironment(env);
        lodera.setWorkingDirectory(work.path());
        lodera.setProcessChannelMode(QProcess::MergedChannels);
        lodera.start(program, {});
        ASSERT_TRUE(lodera.waitForStarted(10000));

        // The lock names the program once its main window has opened the
        // register; a moment later it is still running, in its event loop.
        qint64 holder = 0;
        QString host, app;
        QElapsedTimer t;
        t.start();
        while (lodera.state() == QProcess::Running && t.elapsed() < 60000) {
            QLockFile lock(lockPath);
            if (lock.getLockInfo(&holder, &host, &app) && holder == lodera.processId())
                break;
            lodera.waitForFinished(100);
        }
        EXPECT_EQ(holder, lodera.processId()) << "output: " << lodera.readAll().toStdString();
        lodera.waitForFinished(500);
        EXPECT_EQ(lodera.state(), QProcess::Running) << "output: " << lodera.readAll().toStdString();
        lodera.kill();
        lodera.waitForFinished(10000);
        EXPECT_TRUE(QFile::exists(lockPath));
    }
}

} // namespace

// The two statistics lists, printed by the real main window through a private
// CUPS queue (the default destination of this test program) and read back
// from the printed PDF: the staff blocks, their row counts, the dates in the
// short date format and the page numbers, with the date filter off and on.
//
// Register: Ahmet YILMAZ (row 1) has 30 referrals, 01.01.2026 to 30.01.2026;
// Mehmet KAYA (row 2) has none; Ayşe DEMİR (row 3) has 40, 01.02.2026 to
// 12.03.2026. The full list does not fit on one page.
#include "mainwindowfixture.h"

#include "app/mainreports.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxreport.h"
#include "stats/listoutput.h"

#include "records/db/maindatasets.h"
#include "stats/statspanel.h"
#include "e2ecups.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

testsupport::CupsFixture &privateCups()
{
    return e2eCups(); // the scheduler every end-to-end test prints through
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList out;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}

QStringList days(QDate from, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << from.addDays(i).toString(QStringLiteral("dd.MM.yyyy"));
    return out;
}

class StatsListE2E : public MainWindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(privateCups().isRunning()) << privateCups().error().toStdString();
        MainWindowTest::SetUp();
        // Straight to the default printer, no preview.
        settings->ChkYazdir->setChecked(false);
        form->ToolBtn3Click();
    }

    void fill() override
    {
        folder.fillSample();
        QString sql = QStringLiteral("BEGIN;");
        for (int i = 0; i < 30; ++i)
            sql += QStringLiteral("INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) "
                                  "VALUES (1, 'Kendisi', 'Normal', 1, '%1');")
                       .arg(QDate(2026, 1, 1).addDays(i).toString(Qt::ISODate));
        for (int i = 0; i < 40; ++i)
            sql += QStringLiteral("INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) "
                                  "VALUES (3, 'Yakını', 'Diş', 1, '%1');")
                       .arg(QDate(2026, 2, 1).addDays(i).toString(Qt::ISODate));
        sql += QStringLiteral("UPDATE Personel SET KadroDerece='3/2' WHERE SiraNo=3; COMMIT;");
        folder.exec(sql);
    }

    void filterOn(QDate from, QDate to)
    {
        form->Panel16->DateTimePicker1->setDate(from);
        form->Panel16->DateTimePicker2->setDate(to);
        QTest::mouseClick(form->Panel16->Button1, Qt::LeftButton);
    }

    // Clicks a list button and returns the printed job as text, with the
    // number of pages.
    QString print(QPushButton *button, int *pages)
    {
        privateCups().clearOutput();
        QTest::mouseClick(button, Qt::LeftButton);
        if (!privateCups().waitForOutput()) {
            ADD_FAILURE() << "no job printed; scheduler log:\n" << privateCups().errorLog().toStdString();
            return QString();
        }
        const QString pdf = privateCups().outputFile();
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        *pages = captures(info, QStringLiteral("Pages:\\s+(\\d+)")).value(0).toInt();
        return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }
};

// What the layout alone decides: the pages a list takes (the filter shortens
// the full list to one page), its title, and whether the personal list's
// footer follows printed rows.
TEST_F(StatsListE2E, ListsTakeTheirPagesWithTheFilterOffAndOn)
{
    const struct {
        const char *label;
        const char *button;
        bool filtered;
        int staffRow;
        const char *title;
        int pages;
        bool footer;
    } rows[] = {
        {"full list", "BitBtn1", false, 1, "ALINAN SEVKLER - TÜM LİSTE", 2, true},
        {"full list filtered", "BitBtn1", true, 1, "ALINAN SEVKLER - TÜM LİSTE", 1, true},
        {"personal", "BitBtn2", false, 3, "ALINAN SEVKLER - KİŞİSEL", 1, true},
        {"personal filtered", "BitBtn2", true, 3, "ALINAN SEVKLER - KİŞİSEL", 1, true},
        {"personal without rows", "BitBtn2", false, 2, "ALINAN SEVKLER - KİŞİSEL", 1, false},
        {"personal, none in range", "BitBtn2", true, 2, "ALINAN SEVKLER - KİŞİSEL", 1, false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.label);
        if (r.filtered)
            filterOn(QDate(2026, 1, 10), QDate(2026, 2, 5));
        else
            QTest::mouseClick(form->Panel16->Button3, Qt::LeftButton);
        form->data().Query1.setRecNo(r.staffRow);
        int pages = 0;
        const QString text = print(form->findChild<QPushButton *>(QString::fromLatin1(r.button)), &pages);
        EXPECT_EQ(pages, r.pages);
        EXPECT_EQ(text.count(s(r.title)), 1);
        EXPECT_EQ(text.contains(s("Aldığı Sevk Sayısı")), r.footer);
    }
}

// The printed field values, counts, dates and page numbers: the bound memos
// print their fields, "[Page#]" and "[Line]" are expanded.
TEST_F(StatsListE2E, FullListPrintsTheMembersWithReferralsOverTwoPages)
{
    int pages = 0;
    const QString text = print(form->Panel16->BitBtn1, &pages);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(text.count(s("ALINAN SEVKLER - TÜM LİSTE")), 1);
    EXPECT_EQ(captures(text, s("Sayfa: (\\d+)")), QStringList({"1", "2"}));
    // Blocks in the order of the staff list; a member without rows is left out.
    EXPECT_EQ(captures(text, s("Adı Soyadı:\\s+(\\S+ \\S+)")), QStringList({"Ahmet YILMAZ", s("Ayşe DEMİR")}));
    EXPECT_FALSE(text.contains(s("Mehmet KAYA")));
    EXPECT_EQ(captures(text, s("Aldığı Sevk Sayısı:\\s+(\\d+)")), QStringList({"30", "40"}));
    EXPECT_EQ(captures(text, s("(\\d\\d\\.\\d\\d\\.\\d{4})")),
              days(QDate(2026, 1, 1), 30) + days(QDate(2026, 2, 1), 40));
    EXPECT_TRUE(text.contains(s("3/2")));
    // Preparing the full list walks the staff list to its end.
    EXPECT_EQ(form->data().Query1.recNo(), form->data().Query1.recordCount());
}

TEST_F(StatsListE2E, FullListUnderTheFilterHoldsOnlyTheRangesRows)
{
    filterOn(QDate(2026, 1, 10), QDate(2026, 2, 5));
    int pages = 0;
    const QString text = print(form->Panel16->BitBtn1, &pages);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(captures(text, s("Sayfa: (\\d+)")), QStringList({"1"}));
    EXPECT_EQ(captures(text, s("Aldığı Sevk Sayısı:\\s+(\\d+)")), QStringList({"21", "5"}));
    EXPECT_EQ(captures(text, s("(\\d\\d\\.\\d\\d\\.\\d{4})")),
              days(QDate(2026, 1, 10), 21) + days(QDate(2026, 2, 1), 5));
}

TEST_F(StatsListE2E, PersonalListPrintsTheNameRowsAndCount)
{
    const struct {
        const char *label;
        int staffRow;
        bool filtered;
        const char *name;
        QStringList dates;
        const char *footer; // the count, or nothing when no row printed
    } rows[] = {
        {"all rows", 1, false, "Ahmet YILMAZ", days(QDate(2026, 1, 1), 30), "30 Adet"},
        {"filtered", 1, true, "Ahmet YILMAZ", days(QDate(2026, 1, 10), 21), "21 Adet"},
        {"other member filtered", 3, true, "Ayşe DEMİR", days(QDate(2026, 2, 1), 5), "5 Adet"},
        {"no rows", 2, false, "Mehmet KAYA", {}, nullptr},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.label);
        if (r.filtered)
            filterOn(QDate(2026, 1, 10), QDate(2026, 2, 5));
        else
            QTest::mouseClick(form->Panel16->Button3, Qt::LeftButton);
        form->data().Query1.setRecNo(r.staffRow);
        int pages = 0;
        const QString text = print(form->Panel16->BitBtn2, &pages);
        EXPECT_EQ(pages, 1);
        EXPECT_EQ(text.count(s("ALINAN SEVKLER - KİŞİSEL")), 1);
        EXPECT_EQ(captures(text, s("Adı Soyadı »\\s+(\\S+ \\S+)")), QStringList({s(r.name)}));
        EXPECT_TRUE(text.contains(s("Aldığı Sevkin »")));
        EXPECT_EQ(captures(text, s("(\\d\\d\\.\\d\\d\\.\\d{4})")), r.dates);
        if (r.footer) {
            EXPECT_EQ(captures(text, s("Aldığı Sevk Sayısı »\\s+(\\d+ Adet)")), QStringList({s(r.footer)}));
        } else {
            EXPECT_FALSE(text.contains(s("Aldığı Sevk Sayısı")));
        }
    }
}

// A list whose build ends in an error still goes to the printer with the
// pages it prepared, as a referral form does. The footer's text does not
// compile, so the run ends at the first member's footer: one page with his
// rows. (Silent: the error box would wait for a click.)
TEST_F(StatsListE2E, FullListPrintsThePagesOfABuildThatFailed)
{
    TfrxReport *report = form->reports().RpDetay();
    report->EngineOptions()->SetSilentMode(true);
    ListOutput::writeMemo(report, QStringLiteral("Memo12"), QStringLiteral("Sayı: [1 +]"));
    int pages = 0;
    const QString text = print(form->Panel16->BitBtn1, &pages);
    EXPECT_FALSE(report->Errors().isEmpty());
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(text.contains(s("Ahmet YILMAZ")));
    EXPECT_EQ(captures(text, s("(\\d\\d\\.\\d\\d\\.\\d{4})")), days(QDate(2026, 1, 1), 30));
    EXPECT_FALSE(text.contains(s("Ayşe DEMİR")));
}

} // namespace

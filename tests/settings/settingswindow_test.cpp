#include "dialogdriver.h"
#include "settingswindowfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

enum class CloseBy { Ok, Cancel, Escape, CloseBox };

struct CloseCase {
    const char *name;
    CloseBy how;
};

class ClosingWritesOptions : public SettingsWindowTest, public ::testing::WithParamInterface<CloseCase>
{
};

void closeWindow(TAyarFrm &w, CloseBy how)
{
    switch (how) {
    case CloseBy::Ok: QTest::mouseClick(w.OKBtn, Qt::LeftButton); break;
    case CloseBy::Cancel: QTest::mouseClick(w.CancelBtn, Qt::LeftButton); break;
    case CloseBy::Escape: QTest::keyClick(&w, Qt::Key_Escape); break;
    case CloseBy::CloseBox: w.close(); break;
    }
}

} // namespace

TEST_F(SettingsWindowTest, FirstStartShowsTheDefaultsAndWritesNothingBeforeAClose)
{
    create();
    EXPECT_TRUE(window->ChkYazdir->isChecked());
    EXPECT_FALSE(window->ChkArama->isChecked());
    EXPECT_FALSE(window->ChkSira->isChecked());
    EXPECT_FALSE(window->ChkTarih->isChecked());
    EXPECT_TRUE(window->RBtn1->isChecked());
    EXPECT_FALSE(window->SifreChk->isChecked());
    EXPECT_FALSE(window->SifreChk->isEnabled()) << "no password stored yet";
    EXPECT_EQ(window->PageControl1->currentWidget(), window->TabSheet1);
    EXPECT_EQ(bytes(ini()), "<missing>");
}

// Every way of closing writes the options, whatever tab it happens on; the
// clerk's change on another tab is kept even by "İptal".
TEST_P(ClosingWritesOptions, FileHoldsTheControlsByteForByte)
{
    create();
    window->open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->PageControl1->setCurrentWidget(window->TabSheet2);
    QTest::mouseClick(window->ChkYazdir, Qt::LeftButton);
    QTest::mouseClick(window->ChkSira, Qt::LeftButton);
    window->PageControl1->setCurrentWidget(window->TabSheet3);
    QTest::mouseClick(window->RBtn2, Qt::LeftButton);
    window->PageControl1->setCurrentWidget(window->TabSheet1);

    closeWindow(*window, GetParam().how);

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(bytes(ini()), QByteArray("[Se\xE7im]\r\n"
                                       "Onzileme=0\r\n"
                                       "Arama=0\r\n"
                                       "Siralama=1\r\n"
                                       "Tarih=0\r\n"
                                       "\r\n"
                                       "[Krtk]\r\n"
                                       "1=0\r\n"
                                       "Secim=2\r\n"));
    // The next start finds them again.
    destroy();
    create();
    EXPECT_FALSE(window->ChkYazdir->isChecked());
    EXPECT_TRUE(window->ChkSira->isChecked());
    EXPECT_TRUE(window->RBtn2->isChecked());
    EXPECT_FALSE(window->RBtn1->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWritesOptions,
                         ::testing::Values(CloseCase{"Tamam", CloseBy::Ok}, CloseCase{"Iptal", CloseBy::Cancel},
                                           CloseCase{"Escape", CloseBy::Escape},
                                           CloseCase{"CloseBox", CloseBy::CloseBox}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, CancelIsOfferedOnThePasswordTabOnly)
{
    create();
    window->open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    struct {
        QWidget *tab;
        bool cancel;
    } rows[] = {{window->TabSheet2, false}, {window->TabSheet1, true}, {window->TabSheet3, false}};
    for (const auto &row : rows) {
        window->PageControl1->setCurrentWidget(row.tab);
        EXPECT_EQ(window->CancelBtn->isEnabled(), row.cancel) << row.tab->objectName().toStdString();
    }
    // Escape does nothing while "İptal" is not offered.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(bytes(ini()), "<missing>");

    // The next opening shows the tab last used.
    window->close();
    window->open();
    EXPECT_EQ(window->PageControl1->currentWidget(), window->TabSheet3);
    EXPECT_FALSE(window->CancelBtn->isEnabled());
    window->close();
}

// A truth value is an integer (hexadecimal after 0x); anything else keeps
// what the control holds, which after a first reading is the last stored state.
TEST_F(SettingsWindowTest, ValuesThatAreNotPlainDigitsFollowTheReadingRule)
{
    write(ini(), "[Se\xE7im]\r\n"
                 "Onzileme=yes\r\n"
                 "Arama=0x1\r\n"
                 "Siralama=yes\r\n"
                 "Tarih=0X0\r\n"
                 "garbage line without equals\r\n"
                 "[Krtk]\r\n"
                 "1=0x0\r\n");
    create();
    EXPECT_TRUE(window->ChkYazdir->isChecked()) << "yes keeps the default, ticked";
    EXPECT_TRUE(window->ChkArama->isChecked()) << "0x1 is true";
    EXPECT_FALSE(window->ChkSira->isChecked()) << "yes keeps the default, not ticked";
    EXPECT_FALSE(window->ChkTarih->isChecked());
    EXPECT_FALSE(window->RBtn1->isChecked());
    EXPECT_FALSE(window->RBtn2->isChecked()) << "without the choice key no button is selected";
    EXPECT_FALSE(window->RBtn3->isChecked());

    // Shown again after the clerk ticked alphabetical order in memory, "yes"
    // keeps the tick: the control's state is the default.
    window->ChkSira->setChecked(true);
    window->open();
    EXPECT_TRUE(window->ChkSira->isChecked());
    EXPECT_TRUE(window->ChkArama->isChecked());
    window->close();
}

TEST_F(SettingsWindowTest, ShowingReadsTheFileAgain)
{
    create();
    write(ini(), "[Se\xE7im]\r\nTarih=1\r\n[Krtk]\r\n1=0\r\nSecim=3\r\n");
    window->open();
    EXPECT_TRUE(window->ChkTarih->isChecked());
    EXPECT_TRUE(window->RBtn3->isChecked());
    window->close();
}

TEST_F(SettingsWindowTest, TamamAsksForAlphabeticalOrderOnlyWhenTicked)
{
    create();
    QSignalSpy reorder(window.get(), &TAyarFrm::alphabeticalOrderRequested);
    window->open();
    QTest::mouseClick(window->OKBtn, Qt::LeftButton);
    EXPECT_EQ(reorder.count(), 0);

    window->open();
    window->ChkSira->setChecked(true);
    QTest::mouseClick(window->CancelBtn, Qt::LeftButton);
    EXPECT_EQ(reorder.count(), 0) << "only Tamam re-orders";

    window->open();
    QTest::mouseClick(window->OKBtn, Qt::LeftButton);
    EXPECT_EQ(reorder.count(), 1);
    EXPECT_EQ(bytes(winIni()), "[Lodera]\r\nActive=0\r\n") << "Tamam writes the protection switch";
}

TEST_F(SettingsWindowTest, UnwritableSettingsFileIsReportedAndTheOptionsStay)
{
    // A folder where the file should be: no write can succeed, even for root.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Lodera.ini")));
    create();
    window->open();
    window->ChkArama->setChecked(true);
    DialogDriver driver;
    driver.answerBox(QMessageBox::Ok);
    QTest::mouseClick(window->OKBtn, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return driver.finished(); }, 5000));
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(driver.boxes().size(), 1);
    EXPECT_TRUE(driver.boxes().front().contains(ini())) << driver.boxes().front().toStdString();
    EXPECT_TRUE(window->ChkArama->isChecked());
}

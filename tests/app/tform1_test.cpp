// The main window at start, its panel switching, the idle update and hints.
#include "mainwindowfixture.h"

#include "app/dataentrypanel.h"
#include "app/panelstatusbar.h"
#include "app/referralpanel.h"
#include "boxanswer.h"
#include "platform/localeformats.h"
#include "platform/loderaerror.h"
#include "platform/singleinstance.h"
#include "records/db/maindatasets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

using StartTest = MainWindowTest;

TEST_F(StartTest, OpensOnTheReferralPanelWithTheFirstTab)
{
    EXPECT_EQ(form->windowTitle(), s(" Lodera 2.3"));
    EXPECT_EQ(form->size(), QSize(601, 407));
    EXPECT_TRUE(find<QWidget>("Panel4")->isVisible());
    EXPECT_FALSE(find<QWidget>("Panel6")->isVisible());
    EXPECT_FALSE(find<QWidget>("Panel16")->isVisible());
    EXPECT_TRUE(find<QToolButton>("ToolBtn1")->isChecked());
    auto *tabs = find<QTabBar>("TabSet1");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), s(" Personel "));
    EXPECT_EQ(find<QStackedWidget>("Notebook1")->currentWidget()->objectName(), s("Personel"));
    EXPECT_EQ(form->StatusBar1->panelText(0), s(" Personel Sayısı : 12 / 1"));
}

TEST_F(StartTest, ToolbarButtonsHaveTheirCaptionsHintsAndSize)
{
    const struct {
        const char *name;
        const char *caption;
        const char *tip;
        const char *statusTip;
        bool check;
    } rows[] = {
        {"ToolBtn1", "Sevk Ver", "Sevk Hazırla", "Sevk Hazırla", true},
        {"ToolBtn2", " Bilgi Girişi ", "Bilgi Girişi", "Bilgi Girişi", true},
        {"ToolBtn3", "İstatistik", "İstatistikler",
         "Kullanabilmek için ayarlar penceresinden ilgili bölümü açınız.", true},
        {"ToolBtn4", "Ayarlar", "Ayarlar", "Ayarlar", false},
        {"ToolBtn5", "Hakkında", "Program Hakkında", "Program Hakkında", false},
        {"ToolBtn6", "Kapat", "Programı Kapat", "Programı Kapat", false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        auto *b = find<QToolButton>(r.name);
        EXPECT_EQ(b->text(), s(r.caption));
        EXPECT_EQ(b->toolTip(), s(r.tip));
        EXPECT_EQ(b->statusTip(), s(r.statusTip));
        EXPECT_EQ(b->isCheckable(), r.check);
        EXPECT_EQ(b->size(), QSize(57, 36));
        EXPECT_EQ(b->iconSize(), QSize(16, 16));
        EXPECT_FALSE(b->icon().isNull());
    }
}

struct SwitchRow {
    const char *name;
    const char *click;
    const char *visible;
    const char *down;
};

class PanelSwitchTest : public MainWindowTest, public ::testing::WithParamInterface<SwitchRow>
{
};

TEST_P(PanelSwitchTest, ShowsOnePanelAndTheToolbarFollowsAtIdle)
{
    const SwitchRow &r = GetParam();
    settings->RBtn3->setChecked(true); // statistics kept: its button is enabled
    find<QToolButton>("ToolBtn2")->click(); // start away from the referral panel
    idle();
    find<QAbstractButton>(r.click)->click();
    idle();
    for (const char *panel : {"Panel4", "Panel6", "Panel16"})
        EXPECT_EQ(find<QWidget>(panel)->isVisible(), qstrcmp(panel, r.visible) == 0) << panel;
    for (const char *button : {"ToolBtn1", "ToolBtn2", "ToolBtn3"})
        EXPECT_EQ(find<QToolButton>(button)->isChecked(), qstrcmp(button, r.down) == 0) << button;
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PanelSwitchTest,
    ::testing::Values(SwitchRow{"Referral", "ToolBtn1", "Panel4", "ToolBtn1"},
                      SwitchRow{"DataEntryAgain", "ToolBtn2", "Panel6", "ToolBtn2"},
                      SwitchRow{"Statistics", "ToolBtn3", "Panel16", "ToolBtn3"},
                      SwitchRow{"DataEntryTamam", "Button2", "Panel4", "ToolBtn1"},
                      SwitchRow{"StatisticsTamam", "Button4", "Panel4", "ToolBtn1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StartTest, ClickingSevkVerWhileDownLeavesItDown)
{
    auto *referral = find<QToolButton>("ToolBtn1");
    referral->click();
    idle();
    EXPECT_TRUE(referral->isChecked());
    EXPECT_TRUE(find<QWidget>("Panel4")->isVisible());
}

TEST_F(StartTest, TabsChooseTheNotebookPage)
{
    auto *tabs = find<QTabBar>("TabSet1");
    auto *book = find<QStackedWidget>("Notebook1");
    const char *pages[] = {"Personel", "Yetkili", "Kurum", "Unvan", "Aile", "Saglik"};
    for (int i = 5; i >= 0; --i) {
        tabs->setCurrentIndex(i);
        EXPECT_EQ(book->currentWidget()->objectName(), QString::fromLatin1(pages[i]));
    }
}

// The exit number, the institution's name and address and the chosen health
// institution are read back at the next start.
TEST_F(StartTest, WindowKeysSurviveARestart)
{
    auto *cikis = find<QLineEdit>("EdCikis");
    auto *kurum = find<QLineEdit>("EdKurum1");
    auto *adres = find<QLineEdit>("EdAdres1");
    auto *saglik = find<QComboBox>("ComboBox2");
    EXPECT_TRUE(cikis->text().isEmpty());
    EXPECT_TRUE(kurum->text().isEmpty());
    EXPECT_TRUE(saglik->currentText().isEmpty());
    cikis->setText(s("2024/117"));
    kurum->setText(s("İlçe Sağlık Müdürlüğü"));
    adres->setText(s("Atatürk Cad. No: 5 Çankırı"));
    ASSERT_EQ(saglik->itemText(1), s("Ağız ve Diş Sağlığı Merkezi"));
    saglik->setCurrentIndex(1);

    stop();
    start();
    EXPECT_EQ(find<QLineEdit>("EdCikis")->text(), s("2024/117"));
    EXPECT_EQ(find<QLineEdit>("EdKurum1")->text(), s("İlçe Sağlık Müdürlüğü"));
    EXPECT_EQ(find<QLineEdit>("EdAdres1")->text(), s("Atatürk Cad. No: 5 Çankırı"));
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), s("Ağız ve Diş Sağlığı Merkezi"));
    EXPECT_EQ(find<QComboBox>("ComboBox2")->count(), 2) << "the list is filled once";

    // A window that goes away without being closed writes nothing.
    find<QLineEdit>("EdKurum1")->setText(s("Başka Kurum"));
    form.reset();
    settings = nullptr;
    start();
    EXPECT_EQ(find<QLineEdit>("EdKurum1")->text(), s("İlçe Sağlık Müdürlüğü"));
}

using IdleTest = MainWindowTest;

TEST_F(IdleTest, AutomaticDateKeepsTodayAndDisablesTheDateButton)
{
    auto *date = find<QLineEdit>("EdTarih");
    auto *button = find<QToolButton>("BtnTarih");
    idle();
    EXPECT_TRUE(date->text().isEmpty());
    EXPECT_TRUE(button->isEnabled());

    date->setText(QStringLiteral("01.01.2001"));
    idle();
    EXPECT_FALSE(button->isEnabled());

    settings->ChkTarih->setChecked(true);
    date->setText(QStringLiteral("x"));
    idle();
    EXPECT_EQ(date->text(), platform::shortDate(QDate::currentDate()));
    EXPECT_FALSE(button->isEnabled());
}

TEST_F(IdleTest, DateButtonWritesToday)
{
    find<QToolButton>("BtnTarih")->click();
    EXPECT_EQ(find<QLineEdit>("EdTarih")->text(), platform::shortDate(QDate::currentDate()));
}

TEST_F(IdleTest, OptionsEnableTheirButtons)
{
    auto *stats = find<QToolButton>("ToolBtn3");
    auto *list = find<QToolButton>("SpeedButton2");
    auto *next = find<QToolButton>("SpeedButton1");
    find<QLineEdit>("EdCikis")->clear(); // the settings file may hold a number
    idle();
    EXPECT_FALSE(stats->isEnabled()); // statistics not kept at first
    EXPECT_FALSE(list->isEnabled());
    EXPECT_FALSE(next->isEnabled());

    settings->RBtn3->setChecked(true);
    settings->ChkArama->setChecked(true);
    find<QLineEdit>("EdCikis")->setText(QStringLiteral("41"));
    idle();
    EXPECT_TRUE(stats->isEnabled());
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(next->isEnabled());
}

TEST_F(IdleTest, SaveButtonsFollowTheirDatasets)
{
    const char *buttons[] = {"PBtnKaydet", "ABtnKaydet", "YBtnKaydet", "UBtnKaydet", "SBtnKaydet"};
    db::Dataset *datasets[] = {&form->data().Query1, &form->data().QueryDetail, &form->data().Table1,
                               &form->data().TableUnvan, &form->data().TableSKurum};
    idle();
    for (const char *b : buttons)
        EXPECT_FALSE(find<QPushButton>(b)->isEnabled()) << b;
    for (size_t i = 0; i < std::size(buttons); ++i) {
        datasets[i]->edit();
        idle();
        for (size_t j = 0; j < std::size(buttons); ++j)
            EXPECT_EQ(find<QPushButton>(buttons[j])->isEnabled(), j <= i) << buttons[j];
    }
}

TEST_F(IdleTest, RunsWhenTheEventLoopWaits)
{
    settings->ChkTarih->setChecked(true);
    spinEventLoop(50);
    EXPECT_EQ(find<QLineEdit>("EdTarih")->text(), platform::shortDate(QDate::currentDate()));
}

using RecipientTest = MainWindowTest;

TEST_F(RecipientTest, DependantChooserOpensForAStaffMemberWithDependants)
{
    auto *box = find<QGroupBox>("GroupBox1");
    find<QRadioButton>("RbYakini")->click(); // Ahmet YILMAZ has two
    EXPECT_EQ(box->height(), 112);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->count(), 2);
    find<QRadioButton>("RbKendi")->click();
    idle();
    EXPECT_EQ(box->height(), 54);
}

TEST_F(RecipientTest, StaffMemberWithoutDependantsFallsBackToKendisi)
{
    form->data().Query1.next();
    BoxAnswer answer;
    find<QRadioButton>("RbYakini")->click();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, s("Bu personelin bakmakla yükümlü olduğu kimse girilmemiş !"));
    EXPECT_EQ(answer.seen()[0].title, s("Lodera"));
    EXPECT_TRUE(find<QRadioButton>("RbKendi")->isChecked());
    EXPECT_EQ(find<QGroupBox>("GroupBox1")->height(), 54);
}

TEST_F(RecipientTest, ChoosingADependantMakesItTheCurrentRow)
{
    find<QRadioButton>("RbYakini")->click();
    auto *chooser = find<QComboBox>("ComboBox1");
    const int can = chooser->findText(QStringLiteral("YILMAZ Can"));
    ASSERT_GE(can, 0);
    chooser->setCurrentIndex(can);
    emit chooser->activated(can);
    EXPECT_EQ(form->data().QueryDetail.fieldByName(QStringLiteral("Adi")).displayText(), s("Can"));
}

using HintTest = MainWindowTest;

TEST_F(HintTest, StatusPanelShowsTheLongHintOfTheControlOrItsParent)
{
    auto *date = find<QToolButton>("BtnTarih");
    EXPECT_EQ(date->toolTip(), s("Tarih Gir"));
    QTest::mouseMove(date, QPoint(5, 5));
    QTest::qWait(20);
    EXPECT_EQ(form->StatusBar1->panelText(1), s(" Bugünün tarihi. (Manuel tarih girişinde aktif)"));

    auto *plain = find<QLineEdit>("EdCikis");
    QTest::mouseMove(plain, QPoint(5, 5));
    QTest::qWait(20);
    EXPECT_EQ(form->StatusBar1->panelText(1), s(" "));

    // A control without a hint of its own shows its parent's.
    auto *panel = find<QWidget>("Panel4");
    panel->setStatusTip(s("Sevk paneli"));
    QTest::mouseMove(find<QToolButton>("SpeedButton1"), QPoint(5, 5));
    QTest::mouseMove(plain, QPoint(6, 6));
    QTest::qWait(20);
    EXPECT_EQ(form->StatusBar1->panelText(1), s(" Sevk paneli"));
}

TEST(SecondCopyTest, IsRefusedWithTheMessage)
{
    RegisterFolder folder;
    SingleInstance running; // the copy already running
    ASSERT_TRUE(running.tryAcquire());
    BoxAnswer answer;
    TForm1 second;
    EXPECT_FALSE(second.startAllowed());
    EXPECT_EQ(answer.texts(), QStringList{s("Program zaten çalışıyor. İkinci kez başlatamazsınız!")});
}

TEST(MissingDatabaseTest, CreatingTheMainWindowRaisesTheError)
{
    RegisterFolder folder;
    QFile::remove(folder.databasePath());
    try {
        TForm1 form;
        ADD_FAILURE() << "opened without a database";
    } catch (const LoderaError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Data.ssd"))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
}

} // namespace

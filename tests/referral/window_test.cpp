// The referral panel of the real main window: what its controls and the
// current rows put into the forms, the statistics question, the error of a
// refused row, and "Sonraki No". The preview option is on; without a preview
// window the report is built and nothing is printed, so the filled templates
// can be read after each click.
#include "referralregister.h"

#include "app/dataentrypanel.h"
#include "boxanswer.h"
#include "app/mainreports.h"
#include "app/referralpanel.h"
#include "app/tform1.h"
#include "platform/localeformats.h"
#include "platform/profilefile.h"
#include "records/ui/dblookupcombobox.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"
#include "settings/tayarfrm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

class ReferralWindowTest : public ::testing::Test
{
protected:
    explicit ReferralWindowTest(ReferralRegister::Content content = ReferralRegister::Content::Office)
        : reg(content)
    {
    }

    void SetUp() override
    {
        QFile::remove(ProfileFile::programIniPath());
        form = std::make_unique<TForm1>();
        ASSERT_TRUE(form->startAllowed());
        settings = new TAyarFrm(form.get());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        panel = form->Panel4;
        settings->ChkYazdir->setChecked(true);
        settings->RBtn3->setChecked(true);
        form->Panel6->EdKurum1->setText(s("İL SAĞLIK MÜDÜRLÜĞÜ"));
        panel->EdCikis->setText(QStringLiteral("2026/41"));
    }

    void TearDown() override
    {
        form->close();
        form.reset();
    }

    static void choose(DBLookupComboBox *chooser, const QString &text)
    {
        const int i = chooser->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        chooser->setCurrentIndex(i);
        emit chooser->activated(i);
    }

    // The text of a memo and of its twin, which must agree.
    QString printed(TfrxReport *report, const char *name) const
    {
        auto text = [report](const QString &n) {
            auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(n));
            return memo ? memo->Lines().join(QLatin1Char('\n')) : QStringLiteral("<none>");
        };
        const QString left = text(QString::fromLatin1(name));
        EXPECT_EQ(text(QString::fromLatin1(name) + QLatin1Char('2')), left) << name;
        return left;
    }

    QString rows() const { return reg.column(QStringLiteral("SELECT SevkAlan || '/' || Turu FROM istatistik")); }

    ReferralRegister reg;
    std::unique_ptr<TForm1> form;
    TAyarFrm *settings = nullptr;
    ReferralPanel *panel = nullptr;
};

TEST_F(ReferralWindowTest, PatientFormForTheStaffMemberTakesThePanelAndTheRows)
{
    choose(panel->DBLookupComboBox2, s("Kemal TUNA"));
    panel->BtnTarih->click();
    panel->ComboBox2->setCurrentText(s("Özel Klinik")); // free text, in no list
    panel->BtnHasta->click();

    TfrxReport *r = form->reports().RpHasta();
    EXPECT_EQ(printed(r, "MKurum"), s("İL SAĞLIK MÜDÜRLÜĞÜ"));
    EXPECT_EQ(printed(r, "MMemur"), s("YILMAZ Ahmet"));
    EXPECT_EQ(printed(r, "MHasta"), s("Kendisi"));
    EXPECT_EQ(printed(r, "MKimlikH"), s("Kendisi"));
    EXPECT_EQ(printed(r, "MKarne"), s("K-778"));
    EXPECT_EQ(printed(r, "MVergi"), s("55501"));
    EXPECT_EQ(printed(r, "MKimlik"), s("10000000146"));
    EXPECT_EQ(printed(r, "MYetkili"), s("TUNA Kemal"));
    EXPECT_EQ(printed(r, "MUnvan"), s("Müdür"));
    EXPECT_EQ(printed(r, "MTarih"), platform::shortDate(QDate::currentDate()));
    EXPECT_EQ(printed(r, "MCikis"), s("2026/41"));
    EXPECT_EQ(printed(r, "MSaglik"), s("Özel Klinik"));
    EXPECT_EQ(rows(), s("Kendisi/Normal"));
}

TEST_F(ReferralWindowTest, DependantChosenOrNotOnBothForms)
{
    panel->RbYakini->click();
    // Nothing chosen yet: the patient form has only the current row's
    // relationship after the dash.
    panel->BtnHasta->click();
    EXPECT_EQ(printed(form->reports().RpHasta(), "MHasta"), s(" - Kızı"));
    EXPECT_EQ(printed(form->reports().RpHasta(), "MKarne"), s("Y-11"));

    choose(panel->ComboBox1, s("YILMAZ Can"));
    panel->BtnHasta->click();
    panel->BtnDis->click();
    for (TfrxReport *r : {form->reports().RpHasta(), form->reports().RpDis()}) {
        EXPECT_EQ(printed(r, "MHasta"), s("YILMAZ Can - Oğlu"));
        EXPECT_EQ(printed(r, "MKimlikH"), s("40000000092"));
        EXPECT_EQ(printed(r, "MYetkili"), QString()); // no signatory chosen
    }
    EXPECT_EQ(rows(), s("Yakını/Normal|Yakını/Normal|Yakını/Diş"));
}

struct QuestionCase {
    const char *name;
    QMessageBox::StandardButton answer;
    const char *rows;
};

class QuestionTest : public ReferralWindowTest, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(QuestionTest, AskedBeforeCountingAndTheFormIsFilledEitherWay)
{
    settings->RBtn2->setChecked(true);
    BoxAnswer answer(GetParam().answer);
    panel->BtnDis->click();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].icon, QMessageBox::Question);
    EXPECT_EQ(answer.seen()[0].text, s("İstatistik için kayıt eklensin mi?"));
    EXPECT_EQ(rows(), s(GetParam().rows));
    EXPECT_EQ(printed(form->reports().RpDis(), "MCikis"), s("2026/41"));
}

INSTANTIATE_TEST_SUITE_P(Answers, QuestionTest,
                         ::testing::Values(QuestionCase{"Yes", QMessageBox::Yes, "Kendisi/Diş"},
                                           QuestionCase{"No", QMessageBox::No, ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReferralWindowTest, BlankFormAsksNothingAndCountsNothing)
{
    settings->RBtn2->setChecked(true);
    panel->ChkBos->setChecked(true);
    BoxAnswer answer(QMessageBox::Yes);
    panel->BtnHasta->click();
    EXPECT_TRUE(answer.seen().empty());
    EXPECT_EQ(rows(), QString());
    EXPECT_EQ(printed(form->reports().RpHasta(), "MTarih"), s("..... / ..... / 20....."));
    EXPECT_EQ(printed(form->reports().RpHasta(), "MMemur"), QString());
}

TEST_F(ReferralWindowTest, RefusedRowIsShownAndTheFormStaysUntouched)
{
    panel->BtnHasta->click(); // a first form, filled
    reg.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON istatistik "
                            "BEGIN SELECT RAISE(ABORT, 'disk dolu'); END;"));
    panel->EdCikis->setText(QStringLiteral("2026/42"));
    BoxAnswer answer(QMessageBox::Ok);
    panel->BtnHasta->click();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(answer.seen()[0].text.contains(QStringLiteral("disk dolu"))) << answer.seen()[0].text.toStdString();
    EXPECT_EQ(rows(), s("Kendisi/Normal"));
    EXPECT_EQ(printed(form->reports().RpHasta(), "MCikis"), s("2026/41")); // not filled again
}

TEST_F(ReferralWindowTest, NextNumberButtonAdvancesTheExitNumber)
{
    panel->EdCikis->setText(QStringLiteral("2006/99"));
    form->AppIdle();
    QTest::mouseClick(panel->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(panel->EdCikis->text(), QStringLiteral("2006000"));
}

// The clerk types at most 15 characters; the number "Sonraki No" makes may be
// longer and is kept whole, through the settings file too.
TEST_F(ReferralWindowTest, ExitNumberIsTypedUpToFifteenCharactersButAdvancesPastThem)
{
    struct Case
    {
        const char *typed, *shown, *next;
    };
    const Case cases[] = {
        {"12345678901234567", "123456789012345", "123456789012346"},
        {"999999999999999", "999999999999999", "1000000000000000"},
        {"99999999999999", "99999999999999", "100000000000000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        panel->EdCikis->clear();
        QTest::keyClicks(panel->EdCikis, QString::fromLatin1(c.typed));
        EXPECT_EQ(panel->EdCikis->text(), QString::fromLatin1(c.shown));
        form->AppIdle();
        QTest::mouseClick(panel->SpeedButton1, Qt::LeftButton);
        EXPECT_EQ(panel->EdCikis->text(), QString::fromLatin1(c.next));
    }

    // Typing never lengthens the long number, and once shortened to 15 it
    // stays within them.
    const QString longNumber = QStringLiteral("1000000000000000");
    panel->EdCikis->setText(longNumber);
    panel->EdCikis->end(false);
    QTest::keyClicks(panel->EdCikis, QStringLiteral("7"));
    EXPECT_EQ(panel->EdCikis->text(), longNumber);
    QTest::keyClick(panel->EdCikis, Qt::Key_Backspace);
    QTest::keyClicks(panel->EdCikis, QStringLiteral("78"));
    EXPECT_EQ(panel->EdCikis->text(), QStringLiteral("100000000000000"));

    // The window keeps the long number in the settings file and shows it whole
    // at the next start.
    panel->EdCikis->setText(longNumber);
    form->close();
    form.reset();
    form = std::make_unique<TForm1>();
    ASSERT_TRUE(form->startAllowed());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->Panel4->EdCikis->text(), longNumber);
}

class EmptyRegisterWindowTest : public ReferralWindowTest
{
protected:
    EmptyRegisterWindowTest() : ReferralWindowTest(ReferralRegister::Content::Empty) {}
};

TEST_F(EmptyRegisterWindowTest, FormWithEmptyStaffValuesAndNoRow)
{
    BoxAnswer answer(QMessageBox::Ok);
    panel->BtnHasta->click();
    EXPECT_TRUE(answer.seen().empty());
    EXPECT_EQ(rows(), QString());
    EXPECT_EQ(printed(form->reports().RpHasta(), "MSicil"), QString());
    EXPECT_EQ(printed(form->reports().RpHasta(), "MCikis"), s("2026/41"));
}

} // namespace

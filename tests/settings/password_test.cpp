#include "dialogdriver.h"
#include "settingswindowfixture.h"
#include "settings/passwordedit.h"
#include "settings/tgetpasswdfrm.h"
#include "settings/tpasswdfrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

enum class Leave { Tamam, Iptal, Escape, CloseBox };

// One try in the prompt "Şifre Gir".
struct Try {
    const char *typed;
    Leave leave;
};

void enterPassword(DialogDriver &driver, const QString &window, const char *editName, const Try &t)
{
    driver.then(window, [t, editName](QWidget *w) {
        auto *edit = w->findChild<QLineEdit *>(QString::fromLatin1(editName));
        edit->clear();
        typeText(edit, QString::fromUtf8(t.typed));
        switch (t.leave) {
        case Leave::Tamam: w->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click(); break;
        case Leave::Iptal: w->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click(); break;
        case Leave::Escape: QTest::keyClick(edit, Qt::Key_Escape); break;
        case Leave::CloseBox: w->close(); break;
        }
    });
}

struct GateCase {
    const char *name;
    bool active;
    const char *stored;
    std::vector<Try> tries;
    bool goesOn;
};

class PasswordGate : public SettingsWindowTest, public ::testing::WithParamInterface<GateCase>
{
};

class PasswordTest : public SettingsWindowTest
{
protected:
    bool waitDone(const DialogDriver &d) { return QTest::qWaitFor([&] { return d.finished(); }, 5000); }
};

} // namespace

// The start-up gate through the real prompt: every wrong try shows the error
// and leaves the prompt open for another.
TEST_P(PasswordGate, AnswersAsTheClerkTyped)
{
    const GateCase &c = GetParam();
    writeProtection(c.active, c.stored);
    create();
    DialogDriver driver;
    QStringList expectedBoxes;
    for (const Try &t : c.tries) {
        enterPassword(driver, QStringLiteral("GetPassWdFrm"), "Edit1", t);
        if (t.leave == Leave::Tamam && QString::fromUtf8(t.typed) != QString::fromUtf8(c.stored)) {
            driver.answerBox(QMessageBox::Ok);
            expectedBoxes << QStringLiteral("Geçersiz şifre.");
        }
    }
    EXPECT_EQ(window->AskPassword(PasswordPrompt::OnlyIfActive), c.goesOn);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxes(), expectedBoxes);
    EXPECT_TRUE(driver.unexpected().isEmpty()) << driver.unexpected().join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Start, PasswordGate,
    ::testing::Values(
        GateCase{"OffAsksNothingEvenWithAPassword", false, "gizli", {}, true},
        GateCase{"RightAtOnce", true, "gizli", {{"gizli", Leave::Tamam}}, true},
        GateCase{"WrongThenRight", true, "gizli", {{"yanlis", Leave::Tamam}, {"", Leave::Tamam}, {"gizli", Leave::Tamam}}, true},
        GateCase{"CaseDiffers", true, "Gizli", {{"gizli", Leave::Tamam}, {"GİZLİ", Leave::Tamam}, {"", Leave::Iptal}}, false},
        GateCase{"TurkishLetters", true, "şifreÇ", {{"sifreC", Leave::Tamam}, {"şifreÇ", Leave::Tamam}}, true},
        GateCase{"Iptal", true, "gizli", {{"gizli", Leave::Iptal}}, false},
        GateCase{"Escape", true, "gizli", {{"yanlis", Leave::Tamam}, {"gizli", Leave::Escape}}, false},
        GateCase{"CloseBox", true, "gizli", {{"gizli", Leave::CloseBox}}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PasswordTest, PromptWindowLooksAsTheOfficeKnowsIt)
{
    TGetPassWdFrm prompt;
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Şifre Gir"));
    EXPECT_EQ(prompt.size(), QSize(259, 104));
    EXPECT_EQ(prompt.Edit1->echoMode(), QLineEdit::Password);
    EXPECT_EQ(prompt.Edit1->width(), 185);
    EXPECT_EQ(prompt.BitBtn1->size(), QSize(81, 27));
    EXPECT_TRUE(prompt.BitBtn1->isDefault());
    DialogDriver driver;
    QWidget *focused = nullptr;
    driver.then(QStringLiteral("GetPassWdFrm"), [&](QWidget *w) {
        focused = w->focusWidget();
        static_cast<QDialog *>(w)->reject();
    });
    EXPECT_FALSE(prompt.Execute(QStringLiteral("x")));
    EXPECT_EQ(focused, prompt.Edit1);
}

TEST_F(PasswordTest, FirstPasswordStartsInTheNewFieldAndRefusesAnEmptyOne)
{
    create();
    TPassWdFrm change;
    DialogDriver driver;
    QWidget *focused = nullptr;
    QWidget *focusedAtStart = nullptr;
    bool oldEnabled = true;
    driver.then(QStringLiteral("PassWdFrm"), [&](QWidget *w) {
        focusedAtStart = w->focusWidget();
        oldEnabled = change.EdtEskiSifre->isEnabled();
        change.BitBtn1->click();
    });
    driver.answerBox(QMessageBox::Ok);
    driver.then(QStringLiteral("PassWdFrm"), [&](QWidget *w) {
        focused = w->focusWidget();
        change.BitBtn2->click();
    });
    EXPECT_FALSE(change.Execute(QString()));
    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(oldEnabled);
    EXPECT_EQ(focusedAtStart, change.EdtYeniSifre);
    EXPECT_EQ(focused, change.EdtYeniSifre) << "back in the field after the error";
    EXPECT_EQ(driver.boxes(), QStringList{QStringLiteral("Şifre olarak boşluk giremezsiniz")});
    EXPECT_EQ(change.pos(), QPoint(212, 140));
    EXPECT_EQ(change.size(), QSize(268, 119));
}

TEST_F(PasswordTest, ChangeWindowTakesFifteenCharactersAndChecksTheOldPasswordExactly)
{
    TPassWdFrm change;
    DialogDriver driver;
    QWidget *focused = nullptr;
    QWidget *focusedAtStart = nullptr;
    driver.then(QStringLiteral("PassWdFrm"), [&](QWidget *w) {
        focusedAtStart = w->focusWidget();
        typeText(change.EdtEskiSifre, QStringLiteral("ESKI"));
        typeText(change.EdtYeniSifre, QStringLiteral("abcdefghijklmnoP"));
        change.BitBtn1->click();
    });
    driver.answerBox(QMessageBox::Ok);
    driver.then(QStringLiteral("PassWdFrm"), [&](QWidget *w) {
        focused = w->focusWidget();
        change.EdtEskiSifre->clear();
        typeText(change.EdtEskiSifre, QStringLiteral("eski"));
        change.BitBtn1->click();
    });
    EXPECT_TRUE(change.Execute(QStringLiteral("eski")));
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxes(), QStringList{QStringLiteral("Geçersiz şifre.")}) << "ESKI is not eski";
    EXPECT_EQ(focusedAtStart, change.EdtEskiSifre);
    EXPECT_EQ(focused, change.EdtEskiSifre) << "back in the wrong field after the error";
    EXPECT_EQ(change.GetNewPassword(), QStringLiteral("abcdefghijklmno")) << "the 16th character is refused";

    // The window is reused: a new Execute starts empty.
    driver.then(QStringLiteral("PassWdFrm"), [&](QWidget *) {
        EXPECT_TRUE(change.EdtEskiSifre->text().isEmpty());
        EXPECT_TRUE(change.EdtYeniSifre->text().isEmpty());
        change.BitBtn2->click();
    });
    EXPECT_FALSE(change.Execute(QStringLiteral("eski")));
}

// Setting the first password ticks the box at once; "İptal" then puts the box
// back as win.ini has it while the password stays stored.
TEST_F(PasswordTest, SettingAPasswordThenIptalKeepsThePasswordAndTheStoredSwitch)
{
    create();
    window->open();
    DialogDriver driver;
    enterPassword(driver, QStringLiteral("PassWdFrm"), "EdtYeniSifre", {"Gizli15", Leave::Tamam});
    driver.answerBox(QMessageBox::Yes);
    QTest::mouseClick(window->ChangePasswdBtn, Qt::LeftButton);
    ASSERT_TRUE(waitDone(driver));
    EXPECT_EQ(driver.boxes(), QStringList{QStringLiteral("Şu anki şifreyi değiştirmek istiyor musunuz?")});
    EXPECT_TRUE(window->SifreChk->isEnabled());
    EXPECT_TRUE(window->SifreChk->isChecked());
    EXPECT_EQ(bytes(winIni()), "[Lodera]\r\nSSifre=Gizli15\r\n") << "Active follows only on Tamam";

    QTest::mouseClick(window->CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(window->SifreChk->isChecked());
    EXPECT_TRUE(window->SifreChk->isEnabled());
    EXPECT_EQ(window->ReadStoredPassword(), QStringLiteral("Gizli15"));
    EXPECT_TRUE(driver.unexpected().isEmpty()) << "the program's own ticking asked nothing";

    // The end of the program writes the switch as the box holds it.
    destroy();
    EXPECT_EQ(bytes(winIni()), "[Lodera]\r\nSSifre=Gizli15\r\nActive=0\r\n");
}

TEST_F(PasswordTest, ChangingNeedsTheOldPasswordAndAYes)
{
    writeProtection(true, "eski");
    create();
    window->open();
    DialogDriver driver;
    // Refused at the question: nothing changes.
    driver.then(QStringLiteral("PassWdFrm"), [](QWidget *w) {
        typeText(w->findChild<QLineEdit *>(QStringLiteral("EdtEskiSifre")), QStringLiteral("eski"));
        typeText(w->findChild<QLineEdit *>(QStringLiteral("EdtYeniSifre")), QStringLiteral("yeni"));
        w->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
    driver.answerBox(QMessageBox::No);
    QTest::mouseClick(window->ChangePasswdBtn, Qt::LeftButton);
    ASSERT_TRUE(waitDone(driver));
    EXPECT_EQ(window->ReadStoredPassword(), QStringLiteral("eski"));

    driver.then(QStringLiteral("PassWdFrm"), [](QWidget *w) {
        typeText(w->findChild<QLineEdit *>(QStringLiteral("EdtEskiSifre")), QStringLiteral("eski"));
        typeText(w->findChild<QLineEdit *>(QStringLiteral("EdtYeniSifre")), QStringLiteral("yeni"));
        w->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
    driver.answerBox(QMessageBox::Yes);
    QTest::mouseClick(window->ChangePasswdBtn, Qt::LeftButton);
    ASSERT_TRUE(waitDone(driver));
    EXPECT_EQ(window->ReadStoredPassword(), QStringLiteral("yeni"));
    window->close();
}

TEST_F(PasswordTest, PasswordThatCannotBeWrittenLeavesEverythingAsItWas)
{
    // win.ini is a folder: no write can succeed.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("win.ini")));
    create();
    window->open();
    DialogDriver driver;
    enterPassword(driver, QStringLiteral("PassWdFrm"), "EdtYeniSifre", {"yeni", Leave::Tamam});
    driver.answerBox(QMessageBox::Yes);
    driver.answerBox(QMessageBox::Ok);
    QTest::mouseClick(window->ChangePasswdBtn, Qt::LeftButton);
    ASSERT_TRUE(waitDone(driver));
    EXPECT_EQ(driver.boxes().value(1), QStringLiteral("Şifre yazılamadı"));
    EXPECT_FALSE(window->SifreChk->isEnabled());
    EXPECT_FALSE(window->SifreChk->isChecked());
    window->close();
    // The end of the program cannot write the switch either, and says so.
    driver.answerBox(QMessageBox::Ok);
    destroy();
    ASSERT_EQ(driver.boxes().size(), 3);
    EXPECT_TRUE(driver.boxes()[2].contains(winIni())) << driver.boxes()[2].toStdString();
}

// The clerk's click on the protection box asks for the current password; a
// refused prompt puts the box back without asking again.
TEST_F(PasswordTest, ProtectionBoxFollowsThePrompt)
{
    struct Row {
        const char *name;
        bool active;
        Try answer;
        bool boxAfter;
    } rows[] = {
        {"switch on, cancelled", false, {"gizli", Leave::Iptal}, false},
        {"switch on, confirmed", false, {"gizli", Leave::Tamam}, true},
        {"switch off, cancelled", true, {"", Leave::Escape}, true},
        {"switch off, confirmed", true, {"gizli", Leave::Tamam}, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeProtection(row.active, "gizli");
        create();
        window->open();
        ASSERT_TRUE(window->SifreChk->isEnabled());
        DialogDriver driver;
        enterPassword(driver, QStringLiteral("GetPassWdFrm"), "Edit1", row.answer);
        QTest::mouseClick(window->SifreChk, Qt::LeftButton);
        ASSERT_TRUE(waitDone(driver));
        EXPECT_EQ(window->SifreChk->isChecked(), row.boxAfter);
        EXPECT_TRUE(driver.unexpected().isEmpty()) << "putting the box back asked again";
        EXPECT_EQ(window->ReadProtectionActive(), row.active) << "written only on Tamam or at the end";
        QTest::mouseClick(window->OKBtn, Qt::LeftButton);
        EXPECT_EQ(window->ReadProtectionActive(), row.boxAfter);
        destroy();
    }
}

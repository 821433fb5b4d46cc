#pragma once
// The settings window "Genel Ayarlar". Its controls hold the options in force:
// the rest of the program reads them straight from here at the moment of use,
// and the settings file is only their store. The file is read when the window
// is created and each time it is shown, and written each time it closes, by
// whatever way it closes.
//
// The first tab also carries the password protection: the check box mirrors
// "Active" of win.ini, which is written on "Tamam" and when the window is
// destroyed at the end of the program; "İptal" (only offered on that tab)
// puts the box back as win.ini has it. Whenever the program itself sets the
// box, the box's click handler is held off, so only the clerk's own click asks
// for the password.
#include "settings/optionsstore.h"
#include "settings/protectionstore.h"
#include "settings/settingsoptions.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TPassWdFrm;

// Whether AskPassword asks only while protection is switched on.
enum class PasswordPrompt { OnlyIfActive, Always };

class TAyarFrm : public QDialog
{
    Q_OBJECT
public:
    // On the settings file next to the executable and the user's win.ini.
    explicit TAyarFrm(QWidget *parent = nullptr);
    TAyarFrm(const OptionsStore &options, const ProtectionStore &protection, QWidget *parent = nullptr);
    // Writes the protection switch.
    ~TAyarFrm() override;

    void LoadOptions();
    // Throws LoderaError naming the settings file when it cannot be written.
    void SaveOptions();
    void LoadProtectionState();
    void SaveProtectionState();

    bool ReadProtectionActive() const;
    void WriteProtectionActive(bool active);
    QString ReadStoredPassword() const;
    // Throws LoderaError "Şifre yazılamadı".
    void WriteStoredPassword(const QString &password);

    // True when the program may go on: protection is off (OnlyIfActive), or
    // the stored password was typed in the prompt "Şifre Gir".
    bool AskPassword(PasswordPrompt prompt);

    // The options as the controls hold them now.
    SettingsOptions options() const;
    void setOptions(const SettingsOptions &options);

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;

    QCheckBox *SifreChk = nullptr;
    QPushButton *ChangePasswdBtn = nullptr;

    QRadioButton *RBtn1 = nullptr;
    QRadioButton *RBtn2 = nullptr;
    QRadioButton *RBtn3 = nullptr;

    QCheckBox *ChkYazdir = nullptr;
    QCheckBox *ChkArama = nullptr;
    QCheckBox *ChkSira = nullptr;
    QCheckBox *ChkTarih = nullptr;

    QPushButton *CancelBtn = nullptr;
    QPushButton *OKBtn = nullptr;

signals:
    // "Tamam" was pressed with alphabetical order on: the staff list is to be
    // opened again in order of display names. The window knows no dataset.
    void alphabeticalOrderRequested();

public slots:
    void OkBtnClick();
    void CancelBtnClick();
    void SifreChkClick();
    void ChangePasswdBtnClick();
    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet3Show();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public:
    // Every way of closing passes here: the options are written first.
    void done(int result) override;

private:
    void build();
    void FormCreate();
    void FormClose();
    void FormDestroy();
    TPassWdFrm *passwordWindow();

    OptionsStore m_options;
    ProtectionStore m_protection;
};

// The one settings window of the running program (null before it is created).
extern TAyarFrm *AyarFrm;

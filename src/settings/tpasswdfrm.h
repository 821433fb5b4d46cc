#pragma once
// The window "Şifre Değiştir": sets the first password or replaces the
// current one after the current one has been typed. Created once at start
// and reused; it only collects the new password, the settings window stores it.
#include <QDialog>

class PasswordEdit;
class QPushButton;

class TPassWdFrm : public QDialog
{
    Q_OBJECT
public:
    // The longest password the window takes.
    static constexpr int MaxLength = 15;

    explicit TPassWdFrm(QWidget *parent = nullptr);
    ~TPassWdFrm() override;

    // `current` is the stored password, empty when none is set (the old
    // password field is then disabled). True when "Tamam" accepted the entry.
    bool Execute(const QString &current);
    QString GetNewPassword() const;

    PasswordEdit *EdtEskiSifre = nullptr;
    PasswordEdit *EdtYeniSifre = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

public slots:
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_current;
};

// The one change-password window of the running program (null before it is created).
extern TPassWdFrm *PassWdFrm;

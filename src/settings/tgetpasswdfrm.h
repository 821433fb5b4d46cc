#pragma once
// The prompt "Şifre Gir": asks for the current password and stays open until
// it is typed exactly (same letters, same case) or the clerk gives up.
// Created for one prompt and freed after it.
#include <QDialog>

class PasswordEdit;
class QPushButton;

class TGetPassWdFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TGetPassWdFrm(QWidget *parent = nullptr);

    // Shows the window modally; true exactly when the expected password was
    // typed and "Tamam" pressed. "İptal", Escape and the close box give false.
    bool Execute(const QString &expected);

    PasswordEdit *Edit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

public slots:
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_expected;
};

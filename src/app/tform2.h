#pragma once
// The about window: the program's name with a drop shadow, its release date
// and the maker's web and mail addresses as links that light up under the mouse.
#include <QDialog>

class QLabel;

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    QLabel *LblWeb = nullptr;
    QLabel *LblMail = nullptr;

public slots:
    void LblWebClick();
    void LblMailClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

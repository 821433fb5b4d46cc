#pragma once
// The settings window "Genel Ayarlar". Its controls hold the options in force:
// the rest of the program reads them straight from here at the moment of use.
#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

class TAyarFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TAyarFrm(QWidget *parent = nullptr);
    ~TAyarFrm() override;

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
};

// The one settings window of the running program (null before it is created).
extern TAyarFrm *AyarFrm;

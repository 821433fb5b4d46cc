#pragma once
// The referral panel: the current staff member's fields (read only), who is
// referred, the exit date and number, the signing official, the health
// institution and the two buttons that issue the forms.
#include "records/ui/bevelpanel.h"

#include <QLineEdit>

class DataSource;
class DBEdit;
class DBLookupComboBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

// The exit number box. The clerk types at most 15 characters, but a number the
// program puts in ("Sonraki No" on "999999999999999", a number read back from
// the settings file) is shown whole; typing never makes the text longer than
// 15 characters or than the number the program put in, whichever is longer.
class ExitNumberEdit : public QLineEdit
{
public:
    static constexpr int TypedLength = 15;

    explicit ExitNumberEdit(QWidget *parent = nullptr);

    // Hides QLineEdit::setText, which would cut the text to the typing limit.
    void setText(const QString &text);
};

class ReferralPanel : public BevelPanel
{
    Q_OBJECT
public:
    ReferralPanel(DataSource *staff, DataSource *dependants, DataSource *signatories,
                  QWidget *parent = nullptr);

    DBEdit *DBEdit1 = nullptr;
    DBEdit *DBEdit3 = nullptr;
    DBEdit *DBEdit2 = nullptr;
    DBEdit *DBEdit4 = nullptr;
    DBEdit *DBEdit5 = nullptr;
    DBEdit *DBEdit20 = nullptr;
    DBEdit *DBEdit23 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *RbKendi = nullptr;
    QRadioButton *RbYakini = nullptr;
    QLabel *LblYakin = nullptr;
    DBLookupComboBox *ComboBox1 = nullptr;
    QLineEdit *EdTarih = nullptr;
    QToolButton *BtnTarih = nullptr;
    ExitNumberEdit *EdCikis = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    DBLookupComboBox *DBLookupComboBox2 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QCheckBox *ChkBos = nullptr;
    QPushButton *BtnHasta = nullptr;
    QPushButton *BtnDis = nullptr;

private:
    DBEdit *staffField(const char *name, const char *label, const char *column, QPoint at, int width,
                       int labelWidth);
    QLabel *label(const QString &text, QRect r);

    DataSource *m_staff;
};

#pragma once
// The data entry panel: a tab set over a notebook of six pages (staff,
// signatories, the institution, titles, dependants, health institutions) and
// the "Tamam" button that leads back to the referral panel.
#include "records/ui/bevelpanel.h"

class DataSource;
class DBComboBox;
class DBLookupComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class RecordPage;

struct DataEntrySources {
    DataSource *staff;
    DataSource *dependants;
    DataSource *signatories;
    DataSource *titles;
    DataSource *healthInstitutions;
};

class DataEntryPanel : public BevelPanel
{
    Q_OBJECT
public:
    DataEntryPanel(const DataEntrySources &sources, QWidget *parent = nullptr);

    QTabBar *TabSet1 = nullptr;
    QStackedWidget *Notebook1 = nullptr;
    QPushButton *Button2 = nullptr;

    RecordPage *personel = nullptr;
    RecordPage *yetkili = nullptr;
    RecordPage *unvan = nullptr;
    RecordPage *aile = nullptr;
    RecordPage *saglik = nullptr;
    BevelPanel *Panel12 = nullptr;
    QLineEdit *EdKurum1 = nullptr;
    QLineEdit *EdAdres1 = nullptr;
    DBLookupComboBox *DBLCBox = nullptr;
    DBComboBox *DBComboBox1 = nullptr;
    DBComboBox *DBComboBox2 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *page(const QString &name, QWidget *content);
    BevelPanel *institutionPanel();

    QWidget *m_bottomBar = nullptr;
};

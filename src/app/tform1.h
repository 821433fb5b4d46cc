#pragma once
// The main window. It owns the database connection with the seven datasets
// and every long-lived control of the office's daily work: the toolbar, the
// staff column, the three work panels of which one is visible at a time, and
// the status bar. An idle update keeps buttons in step with the datasets and
// the settings; the hint tracker feeds the status bar's long-hint panel.
#include "referral/referralvalues.h"

#include <QWidget>
#include <memory>

namespace db {
class MainDatasets;
}
class DataEntryPanel;
class DataSource;
class HintTracker;
class MainReports;
class IdleHandler;
class PanelStatusBar;
class QMenu;
class QPushButton;
class QToolButton;
class QToolBar;
class ReferralPanel;
class SingleInstance;
class StaffColumn;
class StatsPanel;
class TDCMinTray;
class BevelPanel;

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // Opens Data.ssd of the working folder with every dataset; a database that
    // cannot be opened raises its error from here.
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // False when another copy of the program was already running: the message
    // has been shown and the program must end without doing anything else.
    bool startAllowed() const { return m_startAllowed; }

    db::MainDatasets &data() const { return *m_data; }
    // The four report templates and the two report datasets.
    MainReports &reports() const { return *m_reports; }

    DataSource *DataSource1 = nullptr;
    DataSource *DataSource2 = nullptr;
    DataSource *DataSource3 = nullptr;
    DataSource *DataSource4 = nullptr;
    DataSource *DataSource5 = nullptr;
    DataSource *DataSource6 = nullptr;
    DataSource *DataSource7 = nullptr;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolBtn1 = nullptr;
    QToolButton *ToolBtn2 = nullptr;
    QToolButton *ToolBtn3 = nullptr;
    QToolButton *ToolBtn4 = nullptr;
    QToolButton *ToolBtn5 = nullptr;
    QToolButton *ToolBtn6 = nullptr;
    PanelStatusBar *StatusBar1 = nullptr;
    StaffColumn *Panel1 = nullptr;
    BevelPanel *Panel3 = nullptr;
    ReferralPanel *Panel4 = nullptr;
    DataEntryPanel *Panel6 = nullptr;
    StatsPanel *Panel16 = nullptr;
    QPushButton *Button4 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    TDCMinTray *DCMinTray1 = nullptr;

public slots:
    void AppIdle();
    void BilgiBari(const QString &longHint);

    void ToolBtn1Click();
    void ToolBtn2Click();
    void ToolBtn3Click();
    void ToolBtn4Click();
    void ToolBtn5Click();
    void ToolBtn6Click();
    void A1Click();
    void TabSet1Change(int index);

    void DBGrid1Enter();
    void RbYakiniClick();
    void BtnTarihClick();
    void BtnHastaClick();
    void BtnDisClick();
    void SpeedButton1Click();

    void Edit1Change(const QString &text);
    void SpeedButton2Click();
    void DBGrid1TitleClick(const QString &column);
    void DBGrid1MouseMove(QPoint pos);

    void PBtnEkleClick();
    void PBtnSilClick();
    void PBtnKaydetClick();
    void YBtnEkleClick();
    void YBtnSilClick();
    void YBtnKaydetClick();
    void UBtnEkleClick();
    void UBtnSilClick();
    void UBtnKaydetClick();
    void ABtnEkleClick();
    void ABtnSilClick();
    void ABtnKaydetClick();
    void SBtnEkleClick();
    void SBtnSilClick();
    void SBtnKaydetClick();

    void Query1BeforePost();
    void Query1AfterScroll();
    void QueryDetailBeforePost();
    void Table1BeforePost();

    void RefreshTitleLists();
    void RefillHealthInstitutions();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildToolBar();
    void buildWorkArea();
    void connectHandlers();
    void installDatasetHandlers();
    void FormCreate();
    void FormShow();
    void FormClose();
    void LoadMainSettings();
    void SaveMainSettings();
    void reopenStaffOrdered();
    void showPanel(QWidget *panel);
    ReferralValues referralValues() const;
    void issueReferral(ReferralForm form);

    std::unique_ptr<db::MainDatasets> m_data;
    std::unique_ptr<MainReports> m_reports;
    std::unique_ptr<SingleInstance> m_instance;
    HintTracker *m_hints = nullptr;
    IdleHandler *m_idle = nullptr;
    bool m_startAllowed = true;
    bool m_shown = false;
};

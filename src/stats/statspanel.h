#pragma once
// The statistics panel of the main window: for the current staff member the
// list of his counted referrals (all of them, or those of a date range), the
// referral counts of every staff member beside it, and at the bottom the two
// list buttons and "Tamam".
//
// The list's statement is either the plain one or the date-range one; the
// one last chosen with "Filtrele" or "Listele" stays in force while the staff
// list moves, because the statistics query keeps its statement and its date
// parameters and only follows the staff member. The labels above the list
// follow every move and re-run of the statistics query.
#include "records/ui/bevelpanel.h"

namespace db {
class Dataset;
}
class DataSource;
class QDateEdit;
class QLabel;
class QPushButton;
class TfrxReport;
class TSrDBGrid;

class StatsPanel : public BevelPanel
{
    Q_OBJECT
public:
    struct Sources {
        DataSource *staff;  // Query1
        DataSource *stats;  // QIstatistik, a detail of Query1
        DataSource *counts; // ADOQuery1
    };
    struct Lists {
        TfrxReport *RpDetay;
        TfrxReport *RpKisisel;
    };

    StatsPanel(const Sources &sources, const Lists &lists, QWidget *parent = nullptr);
    // Takes its handler back from the statistics query, which outlives it.
    ~StatsPanel() override;

    BevelPanel *Panel25 = nullptr;
    QLabel *Label34 = nullptr;
    QDateEdit *DateTimePicker1 = nullptr;
    QDateEdit *DateTimePicker2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button3 = nullptr;
    BevelPanel *Panel18 = nullptr;
    QLabel *Label31 = nullptr;
    QLabel *Label33 = nullptr;
    TSrDBGrid *SrDBGrid2 = nullptr;
    BevelPanel *Panel20 = nullptr;
    QLabel *Label32 = nullptr;
    TSrDBGrid *SrDBGrid1 = nullptr;
    BevelPanel *Panel26 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *Button4 = nullptr;

public slots:
    void QIstatistikAfterScroll();
    void Button1Click();
    void Button3Click();
    void SrDBGrid2DblClick();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFilterBox();
    void buildList();
    void buildCounts();
    void buildButtons();
    void layoutParts();

    db::Dataset &staff() const;
    db::Dataset &stats() const;

    Sources m_sources;
    db::Dataset *m_statsQuery;
    Lists m_lists;
};

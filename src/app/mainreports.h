#pragma once
// The report templates and report datasets the main window keeps for the
// program's life: the patient and dental referral forms, the two statistics
// lists, and "frxDBDataset1"/"frxDBDataset2" through which the lists read the
// staff list and its statistics rows. The datasets are created first so the
// list templates find them by name when they are built.
//
// A report rebuilds its whole object tree after every build, so a memo found
// before a build is not the memo after it: look objects up again each time.
#include <QObject>
#include <memory>

namespace db {
class MainDatasets;
}
class TfrxDBDataset;
class TfrxReport;

class MainReports
{
public:
    // `owner` parents the two report datasets (and their bindings).
    MainReports(db::MainDatasets &data, QObject *owner);
    ~MainReports();
    MainReports(const MainReports &) = delete;
    MainReports &operator=(const MainReports &) = delete;

    TfrxDBDataset *frxDBDataset1 = nullptr; // over Query1
    TfrxDBDataset *frxDBDataset2 = nullptr; // over QIstatistik

    TfrxReport *RpHasta() const { return m_hasta.get(); }
    TfrxReport *RpDis() const { return m_dis.get(); }
    TfrxReport *RpDetay() const { return m_detay.get(); }
    TfrxReport *RpKisisel() const { return m_kisisel.get(); }

private:
    std::unique_ptr<TfrxReport> m_hasta, m_dis, m_detay, m_kisisel;
};

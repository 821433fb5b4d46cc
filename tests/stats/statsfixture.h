#pragma once
// The main window over a register with statistics rows, the editor window
// created as the program creates it, and the Turkish locale pinned so dates
// read "15.03.2026".
//
// Staff (SiraNo in insertion order): 1 Ahmet YILMAZ, 2 Mehmet KAYA, 3 Ayşe
// DEMİR, ... 12 Hüseyin ASLAN. Statistics rows:
//   Ahmet YILMAZ   01.03.2026 Kendisi Normal, 15.03.2026 Yakını Diş, 02.04.2026 Kendisi Normal
//   Mehmet KAYA    15.03.2026 Kendisi Diş,    01.05.2026 Yakını Normal
//   everyone else  none
#include "mainwindowfixture.h"

#include <QStringList>

class TForm3;
class StatsPanel;
class TSrDBGrid;

class StatsTest : public MainWindowTest
{
protected:
    void SetUp() override;
    void fill() override;

    StatsPanel *panel() const;
    // Makes the staff member of the 1-based row current, as the staff grid does.
    void selectStaff(int row);
    // Sets the two pickers and presses "Filtrele".
    void filter(const QString &from, const QString &to);
    // The display texts of one column of a grid, top to bottom.
    static QStringList column(TSrDBGrid *grid, int col);
    // Adet of a staff member in the counts grid, as shown.
    QString countOf(const QString &name) const;

    TForm3 *editor = nullptr;
};

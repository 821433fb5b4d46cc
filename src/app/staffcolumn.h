#pragma once
// The always visible left column of the main window: the search box, the
// list button and the staff grid.
#include "records/ui/bevelpanel.h"

class DataSource;
class QLineEdit;
class QToolButton;
class TSrDBGrid;

class StaffColumn : public BevelPanel
{
    Q_OBJECT
public:
    StaffColumn(DataSource *staff, QWidget *parent = nullptr);

    BevelPanel *Panel5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    TSrDBGrid *DBGrid1 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

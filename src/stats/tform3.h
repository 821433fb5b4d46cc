#pragma once
// The statistics record editor "İstatistik Kayıtları": the current statistics
// row of the staff member shown in the statistics panel, with three bound
// edits and a navigator to move, add, delete, store and cancel. It is created
// once at start and shown modally from the statistics list; closing it reads
// the per-staff counts again, so the counts grid shows what was changed.
//
// A date that is no date is refused when the date box is left, before the
// navigator stores or moves, and before the window closes: the window stays
// open with the text in the box and the row in edit state.
#include <QDialog>

namespace db {
class Dataset;
}
class BevelPanel;
class DataSource;
class DBDateEdit;
class DBEdit;
class DBNavigator;
class QLabel;

class TForm3 : public QDialog
{
    Q_OBJECT
public:
    // `stats` is the source over QIstatistik; `counts` is ADOQuery1.
    TForm3(DataSource *stats, db::Dataset &counts, QWidget *parent = nullptr);
    ~TForm3() override;

    BevelPanel *Panel1 = nullptr;
    QLabel *Label5 = nullptr;
    DBDateEdit *DBEdit1 = nullptr;
    DBEdit *DBEdit2 = nullptr;
    DBEdit *DBEdit3 = nullptr;
    DBNavigator *DBNavigator1 = nullptr;

    void done(int result) override;

private:
    QLabel *caption(const char *text, int left, int top);
    void FormClose();

    db::Dataset &m_counts;
};

// The one editor window of the program, set while it exists.
extern TForm3 *Form3;

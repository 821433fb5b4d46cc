#pragma once
// A template of the program over a database, as the main window holds it:
// the database's datasets opened, the two report datasets made over the staff
// list and its statistics rows, optionally one staff member made current,
// fill texts written into named memos. Used by `render` and `bench report`.
#include "records/db/maindatasets.h"
#include "report/model/frxtemplates.h"

#include <QObject>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QPdfWriter;
class TfrxReport;

class ReportSession
{
public:
    // Throws LoderaError when the database cannot be opened.
    explicit ReportSession(const QString &databaseFile);
    ~ReportSession();

    // Makes the staff member with that SiraNo current; false when none has it.
    bool selectStaff(int siraNo);
    // A fresh template with the texts written into its memos; throws
    // LoderaError naming a memo the template does not have.
    std::unique_ptr<TfrxReport> makeReport(TemplateName name,
                                           const std::vector<std::pair<QString, QString>> &texts = {});

    db::MainDatasets &data() { return m_data; }

private:
    db::MainDatasets m_data;
    QObject m_owner;
};

// Paints every page of the report's store into a PDF file, each page with its
// own paper and orientation; throws LoderaError when the file cannot be written.
void PaintPagesToPdf(TfrxReport &report, const QString &fileName);

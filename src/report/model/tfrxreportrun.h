#pragma once
// TfrxReportRun: what happens when a report is run, printed or shown.
//
// A template (TfrxReport and its tree) belongs to the model layer, but
// building it needs the band engine and the prepared pages store, printing
// needs the printers, and showing needs windows: all of them sit above the
// model. So the report keeps one run object, made on first use by the
// factory installed for the process, and passes its public run operations
// (BuildPages, PrintPrepared, ShowReport, ShowBuiltPages, StopReport,
// PreviewPages) straight on to it. The layers stay acyclic: the model only
// knows this interface.
//
// Implementations, from the bottom up:
//
// - TfrxHeadlessReportRun (report/output, frxInstallHeadlessReportRun()):
//   engine + store + print loop. Errors stay in the report's error list,
//   progress is reported to the report's hooks only, ShowReport builds and
//   shows nothing. lodera-tool and the engine tests use it.
// - TfrxReportUiRun (report/ui, frxInstallReportUi()): adds the "Hata" box at
//   the end of a build, the progress window, and the preview window through
//   the virtual ShowReport/ShowBuiltPages. The program and the test mains
//   install it once at start.
//
// The run object lives as long as its report and is destroyed with it (first
// thing in the report's destructor, while the template still exists). A
// factory installed later only affects reports whose run is made later.
//
// Ownership: the run owns the store; PreviewPages() hands out a pointer that
// stays valid while the report lives.
#include <functional>
#include <memory>

class TfrxPreviewPages;
class TfrxReport;

class TfrxReportRun
{
public:
    explicit TfrxReportRun(TfrxReport *report) : m_report(report) {}
    virtual ~TfrxReportRun() = default;
    TfrxReportRun(const TfrxReportRun &) = delete;
    TfrxReportRun &operator=(const TfrxReportRun &) = delete;

    TfrxReport *Report() const { return m_report; }

    // The prepared pages store of the report.
    virtual TfrxPreviewPages *PreviewPages() = 0;
    // Builds the report into the store; true when it ran and no error line
    // was collected.
    virtual bool BuildPages(bool clearPrevious) = 0;
    // Prints what the store holds; true when printing was carried out.
    virtual bool PrintPrepared() = 0;
    // Builds and shows the pages (a preview window where one exists).
    virtual void ShowReport(bool clearPrevious) = 0;
    // Shows what the store holds.
    virtual void ShowBuiltPages() = 0;
    // Asks a build or a print in progress to stop at its next check.
    virtual void StopReport() = 0;
    virtual bool Terminated() const = 0;

private:
    TfrxReport *m_report;
};

using TfrxReportRunFactory = std::function<std::unique_ptr<TfrxReportRun>(TfrxReport *)>;

// The factory of the process; an empty one removes it.
void frxSetReportRunFactory(TfrxReportRunFactory factory);
bool frxHasReportRunFactory();
std::unique_ptr<TfrxReportRun> frxMakeReportRun(TfrxReport *report);

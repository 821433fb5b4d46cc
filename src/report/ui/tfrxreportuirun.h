#pragma once
// TfrxReportUiRun: the run of a report in the program, with its windows.
//
// On top of the headless run it shows the error box ("Hata", error icon) at
// the end of a failed build, the progress window TfrxProgress while printing
// (and while building when the report asks for the old-style progress or
// while exporting), handles pending window messages at every progress step
// and between printed sheets so that "Vazgeç" is seen, and shows the print
// dialog when the print options ask for it.
//
// The preview window plugs in by overriding ShowReport, ShowBuiltPages and
// PreviewProgress in a subclass and installing that subclass's factory
// instead (frxSetReportRunFactory). Here, without a preview: ShowReport
// builds and shows nothing else, ShowBuiltPages does nothing, and a build
// without the old-style progress shows no progress at all.
#include "report/output/tfrxheadlessreportrun.h"

#include <memory>

class TfrxProgress;

class TfrxReportUiRun : public TfrxHeadlessReportRun
{
public:
    explicit TfrxReportUiRun(TfrxReport *report);
    ~TfrxReportUiRun() override;

    void ShowReport(bool clearPrevious) override;
    void ShowBuiltPages() override;

    void Progress(TfrxProgressEvent event, TfrxProgressType kind, int page) override;
    void ProcessMessages() override;
    bool PrintDialog(TfrxPrintChoices &choices) override;

    // The progress window while it is open, or none.
    TfrxProgress *ProgressWindow() const { return m_progress.get(); }
    // The message of a progress step of that kind for page n.
    static QString ProgressMessage(TfrxProgressType kind, int page, bool finalPass);

protected:
    void ShowErrorBox(const QString &text) override;
    // A build's progress goes to the preview control when one is attached;
    // true when it took it.
    virtual bool PreviewProgress(TfrxProgressEvent, int) { return false; }

private:
    std::unique_ptr<TfrxProgress> m_progress;
};

// Makes every report made from now on run with the program's windows.
void frxInstallReportUi();

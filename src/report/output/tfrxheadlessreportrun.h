#pragma once
// TfrxHeadlessReportRun: the run of a report without windows.
//
// BuildPages, in order: the store is reset when asked; the error list is
// emptied; every entry of the report's Datasets must have its dataset
// ("\"<name>\" Dataset'i oluşturulmamış" otherwise, and the build does not
// start); the whole template is written to a memory copy; the script is
// prepared and compiled, and the band engine runs (a memo that stretches is
// measured with the layout its drawing uses); any error raised by them
// (a database error in the middle of a run included) becomes a line of the
// error list; then the template is reloaded from the copy, so the texts the
// program wrote into memos before the build are there again, in new objects;
// and with any error line the build answers false and ShowErrorBox gets the
// text of the one "Hata" box, unless the report is in SilentMode.
//
// Progress comes from the store (a run) and from printing; this class passes
// it to the hooks the user-interface run overrides. A terminated run (the
// cancel button of the progress window, StopReport) keeps its pages and adds
// no error.
//
// Protected virtuals are the hooks of the user-interface layer; here they do
// nothing (errors stay in the report's error list, nothing is shown).
#include "report/model/tfrxreportrun.h"
#include "report/output/tfrxcustompreviewpages.h"
#include "report/output/tfrxruncontrol.h"

#include <QString>

#include <memory>

class TfrxEngine;
class TfrxReportCalc;
class TfrxReportScript;

class TfrxHeadlessReportRun : public TfrxReportRun, public TfrxRunControl, public TfrxPreviewPagesHost
{
public:
    explicit TfrxHeadlessReportRun(TfrxReport *report);
    ~TfrxHeadlessReportRun() override;

    // --- TfrxReportRun
    TfrxPreviewPages *PreviewPages() override;
    bool BuildPages(bool clearPrevious) override;
    bool PrintPrepared() override;
    // Without a preview: clears when asked, builds, shows nothing.
    void ShowReport(bool clearPrevious) override;
    void ShowBuiltPages() override {}
    void StopReport() override;
    bool Terminated() const override { return m_terminated; }

    // --- TfrxRunControl
    void SetTerminated(bool v) override { m_terminated = v; }
    void Progress(TfrxProgressEvent event, TfrxProgressType kind, int page) override;
    void ProcessMessages() override {}
    bool PrintDialog(TfrxPrintChoices &) override { return true; }
    void PrintingStarted() override {}

    // --- TfrxPreviewPagesHost
    double CurY() const override;
    bool FinalPass() const override;
    void StoreProgress(TfrxProgressEvent event, TfrxProgressType kind, int page) override
    {
        Progress(event, kind, page);
    }

    TfrxReportScript &Script() { return *m_script; }
    TfrxReportCalc &Calculator() { return *m_calc; }
    // The engine of the build in progress, or none.
    TfrxEngine *Engine() const { return m_engine; }

    // The text of the error box: the heading, then one error line per line.
    static QString ErrorBoxText(const QStringList &errors);

protected:
    // The error box at the end of a failed build (not in SilentMode).
    virtual void ShowErrorBox(const QString &) {}
    // The band engine failed: an open preview window closes.
    virtual void RunFailed() {}

private:
    void runBuild();
    void checkDatasets();

    std::unique_ptr<TfrxPreviewPages> m_store;
    std::unique_ptr<TfrxReportScript> m_script;
    std::unique_ptr<TfrxReportCalc> m_calc;
    TfrxEngine *m_engine = nullptr;
    bool m_terminated = false;
    bool m_runOk = false;
};

// Makes every report made from now on run headless.
void frxInstallHeadlessReportRun();

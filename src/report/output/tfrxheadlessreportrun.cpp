#include "report/output/tfrxheadlessreportrun.h"

#include "platform/loderaerror.h"
#include "report/engine/tfrxengine.h"
#include "report/engine/tfserror.h"
#include "report/model/tfrxdatasetitem.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportdatasets.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxreportscript.h"

#include <QBuffer>

TfrxHeadlessReportRun::TfrxHeadlessReportRun(TfrxReport *report)
    : TfrxReportRun(report), m_store(std::make_unique<TfrxPreviewPages>(report)),
      m_script(std::make_unique<TfrxReportScript>(report))
{
    m_store->SetHost(this);
    m_store->SetRunControl(this);
}

TfrxHeadlessReportRun::~TfrxHeadlessReportRun() = default;

TfrxPreviewPages *TfrxHeadlessReportRun::PreviewPages() { return m_store.get(); }

QString TfrxHeadlessReportRun::ErrorBoxText(const QStringList &errors)
{
    return QStringLiteral("Aşağıdaki hata(lar) oluştu:\n") + errors.join(QLatin1Char('\n'));
}

bool TfrxHeadlessReportRun::BuildPages(bool clearPrevious)
{
    TfrxReport *report = Report();
    if (clearPrevious)
        m_store->Reset();
    report->ClearErrors();
    m_terminated = false;
    m_runOk = false;

    checkDatasets();
    if (report->Errors().isEmpty()) {
        // The template restore flag is on for every report of the program.
        QBuffer copy;
        copy.open(QIODevice::ReadWrite);
        report->SaveToStream(&copy);
        runBuild();

        const QStringList errors = report->Errors();
        copy.seek(0);
        report->SetLoadingCopy(true);
        QStringList reloadErrors;
        try {
            reloadErrors = report->LoadFromStream(&copy);
        } catch (const LoderaError &e) {
            reloadErrors << e.message();
        }
        report->SetLoadingCopy(false);
        report->SetErrors(errors);
        report->AddErrors(reloadErrors);
    }

    if (report->Errors().isEmpty())
        return m_runOk;
    if (!report->EngineOptions()->SilentMode())
        ShowErrorBox(ErrorBoxText(report->Errors()));
    return false;
}

void TfrxHeadlessReportRun::checkDatasets()
{
    TfrxReportDataSets *list = Report()->Datasets();
    for (int i = 0; i < list->Count(); ++i) {
        const TfrxDataSetItem *item = list->ItemAt(i);
        if (!item->DataSet())
            Report()->AddError(QStringLiteral("\"%1\" Dataset'i oluşturulmamış").arg(item->DataSetName()));
    }
}

void TfrxHeadlessReportRun::runBuild()
{
    TfrxReport *report = Report();
    TfrxEngine engine(report, m_store.get());
    m_engine = &engine;
    struct EngineGone {
        TfrxEngine *&engine;
        ~EngineGone() { engine = nullptr; }
    } gone{m_engine};
    try {
        QString scriptError;
        if (!m_script->Prepare(&scriptError)) {
            report->AddError(scriptError);
            return;
        }
        TfsScript &script = m_script->Script();
        if (script.hasMainStatements() && script.runMain() == TfsCallStatus::Failed)
            throw TfsError(script.errorText());
        if (engine.Run()) {
            m_runOk = true;
        } else {
            RunFailed();
        }
    } catch (const LoderaError &e) {
        report->AddError(e.message());
    } catch (const TfsError &e) {
        report->AddError(e.message());
    } catch (const std::exception &e) {
        report->AddError(QString::fromLocal8Bit(e.what()));
    }
}

bool TfrxHeadlessReportRun::PrintPrepared() { return m_store->SendToPrinter(); }

void TfrxHeadlessReportRun::ShowReport(bool clearPrevious)
{
    if (clearPrevious)
        m_store->Reset();
    BuildPages(false);
}

void TfrxHeadlessReportRun::StopReport()
{
    m_terminated = true;
    if (m_engine)
        m_engine->StopReport();
}

void TfrxHeadlessReportRun::Progress(TfrxProgressEvent, TfrxProgressType, int) {}

double TfrxHeadlessReportRun::CurY() const { return m_engine ? m_engine->CurY : 0; }

void frxInstallHeadlessReportRun()
{
    frxSetReportRunFactory([](TfrxReport *report) { return std::make_unique<TfrxHeadlessReportRun>(report); });
}

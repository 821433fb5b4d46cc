#include "report/output/tfrxheadlessreportrun.h"

#include "platform/loderaerror.h"
#include "report/engine/tfrxengine.h"
#include "report/engine/tfserror.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxdatasetitem.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportdatasets.h"
#include "report/output/frxmemodrawer.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxreportcalc.h"
#include "report/output/tfrxreportscript.h"

#include <QBuffer>

TfrxHeadlessReportRun::TfrxHeadlessReportRun(TfrxReport *report)
    : TfrxReportRun(report), m_store(std::make_unique<TfrxPreviewPages>(report)),
      m_script(std::make_unique<TfrxReportScript>(report)),
      m_calc(std::make_unique<TfrxReportCalc>(report, *m_script, *m_store))
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
    m_calc->SetEngine(&engine);
    m_script->SetEngine(&engine);
    m_calc->Reset();
    report->SetDataLoader(m_calc.get());
    // Whatever ends the build, nothing keeps pointing at the engine.
    struct EngineGone {
        TfrxHeadlessReportRun *run;
        ~EngineGone()
        {
            run->Report()->SetDataLoader(nullptr);
            run->m_calc->SetEngine(nullptr);
            run->m_script->SetEngine(nullptr);
            run->m_engine = nullptr;
        }
    } gone{this};
    TfrxReportCalc *calc = m_calc.get();
    TfsScript &script = m_script->Script();
    TfrxEngineHooks &hooks = engine.Hooks();
    hooks.calc = [calc](const QString &expression) { return calc->Calc(expression); };
    // A memo needs the height of its text laid out as it will be drawn; a
    // line has no content of its own and keeps its height.
    hooks.calcHeight = [](TfrxStretcheable *object) {
        if (auto *memo = qobject_cast<TfrxCustomMemoView *>(object))
            return CalcMemoHeight(*memo);
        return object->Height();
    };
    hooks.splitText = [](TfrxCustomMemoView *memo, double height) {
        TfrxMemoSplit split = SplitMemoText(*memo, height);
        return TfrxTextSplit{std::move(split.fits), std::move(split.rest), split.restHeight};
    };
    hooks.processMessages = [this] { ProcessMessages(); };
    hooks.callScript = [&script, &engine](const QString &procedure, QObject *sender) {
        // A procedure the script does not define is not called.
        if (script.call(procedure, {QVariant::fromValue(sender)}) == TfsCallStatus::Failed)
            throw TfsError(engine.CurObject() + QStringLiteral(": ") + script.errorText());
    };
    try {
        QString scriptError;
        const auto get = [calc](const QString &name) { return calc->Get(name); };
        const auto evaluate = [calc](const QString &expression) { return calc->Calc(expression); };
        if (!m_script->Prepare(get, evaluate, &scriptError)) {
            report->AddError(scriptError);
            return;
        }
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

bool TfrxHeadlessReportRun::FinalPass() const { return !m_engine || m_engine->FinalPass; }

void frxInstallHeadlessReportRun()
{
    frxSetReportRunFactory([](TfrxReport *report) { return std::make_unique<TfrxHeadlessReportRun>(report); });
}

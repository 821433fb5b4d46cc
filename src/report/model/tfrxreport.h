#pragma once
// TfrxReport: the root of a template. Its children are its pages, in order; it
// also owns the dataset, variable and style lists, the four option records and
// the error list of the last run.
//
// A report's owner in the program is a window (set with QObject::setParent); it
// is not part of the component tree, so a report has no Parent(). Datasets that
// sit on the same window are found by name when a template refers to them.
//
// Running a report (BuildPages, PrintPrepared, ShowReport ...) goes through
// the report's run object (see TfrxReportRun), made on first use.
//
// Stored form: the report element carries the report's own members; the
// non-empty lists follow as child elements (see TfrxCollection), then the pages.
#include "report/model/tfrxcomponent.h"
#include "report/model/tfrxdataset.h"
#include "report/model/tfrxengineoptions.h"
#include "report/model/tfrxpreviewoptions.h"
#include "report/model/tfrxprintoptions.h"
#include "report/model/tfrxreportdatasets.h"
#include "report/model/tfrxreportoptions.h"
#include "report/model/tfrxstyles.h"
#include "report/model/tfrxvariables.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class TfrxPreviewPages;
class TfrxReportPage;
class TfrxReportRun;

class TfrxReport : public TfrxComponent
{
    Q_OBJECT
    Q_PROPERTY(TfrxDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(bool DotMatrixReport READ DotMatrixReport WRITE SetDotMatrixReport)
    Q_PROPERTY(TfrxEngineOptions *EngineOptions READ EngineOptions)
    Q_PROPERTY(QString IniFile READ IniFile WRITE SetIniFile)
    Q_PROPERTY(bool OldStyleProgress READ OldStyleProgress WRITE SetOldStyleProgress)
    Q_PROPERTY(TfrxPreviewOptions *PreviewOptions READ PreviewOptions)
    Q_PROPERTY(TfrxPrintOptions *PrintOptions READ PrintOptions)
    Q_PROPERTY(TfrxReportOptions *ReportOptions READ ReportOptions)
    Q_PROPERTY(QString ScriptLanguage READ ScriptLanguage WRITE SetScriptLanguage)
    Q_PROPERTY(QStringList ScriptText READ ScriptText WRITE SetScriptText)
    Q_PROPERTY(bool ShowProgress READ ShowProgress WRITE SetShowProgress)
public:
    Q_INVOKABLE explicit TfrxReport(TfrxComponent *AOwner = nullptr);
    ~TfrxReport() override;

    QString NamePrefix() const override { return QStringLiteral("Report"); }
    bool IsBoundsStored() const override { return false; }

    // Pages destroyed, lists emptied, options and script back to their start.
    void Clear() override;

    int PagesCount() const { return int(Objects().size()); }
    TfrxComponent *Pages(int index) const { return Objects().value(index); }

    TfrxReportDataSets *Datasets() const { return m_datasets; }
    TfrxVariables *Variables() const { return m_variables; }
    TfrxStyles *Style() const { return m_styles; }
    // The lists written as child elements, by element name.
    QList<QPair<QString, TfrxCollection *>> Collections() const;

    // The whole template from or to a file in the report XML dialect. Loading
    // returns the serializer's error lines; a file that cannot be opened or is
    // no such document throws LoderaError naming the file.
    QStringList LoadFromFile(const QString &fileName);
    void SaveToFile(const QString &fileName);

    // The dataset of the report's list whose UserName is the alias, or none.
    TfrxDataSet *GetDataset(const QString &alias) const;

    TfrxDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TfrxDataSet *v);
    QString DataSetName() const;
    void SetDataSetName(const QString &v);
    bool DotMatrixReport() const { return m_dotMatrixReport; }
    void SetDotMatrixReport(bool v) { m_dotMatrixReport = v; }
    TfrxEngineOptions *EngineOptions() const { return m_engineOptions; }
    TfrxPreviewOptions *PreviewOptions() const { return m_previewOptions; }
    TfrxPrintOptions *PrintOptions() const { return m_printOptions; }
    TfrxReportOptions *ReportOptions() const { return m_reportOptions; }
    const QString &IniFile() const { return m_iniFile; }
    void SetIniFile(const QString &v) { m_iniFile = v; }
    bool OldStyleProgress() const { return m_oldStyleProgress; }
    void SetOldStyleProgress(bool v) { m_oldStyleProgress = v; }
    bool ShowProgress() const { return m_showProgress; }
    void SetShowProgress(bool v) { m_showProgress = v; }
    const QString &ScriptLanguage() const { return m_scriptLanguage; }
    void SetScriptLanguage(const QString &v) { m_scriptLanguage = v; }
    const QStringList &ScriptText() const { return m_scriptText; }
    void SetScriptText(const QStringList &v) { m_scriptText = v; }
    // The preview control to use instead of a preview window; not owned.
    QObject *Preview() const { return m_preview; }
    void SetPreview(QObject *v) { m_preview = v; }

    // Names that expressions resolve as system variables.
    const QStringList &SystemVariables() const { return m_systemVariables; }

    // Errors of a run: sorted, each text once (compared without case).
    const QStringList &Errors() const { return m_errors; }
    void AddError(const QString &text);
    void AddErrors(const QStringList &texts);
    void ClearErrors() { m_errors.clear(); }
    void SetErrors(const QStringList &sorted) { m_errors = sorted; }

    // --- running (see TfrxReportRun)
    bool BuildPages(bool ClearPrevious);
    bool PrintPrepared();
    void ShowReport(bool ClearPrevious);
    void ShowBuiltPages();
    void StopReport();
    bool Terminated() const;
    TfrxPreviewPages *PreviewPages();
    TfrxReportRun *Run();
    // True while the report reloads its own copy after a build.
    bool LoadingCopy() const { return m_loadingCopy; }
    void SetLoadingCopy(bool v) { m_loadingCopy = v; }
    // Name of the object being processed: the prefix of error lines.
    const QString &CurObject() const { return m_curObject; }
    void SetCurObject(const QString &v) { m_curObject = v; }

private:
    TfrxReportDataSets *m_datasets;
    TfrxVariables *m_variables;
    TfrxStyles *m_styles;
    TfrxEngineOptions *m_engineOptions;
    TfrxPreviewOptions *m_previewOptions;
    TfrxPrintOptions *m_printOptions;
    TfrxReportOptions *m_reportOptions;
    QPointer<TfrxDataSet> m_dataSet;
    QString m_dataSetName;
    bool m_dotMatrixReport = false;
    QString m_iniFile = QStringLiteral("\\Software\\Lodera\\Report");
    bool m_oldStyleProgress = false;
    bool m_showProgress = true;
    QString m_scriptLanguage;
    QStringList m_scriptText;
    QPointer<QObject> m_preview;
    QStringList m_systemVariables;
    QStringList m_errors;
    QString m_curObject;
    bool m_loadingCopy = false;
    std::unique_ptr<TfrxReportRun> m_run;
};

#pragma once
// The navigation and field access that every report dataset offers: the base
// behaviour of a dataset without data (no fields, ranges counted in steps) and
// the virtual operations the band engine and the memo text call. The database
// dataset and the user dataset derive from it.
//
// RecNo counts steps since the last First, not the row number of the source.
// With RangeEnd reCount the walk ends after RangeEndCount steps, and the step
// that reaches the count does not fire OnNext.
//
// Errors of a field read go to the report given by SetRunReport, prefixed with
// the name of the report object being processed (asked from the run through
// the function given there).
#include "report/model/tfrxdataset.h"

#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <functional>

class QIODevice;
class TfrxReport;

enum class TfrxFieldType { fftNumeric, fftString, fftBoolean };

class TfrxDataSetAdapter : public TfrxDataSet
{
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(TfrxDataSet *sender)>;
    using CheckEofEvent = std::function<void(TfrxDataSet *sender, bool &eof)>;

    explicit TfrxDataSetAdapter(TfrxComponent *AOwner = nullptr);

    // Rejects a name that is empty after trimming spaces (LoderaError with the
    // engine text "prInvProp").
    void SetUserName(const QString &v) override;

    virtual QString DisplayText(const QString &field);
    virtual int DisplayWidth(const QString &field);
    virtual TfrxFieldType FieldType(const QString &field);
    virtual QVariant Value(const QString &field);
    virtual void BeginReportRun() {}
    virtual void EndReportRun() {}
    virtual void Open();
    virtual void Close();
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();
    virtual int FieldsCount() { return 0; }
    virtual bool IsBlobField(const QString &) { return false; }
    virtual int RecordCount();
    // Writes the blob into the stream and rewinds it to position 0.
    virtual void CopyBlobTo(const QString &, QIODevice *) {}
    virtual void GetFieldList(QStringList &list) { list.clear(); }
    bool HasField(const QString &name);

    // The report whose error list takes this dataset's errors, and who tells
    // the name of the object being processed. Both may be empty.
    void SetRunReport(TfrxReport *report, std::function<QString()> currentObject = {});
    TfrxReport *RunReport() const;

    NotifyEvent OnFirst, OnNext, OnPrior, OnOpen, OnClose;
    CheckEofEvent OnCheckEOF;

    // Registry lookup by UserName for a DataSetName of a template: an empty
    // name gives none; without a report the current dataset comes back;
    // otherwise the first registered dataset of that name that belongs to no
    // other report, or the current one when none matches.
    static TfrxDataSet *FindDataSet(TfrxDataSet *current, const QString &name, TfrxReport *report);

protected:
    // Adds "<object>: <text>" to the run report's error list.
    void ReportError(const QString &text) const;
    // "Saha bulunamadı: <UserName>."<field>""
    QString FieldNotFoundText(const QString &field) const;

private:
    QPointer<TfrxReport> m_report;
    std::function<QString()> m_currentObject;
};

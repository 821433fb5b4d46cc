#pragma once
// A report dataset over a dataset of the database, reached through
// TfrxDBDatasetSource so the engine does not depend on the database layer.
//
// Within a run: BeginReportRun puts the adapter's own AfterOpen handler in
// front of the source's, so that when the source re-opens (a detail query
// re-run for the next master row) the field table is bound again and every
// visible name must exist; EndReportRun puts the old handler back. The first
// navigation or read opens the adapter (and the source). With the defaults
// (rbFirst, reLast, CloseDataSource false) the source stays open after a run,
// its cursor where the walk left it.
#include "report/engine/tfrxcustomdbdataset.h"
#include "report/engine/tfrxdbdatasetsource.h"

#include <QPointer>

class QImage;

class TfrxDBDataset : public TfrxCustomDBDataSet
{
    Q_OBJECT
public:
    explicit TfrxDBDataset(TfrxComponent *AOwner = nullptr);
    ~TfrxDBDataset() override;

    // The source read by this dataset; not owned. When `lifetime` is given the
    // reference is dropped as soon as that object is destroyed.
    void SetDataSet(TfrxDBDatasetSource *source, QObject *lifetime = nullptr);
    TfrxDBDatasetSource *DataSet() const;

    bool Initialized() const { return m_initialized; }

    QString DisplayText(const QString &field) override;
    int DisplayWidth(const QString &field) override;
    TfrxFieldType FieldType(const QString &field) override;
    QVariant Value(const QString &field) override;
    void BeginReportRun() override;
    void EndReportRun() override;
    void Open() override;
    void Close() override;
    void First() override;
    void Next() override;
    void Prior() override;
    bool Eof() override;
    bool IsBlobField(const QString &name) override;
    int RecordCount() override;
    void CopyBlobTo(const QString &name, QIODevice *target) override;
    // A picture or a text list takes the blob's content (text as UTF-8 lines).
    void CopyBlobTo(const QString &name, QImage &picture);
    void CopyBlobTo(const QString &name, QStringList &lines);

protected:
    void GetSourceFieldNames(QStringList &list) override;
    bool SourceHasField(const QString &name) override;
    void RequireSourceField(const QString &name) override;

private:
    // The source, or LoderaError "<name> DataSet'i veriye bağlanmamış".
    TfrxDBDatasetSource &Source();
    void EnsureOpen();
    void SourceOpened();

    TfrxDBDatasetSource *m_source = nullptr;
    QPointer<QObject> m_lifetime;
    bool m_watchLifetime = false;
    bool m_initialized = false;
    bool m_rangeEndReached = false;
    bool m_hooked = false;
    bool m_remembered = false;
};

#pragma once
// The report engine's view of one of the program's datasets: it lets a
// TfrxDBDataset walk Query1 or QIstatistik without the engine knowing the
// database layer. The binding borrows the dataset's AfterOpen handler slot
// while a report runs and hands it back afterwards, so the program's own
// handler keeps running after the report's.
#include "report/engine/tfrxdbdatasetsource.h"
#include "records/db/bookmark.h"
#include "records/db/connection.h"

#include <QObject>
#include <memory>

namespace db {
class Dataset;
class MainDatasets;
}
class TfrxDBDataset;

class ReportDataBinding : public QObject, public TfrxDBDatasetSource
{
public:
    explicit ReportDataBinding(db::Dataset &dataset, QObject *parent = nullptr);
    ~ReportDataBinding() override;

    db::Dataset &dataset() const { return m_dataset; }

    // The program's two report datasets: "frxDBDataset1" over Query1 and
    // "frxDBDataset2" over QIstatistik, both leaving their query open after a
    // run. Bindings and datasets are children of `owner`.
    static TfrxDBDataset *makeReportDataset(db::Dataset &dataset, const QString &name, QObject *owner);

    QString sourceName() const override;
    void open() override;
    void close() override;
    bool isActive() const override;
    void first() override;
    void next() override;
    void prior() override;
    bool eof() const override;
    int recordCount() const override;
    void rememberCurrent() override;
    bool hasRemembered() const override;
    bool atRemembered() const override;
    void gotoRemembered() override;
    void forgetRemembered() override;
    QStringList fieldNames() const override;
    bool hasField(const QString &name) const override;
    void requireField(const QString &name) const override;
    QVariant value(const QString &name) const override;
    QString displayText(const QString &name) const override;
    int displayWidth(const QString &name) const override;
    TfrxSourceFieldKind fieldKind(const QString &name) const override;
    bool definedField(const QString &name, TfrxSourceFieldKind &kind, int &size) const override;
    QByteArray blob(const QString &name) const override;
    void hookAfterOpen(std::function<void()> handler) override;
    void unhookAfterOpen() override;
    // A run keeps the connection's read scope, so the detail query that re-runs
    // for every staff member does not lock and check the file every time.
    void runStarted() override;
    void runEnded() override;

private:
    db::Dataset &m_dataset;
    db::Bookmark m_mark;
    bool m_hooked = false;
    std::function<void(db::Dataset &)> m_previous;
    std::unique_ptr<db::Connection::ReadScope> m_readScope;
};

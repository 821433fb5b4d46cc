#pragma once
// What a database-bound report dataset needs from the database layer, seen from
// the report engine. The engine does not know the database layer itself; the
// program implements this over its datasets (see referral/reportdatabinding.h)
// and a test may implement it over rows in memory.
//
// Failures (a statement that does not run, a field that does not exist) are
// thrown as LoderaError by the implementation and end the report run.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

// Kind of a column as far as a report cares.
enum class TfrxSourceFieldKind {
    Missing,  // no such field
    Text,
    Boolean,
    DateTime,
    LargeInt,
    Blob,
    Other,    // every other number
};

class TfrxDBDatasetSource
{
public:
    virtual ~TfrxDBDatasetSource() = default;

    // Name of the underlying dataset, for messages.
    virtual QString sourceName() const = 0;

    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isActive() const = 0;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual void prior() = 0;
    virtual bool eof() const = 0;
    virtual int recordCount() const = 0;

    // One remembered row per source: where a ranged walk started.
    virtual void rememberCurrent() = 0;
    virtual bool hasRemembered() const = 0;
    virtual bool atRemembered() const = 0;
    virtual void gotoRemembered() = 0;
    virtual void forgetRemembered() = 0;

    // Field names of the current result, in column order.
    virtual QStringList fieldNames() const = 0;
    virtual bool hasField(const QString &name) const = 0;
    // Throws the database layer's missing-field error when there is no such field.
    virtual void requireField(const QString &name) const = 0;
    // Value (QVariant() for NULL) and display text of the current row. Both
    // throw for a missing field.
    virtual QVariant value(const QString &name) const = 0;
    virtual QString displayText(const QString &name) const = 0;
    // Display width of an existing field; kind and defined size from the
    // column descriptions, which work on a closed dataset too.
    virtual int displayWidth(const QString &name) const = 0;
    virtual TfrxSourceFieldKind fieldKind(const QString &name) const = 0;
    // Size and kind from the column descriptions (refreshed when stale).
    virtual bool definedField(const QString &name, TfrxSourceFieldKind &kind, int &size) const = 0;
    virtual QByteArray blob(const QString &name) const = 0;

    // Puts `handler` in front of whatever runs after every open; the handler
    // that was installed before runs after it. unhookAfterOpen puts the
    // previous handler back.
    virtual void hookAfterOpen(std::function<void()> handler) = 0;
    virtual void unhookAfterOpen() = 0;

    // A report run over this source begins and ends. A run reads the source
    // many times over (a detail query once per master row), so the source may
    // hold what makes those reads cheap for the run's length. runEnded also
    // comes for a run that ended before it began.
    virtual void runStarted() {}
    virtual void runEnded() {}
};

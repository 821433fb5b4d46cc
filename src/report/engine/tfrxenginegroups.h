#pragma once
// The group headers of one data band while its rows are walked.
//
// Each group header has a Condition, an expression whose value is calculated
// for every row and compared with its value at the previous row. When the
// value of a header changes, that group and every group nested inside it end
// (their footers print, innermost first) and start again (their headers
// print, outermost first). The first row starts all of them.
#include <QList>
#include <QVariant>

#include <functional>

class TfrxBand;

class TfrxEngineGroups
{
public:
    using Calc = std::function<QVariant(const QString &expression)>;

    explicit TfrxEngineGroups(QList<TfrxBand *> headers) : m_headers(std::move(headers)) {}

    const QList<TfrxBand *> &Headers() const { return m_headers; }
    bool IsEmpty() const { return m_headers.isEmpty(); }
    // Calculates every condition for the current row. Returns the index of the
    // outermost group that changes (0 on the first row), or the number of
    // groups when none does.
    int Update(const Calc &calc);
    // Whether the groups have started (a row has been seen).
    bool Open() const { return m_open; }
    void Close() { m_open = false; }

private:
    QList<TfrxBand *> m_headers;
    QList<QVariant> m_values;
    bool m_open = false;
};

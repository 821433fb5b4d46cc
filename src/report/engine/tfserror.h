#pragma once
// The error of the script engine: a Turkish message and, once known, the line
// and column (both 1-based) of the source where it arose. Compile errors carry
// the position of the offending token; runtime errors that a host function
// raises get the position of the call that reached it.
#include <QString>
#include <stdexcept>

class TfsError : public std::runtime_error
{
public:
    explicit TfsError(const QString &message, int line = 0, int column = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_line(line), m_column(column) {}

    const QString &message() const noexcept { return m_message; }
    int line() const noexcept { return m_line; }
    int column() const noexcept { return m_column; }
    bool hasPosition() const noexcept { return m_line > 0; }
    void setPosition(int line, int column) { m_line = line; m_column = column; }

private:
    QString m_message;
    int m_line;
    int m_column;
};

#pragma once
// The one exception type of the program. The database layer and the settings
// files throw it with a Turkish text that names the file or statement involved;
// the event loop shows that text in an error box and the program goes on.
#include <QString>
#include <stdexcept>

class LoderaError : public std::runtime_error
{
public:
    explicit LoderaError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    // The Turkish text as the user sees it.
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

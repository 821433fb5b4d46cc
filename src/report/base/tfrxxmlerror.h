#pragma once
// The error of malformed engine XML. Its message is the engine's fixed text
// "Invalid file format"; the byte position where reading gave up travels with
// it for logs and tests.
#include "platform/loderaerror.h"

#include <QtGlobal>

class TfrxXMLError : public LoderaError
{
public:
    explicit TfrxXMLError(quint64 position)
        : LoderaError(QStringLiteral("Invalid file format")), m_position(position) {}

    // Byte offset in the stream at which the fault was seen.
    quint64 position() const noexcept { return m_position; }

private:
    quint64 m_position;
};

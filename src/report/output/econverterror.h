#pragma once
// The conversion error of text that should hold a number. Its text is the one
// the platform has always given for it, quoted value included.
#include "platform/loderaerror.h"

class EConvertError : public LoderaError
{
public:
    using LoderaError::LoderaError;

    static EConvertError notAnInteger(const QString &value)
    {
        return EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(value));
    }
};

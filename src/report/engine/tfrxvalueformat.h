#pragma once
// How one value is turned into printed text: the kind of conversion, its
// format string and an optional decimal separator. Mirrors a memo's display
// format, so the engine copies the three members across.
#include <QString>

struct TfrxValueFormat
{
    enum class Kind { fkText, fkNumeric, fkDateTime, fkBoolean };

    Kind kind = Kind::fkText;
    QString formatStr;
    QString decimalSeparator;

    bool operator==(const TfrxValueFormat &) const = default;
};

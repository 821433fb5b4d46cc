#pragma once
// The sort cycle of a grid title click: the first click on a column sorts
// ascending, the next one descending, then ascending again; a click on
// another column starts ascending.
#include <QString>

class TitleSort
{
public:
    // The sort text that follows `current` after a click on `column`.
    static QString next(const QString &current, const QString &column);
};

#include "app/titlesort.h"

QString TitleSort::next(const QString &current, const QString &column)
{
    if (current.startsWith(column) && !current.contains(QLatin1String(" DESC")))
        return column + QLatin1String(" DESC");
    return column + QLatin1String(" ASC");
}

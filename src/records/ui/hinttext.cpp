#include "records/ui/hinttext.h"

#include <QWidget>

namespace hinttext {

QString shortPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void apply(QWidget *control, const QString &hint, ShowTip showTip)
{
    control->setStatusTip(longPart(hint));
    control->setToolTip(showTip == ShowTip::Yes ? shortPart(hint) : QString());
}

QString longHintAt(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w->isWindow())
            break;
    }
    return QString();
}

} // namespace hinttext

#pragma once
// The engine's windows lay out their controls at fixed positions, each with
// the object name the tests and the text table find it by.
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

// Creates a W with `args` and `parent`, names it and puts it at `geometry`.
template <typename W, typename... A>
W *frxPlaceWidget(QWidget *parent, const char *name, QRect geometry, A &&...args)
{
    W *w = new W(std::forward<A>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

#include "app/hinttracker.h"

#include "records/ui/hinttext.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

HintTracker::HintTracker(Handler onHintChanged, QObject *parent)
    : QObject(parent), m_onHintChanged(std::move(onHintChanged))
{
    qApp->installEventFilter(this);
}

HintTracker::~HintTracker()
{
    qApp->removeEventFilter(this);
}

void HintTracker::hover(const QWidget *control)
{
    const QString hint = control ? hinttext::longHintAt(control) : QString();
    if (hint == m_hint)
        return;
    m_hint = hint;
    if (m_onHintChanged)
        m_onHintChanged(m_hint);
}

bool HintTracker::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    if (event->type() == QEvent::Enter) {
        hover(static_cast<QWidget *>(watched));
    } else if (event->type() == QEvent::Leave) {
        // Leaving a child puts the mouse back over its parent, which gets no
        // enter event of its own.
        QWidget *left = static_cast<QWidget *>(watched);
        QWidget *parent = left->isWindow() ? nullptr : left->parentWidget();
        if (parent && parent->rect().contains(parent->mapFromGlobal(QCursor::pos())))
            hover(parent);
        else if (left->isWindow())
            hover(nullptr);
    }
    return false;
}

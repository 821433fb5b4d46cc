#include "app/idlehandler.h"

#include "records/ui/errorbox.h"

#include <QAbstractEventDispatcher>
#include <QThread>
#include <exception>

IdleHandler::IdleHandler(std::function<void()> onIdle, QObject *parent)
    : QObject(parent), m_onIdle(std::move(onIdle))
{
    auto *dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread());
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &IdleHandler::aboutToBlock);
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, [this] { m_pending = true; });
}

void IdleHandler::aboutToBlock()
{
    if (!m_pending || m_running || !m_onIdle)
        return;
    m_pending = false;
    m_running = true;
    try {
        m_onIdle();
    } catch (const std::exception &e) {
        m_running = false;
        ErrorBox::show(e);
        return;
    }
    m_running = false;
}

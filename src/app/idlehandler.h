#pragma once
// Runs one function each time the event loop has emptied its queue and is
// about to wait. Runs are coalesced: after a run, the next one comes only once
// the loop has woken up again, so a handler that changes nothing lets the loop
// sleep. The handler never runs inside another handler, only between events.
#include <QObject>
#include <functional>

class IdleHandler : public QObject
{
    Q_OBJECT
public:
    explicit IdleHandler(std::function<void()> onIdle, QObject *parent = nullptr);

private:
    void aboutToBlock();

    std::function<void()> m_onIdle;
    bool m_pending = true;
    bool m_running = false;
};

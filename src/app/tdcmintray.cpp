#include "app/tdcmintray.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

TDCMinTray::TDCMinTray(QWidget *owner) : QObject(owner), m_owner(owner), m_state(*this)
{
    setObjectName(QStringLiteral("DCMinTray1"));
    m_state.setTitle(QApplication::applicationName());
    owner->installEventFilter(this);
}

TDCMinTray::~TDCMinTray()
{
    m_owner->removeEventFilter(this);
    m_state.ownerDestroyed();
}

void TDCMinTray::setPopupMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_tray)
        m_tray->setContextMenu(menu);
}

void TDCMinTray::RestoreFromTray()
{
    m_state.restoreFromTray();
}

void TDCMinTray::OwnerClosed()
{
    m_state.ownerClosed();
}

bool TDCMinTray::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_owner && event->type() == QEvent::WindowStateChange && m_owner->isMinimized()
        && !m_state.minimized()) {
        // Hiding from inside the state change would fight the window
        // manager's own handling of it; the next turn of the loop is soon enough.
        QTimer::singleShot(0, this, [this] {
            if (m_owner->isMinimized() && !m_state.minimized())
                m_state.windowMinimized();
        });
    }
    return false;
}

bool TDCMinTray::trayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TDCMinTray::addIcon(const QString &tip)
{
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::Trigger)
                m_state.iconMouse(TrayMouse::LeftClick);
            else if (why == QSystemTrayIcon::DoubleClick)
                m_state.iconMouse(TrayMouse::DoubleClick);
        });
    }
    m_tray->setIcon(m_icon.isNull() ? QApplication::windowIcon() : m_icon);
    m_tray->setToolTip(tip);
    // The toolkit pops the menu up at the cursor on every desktop.
    m_tray->setContextMenu(m_menu);
    m_tray->show();
}

void TDCMinTray::changeTip(const QString &tip)
{
    if (m_tray)
        m_tray->setToolTip(tip);
}

void TDCMinTray::deleteIcon()
{
    delete m_tray;
    m_tray = nullptr;
}

void TDCMinTray::hideWindow()
{
    m_owner->hide();
}

void TDCMinTray::showWindow()
{
    m_owner->show();
}

void TDCMinTray::restoreWindow()
{
    m_owner->showNormal();
    m_owner->raise();
    m_owner->activateWindow();
}

void TDCMinTray::endProgram()
{
    QCoreApplication::quit();
}

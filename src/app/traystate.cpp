#include "app/traystate.h"

QString TrayState::tipText(const QString &hint, const QString &title)
{
    return (hint.isEmpty() ? title : hint).left(MaxTipLength);
}

void TrayState::setTrayMode(TDCTrayMode mode)
{
    if (mode == m_trayMode)
        return;
    m_trayMode = mode;
    if (mode == TDCTrayMode::tmAlways)
        addIcon();
    else if (!m_minimized)
        removeIcon();
}

void TrayState::setHint(const QString &hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    if (m_iconShown)
        m_host.changeTip(tipText(m_hint, m_title));
}

void TrayState::windowMinimized()
{
    if (!m_host.trayAvailable())
        return;
    if (hideWhenMinimized)
        m_host.hideWindow();
    m_minimized = true;
    if (m_trayMode == TDCTrayMode::tmOnMinimize)
        addIcon();
}

void TrayState::restoreFromTray()
{
    if (hideWhenMinimized)
        m_host.showWindow();
    m_host.restoreWindow();
    m_minimized = false;
    if (m_trayMode == TDCTrayMode::tmOnMinimize)
        removeIcon();
}

void TrayState::ownerClosed()
{
    const bool hiddenInTray = m_minimized && hideWhenMinimized;
    m_minimized = false;
    removeIcon();
    if (hiddenInTray)
        m_host.endProgram();
}

void TrayState::iconMouse(TrayMouse action)
{
    switch (action) {
    case TrayMouse::LeftClick:
        if (restoreMode == TDCRestoreMode::rmClick)
            restoreFromTray();
        break;
    case TrayMouse::DoubleClick:
        if (restoreMode == TDCRestoreMode::rmDblClick)
            restoreFromTray();
        break;
    }
}

void TrayState::addIcon()
{
    if (m_iconShown || !m_host.trayAvailable())
        return;
    m_host.addIcon(tipText(m_hint, m_title));
    m_iconShown = true;
}

void TrayState::removeIcon()
{
    if (!m_iconShown)
        return;
    m_host.deleteIcon();
    m_iconShown = false;
}

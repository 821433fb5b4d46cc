#pragma once
// The tray component of the main window: while the program is minimized it
// stands in the notification area instead of on the taskbar. It watches its
// owner's window state; a double click on the icon (or a single click in
// rmClick mode) or RestoreFromTray brings the window back, and the right
// button opens PopupMenu. The rules live in TrayState; this class puts them
// on QSystemTrayIcon and the owner window.
#include "app/traystate.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>

class QSystemTrayIcon;
class QWidget;

class TDCMinTray : public QObject, private TrayHost
{
    Q_OBJECT
public:
    // `owner` is the window that goes to the tray; the component lives as
    // its child.
    explicit TDCMinTray(QWidget *owner);
    ~TDCMinTray() override;

    bool HideWhenMinimized() const { return m_state.hideWhenMinimized; }
    void setHideWhenMinimized(bool hide) { m_state.hideWhenMinimized = hide; }
    QString Hint() const { return m_state.hint(); }
    void setHint(const QString &hint) { m_state.setHint(hint); }
    QMenu *PopupMenu() const { return m_menu; }
    void setPopupMenu(QMenu *menu);
    TDCRestoreMode RestoreMode() const { return m_state.restoreMode; }
    void setRestoreMode(TDCRestoreMode mode) { m_state.restoreMode = mode; }
    TDCTrayMode TrayMode() const { return m_state.trayMode(); }
    void setTrayMode(TDCTrayMode mode) { m_state.setTrayMode(mode); }
    QIcon TrayIcon() const { return m_icon; }
    void setTrayIcon(const QIcon &icon) { m_icon = icon; }

    const TrayState &state() const { return m_state; }
    // The platform icon while it is shown, else null.
    QSystemTrayIcon *icon() const { return m_tray; }

    // The owner has accepted a close: see TrayState::ownerClosed.
    void OwnerClosed();

public slots:
    void RestoreFromTray();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool trayAvailable() const override;
    void addIcon(const QString &tip) override;
    void changeTip(const QString &tip) override;
    void deleteIcon() override;
    void hideWindow() override;
    void showWindow() override;
    void restoreWindow() override;
    void endProgram() override;

    QWidget *m_owner;
    QPointer<QMenu> m_menu;
    QIcon m_icon;
    QSystemTrayIcon *m_tray = nullptr;
    TrayState m_state;
};

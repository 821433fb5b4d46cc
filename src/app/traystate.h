#pragma once
// The rules of the tray component, apart from the platform's icon.
//
// Normal: the window is on the taskbar and, in the default mode, there is no
// icon. Minimized: the window leaves the taskbar and the icon shows. Restoring
// (a double click on the icon, the menu's "Aç", a restore command) brings the
// window back and takes the icon away again. In "always" mode the icon stays
// in both states.
//
// Where the desktop has no notification area there is nothing to restore
// from, so minimizing is left as the plain minimize it is: the window stays on
// the taskbar and can never be lost.
//
// Closing the owner while it sits in the tray ("Kapat" in the icon's menu)
// ends the program and takes the icon away.
//
// The state talks to its surroundings through TrayHost only, so the rules run
// the same with the real icon and in tests.
#include <QString>

enum class TDCRestoreMode { rmClick, rmDblClick };
enum class TDCTrayMode { tmOnMinimize, tmAlways };

// What the user did on the icon with the left button. The right button's
// menu belongs to the icon itself (see TDCMinTray).
enum class TrayMouse { LeftClick, DoubleClick };

class TrayHost
{
public:
    virtual ~TrayHost() = default;
    virtual bool trayAvailable() const = 0;
    virtual void addIcon(const QString &tip) = 0;
    virtual void changeTip(const QString &tip) = 0;
    virtual void deleteIcon() = 0;
    virtual void hideWindow() = 0;    // off the taskbar
    virtual void showWindow() = 0;    // back on the taskbar
    virtual void restoreWindow() = 0; // former size and place, active
    virtual void endProgram() = 0;    // leave the event loop
};

class TrayState
{
public:
    // The icon's tip holds at most this many characters.
    static constexpr qsizetype MaxTipLength = 63;

    explicit TrayState(TrayHost &host) : m_host(host) {}

    // The hint, or the application's title when the hint is empty, cut to
    // the tip's length.
    static QString tipText(const QString &hint, const QString &title);

    bool hideWhenMinimized = true;
    TDCRestoreMode restoreMode = TDCRestoreMode::rmDblClick;

    TDCTrayMode trayMode() const { return m_trayMode; }
    void setTrayMode(TDCTrayMode mode);
    const QString &hint() const { return m_hint; }
    void setHint(const QString &hint);
    void setTitle(const QString &title) { m_title = title; }

    bool iconShown() const { return m_iconShown; }
    bool minimized() const { return m_minimized; }

    void windowMinimized();
    void restoreFromTray();
    void iconMouse(TrayMouse action);
    // The owner window was closed for good: the icon goes. A window that sat
    // in the tray was hidden, and the toolkit ends the program only when a
    // visible window closes, so the program is ended here.
    void ownerClosed();
    // The owner goes away: the icon must not outlive it.
    void ownerDestroyed() { removeIcon(); }

private:
    void addIcon();
    void removeIcon();

    TrayHost &m_host;
    TDCTrayMode m_trayMode = TDCTrayMode::tmOnMinimize;
    QString m_hint;
    QString m_title;
    bool m_iconShown = false;
    bool m_minimized = false;
};

#include "app/tdcmintray.h"
#include "app/traystate.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Records what the tray rules ask of the desktop.
class FakeDesktop : public TrayHost
{
public:
    bool available = true;
    QStringList calls;
    QString tip;

    bool trayAvailable() const override { return available; }
    void addIcon(const QString &t) override { calls << QStringLiteral("add"); tip = t; }
    void changeTip(const QString &t) override { calls << QStringLiteral("tip"); tip = t; }
    void deleteIcon() override { calls << QStringLiteral("delete"); }
    void hideWindow() override { calls << QStringLiteral("hide"); }
    void showWindow() override { calls << QStringLiteral("show"); }
    void restoreWindow() override { calls << QStringLiteral("restore"); }
};

QStringList list(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *i : items)
        out << QString::fromLatin1(i);
    return out;
}

} // namespace

TEST(TrayState, TipIsTheHintOrTheTitleCutToSixtyThreeCharacters)
{
    const QString sixtyFour = QString(63, QLatin1Char('a')) + QLatin1Char('Z');
    struct {
        const char *name;
        QString hint;
        QString expected;
    } rows[] = {
        {"program's hint", QStringLiteral("Lodera Programı"), QStringLiteral("Lodera Programı")},
        {"empty hint gives the title", QString(), QStringLiteral("Lodera")},
        {"63 stay", QString(63, QLatin1Char('ş')), QString(63, QLatin1Char('ş'))},
        {"64th cut", sixtyFour, QString(63, QLatin1Char('a'))},
    };
    for (const auto &row : rows)
        EXPECT_EQ(TrayState::tipText(row.hint, QStringLiteral("Lodera")), row.expected) << row.name;
}

TEST(TrayState, MinimizeHidesAndShowsTheIconOnlyADoubleClickRestores)
{
    FakeDesktop desktop;
    TrayState tray(desktop);
    tray.setTitle(QStringLiteral("Lodera"));
    tray.setHint(QStringLiteral("Lodera Programı"));
    EXPECT_TRUE(desktop.calls.isEmpty()) << "no icon while the window is on the taskbar";

    tray.windowMinimized();
    EXPECT_EQ(desktop.calls, list({"hide", "add"}));
    EXPECT_EQ(desktop.tip, QStringLiteral("Lodera Programı"));
    EXPECT_TRUE(tray.iconShown());
    EXPECT_TRUE(tray.minimized());

    desktop.calls.clear();
    tray.iconMouse(TrayMouse::LeftClick);
    EXPECT_TRUE(desktop.calls.isEmpty()) << "a single click does nothing";

    tray.iconMouse(TrayMouse::DoubleClick);
    EXPECT_EQ(desktop.calls, list({"show", "restore", "delete"}));
    EXPECT_FALSE(tray.iconShown());
    EXPECT_FALSE(tray.minimized());

    // A second restore ("Aç" on a window that is back) has no icon to remove.
    desktop.calls.clear();
    tray.restoreFromTray();
    EXPECT_EQ(desktop.calls, list({"show", "restore"}));
}

TEST(TrayState, ModesAndHintChanges)
{
    FakeDesktop desktop;
    TrayState tray(desktop);
    tray.restoreMode = TDCRestoreMode::rmClick;
    tray.hideWhenMinimized = false;
    tray.windowMinimized();
    EXPECT_EQ(desktop.calls, list({"add"})) << "the window keeps its taskbar button";
    tray.setHint(QString(70, QLatin1Char('x')));
    EXPECT_EQ(desktop.tip, QString(63, QLatin1Char('x'))) << "a new hint reaches the shown icon, cut";
    tray.iconMouse(TrayMouse::DoubleClick);
    EXPECT_TRUE(tray.iconShown()) << "rmClick ignores double clicks";
    tray.iconMouse(TrayMouse::LeftClick);
    EXPECT_FALSE(tray.iconShown());

    desktop.calls.clear();
    tray.setTrayMode(TDCTrayMode::tmAlways);
    EXPECT_EQ(desktop.calls, list({"add"}));
    tray.windowMinimized();
    tray.restoreFromTray();
    EXPECT_TRUE(tray.iconShown()) << "always mode keeps the icon";
    tray.setTrayMode(TDCTrayMode::tmOnMinimize);
    EXPECT_FALSE(tray.iconShown());
    tray.ownerDestroyed();
    EXPECT_EQ(desktop.calls.count(QStringLiteral("delete")), 1);
}

TEST(TrayState, WithoutNotificationAreaMinimizingIsAPlainMinimize)
{
    FakeDesktop desktop;
    desktop.available = false;
    TrayState tray(desktop);
    tray.windowMinimized();
    EXPECT_TRUE(desktop.calls.isEmpty()) << "hiding would lose the window";
    EXPECT_FALSE(tray.minimized());
    tray.setTrayMode(TDCTrayMode::tmAlways);
    EXPECT_FALSE(tray.iconShown());
}

// The offscreen desktop has no notification area: the real component must
// leave the minimized window where the clerk can find it.
TEST(TDCMinTray, OffscreenMinimizeKeepsTheWindow)
{
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    QWidget owner;
    QMenu menu(&owner);
    auto *tray = new TDCMinTray(&owner);
    tray->setHint(QStringLiteral("Lodera Programı"));
    tray->setPopupMenu(&menu);
    EXPECT_EQ(tray->objectName(), QStringLiteral("DCMinTray1"));
    EXPECT_TRUE(tray->HideWhenMinimized());
    EXPECT_EQ(tray->RestoreMode(), TDCRestoreMode::rmDblClick);
    EXPECT_EQ(tray->TrayMode(), TDCTrayMode::tmOnMinimize);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    owner.showMinimized();
    QTest::qWait(20);
    EXPECT_TRUE(owner.isVisible());
    EXPECT_EQ(tray->icon(), nullptr);
    tray->RestoreFromTray();
    EXPECT_FALSE(owner.isMinimized());
    EXPECT_TRUE(owner.isVisible());
}

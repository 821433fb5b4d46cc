#include "app/tdcmintray.h"
#include "app/tform1.h"
#include "app/traystate.h"
#include "platform/profilefile.h"
#include "registerfolder.h"
#include "settings/tayarfrm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
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
    void endProgram() override { calls << QStringLiteral("end"); }
};

// The real component, told that the desktop has a notification area, so the
// offscreen tests can send the main window to the tray.
class TrayOnEveryDesktop : public TDCMinTray
{
public:
    using TDCMinTray::TDCMinTray;

private:
    bool trayAvailable() const override { return true; }
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
        {"63 stay", QString(63, QChar(0x015F)), QString(63, QChar(0x015F))},
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

TEST(TrayState, ClosingTheOwnerRemovesTheIconAndEndsAProgramLeftInTheTray)
{
    struct {
        const char *name;
        bool minimize;
        bool hideWhenMinimized;
        TDCTrayMode mode;
        QStringList expected; // after the close
    } rows[] = {
        // The hidden window's close is not the end of the last visible
        // window, so the toolkit would keep the program running.
        {"in the tray", true, true, TDCTrayMode::tmOnMinimize, list({"delete", "end"})},
        {"on the taskbar", false, true, TDCTrayMode::tmOnMinimize, list({})},
        {"always mode, on the taskbar", false, true, TDCTrayMode::tmAlways, list({"delete"})},
        {"always mode, in the tray", true, true, TDCTrayMode::tmAlways, list({"delete", "end"})},
        // Minimized but not hidden: the close ends the program by itself.
        {"minimized, still on the taskbar", true, false, TDCTrayMode::tmOnMinimize, list({"delete"})},
    };
    for (const auto &row : rows) {
        FakeDesktop desktop;
        TrayState tray(desktop);
        tray.hideWhenMinimized = row.hideWhenMinimized;
        tray.setTrayMode(row.mode);
        if (row.minimize)
            tray.windowMinimized();
        desktop.calls.clear();
        tray.ownerClosed();
        EXPECT_EQ(desktop.calls, row.expected) << row.name;
        EXPECT_FALSE(tray.iconShown()) << row.name;
        EXPECT_FALSE(tray.minimized()) << row.name;
        desktop.calls.clear();
        tray.ownerDestroyed();
        EXPECT_TRUE(desktop.calls.isEmpty()) << row.name << ": the icon went once";
    }
}

// "Kapat" in the icon's menu while the main window sits in the tray: the
// window's keys are written, the icon goes and the event loop ends.
TEST(TrayMenuTest, KapatWhileInTheTrayEndsTheProgramAndRemovesTheIcon)
{
    RegisterFolder folder;
    folder.fillSample();
    QFile::remove(ProfileFile::programIniPath());
    TForm1 form;
    TAyarFrm settings(&form);
    delete form.DCMinTray1;
    form.DCMinTray1 = new TrayOnEveryDesktop(&form);
    form.DCMinTray1->setHint(QStringLiteral("Lodera Programı"));
    form.DCMinTray1->setPopupMenu(form.PopupMenu1);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    form.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isHidden(); }, 2000));
    ASSERT_NE(form.DCMinTray1->icon(), nullptr);
    EXPECT_EQ(form.DCMinTray1->icon()->toolTip(), QStringLiteral("Lodera Programı"));

    QAction *kapat = nullptr;
    for (QAction *a : form.PopupMenu1->actions())
        if (a->text() == QStringLiteral("Kapat"))
            kapat = a;
    ASSERT_NE(kapat, nullptr);
    QTimer::singleShot(0, kapat, &QAction::trigger);
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    stuck.start(3000);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the program went on running after Kapat";
    EXPECT_EQ(form.DCMinTray1->icon(), nullptr);
    EXPECT_TRUE(QFile::exists(ProfileFile::programIniPath())) << "the close writes the window's keys";
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

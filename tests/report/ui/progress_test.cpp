// The progress window, and what the user-interface run shows in it for the
// notifications of a build and of printing: printing shows "Yazılan sayfa n"
// for every page, a build shows nothing unless the report asks for the
// old-style progress, and "Vazgeç" (or Esc) stops the run at its next step.
#include "report/model/tfrxreport.h"
#include "report/ui/tfrxprogress.h"
#include "report/ui/tfrxreportuirun.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <class T> T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QLatin1String(name));
}

TEST(ProgressWindow, LaysItsControlsOutWithAndWithoutTheBar)
{
    TfrxProgress window;
    window.Execute(10, QStringLiteral("Hazırlanıyor"), true, true);
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(271, 101));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    auto *message = child<QLabel>(&window, "LMessage");
    auto *bar = child<QProgressBar>(&window, "Bar");
    auto *cancel = child<QPushButton>(&window, "CancelB");
    ASSERT_TRUE(message && bar && cancel);
    EXPECT_EQ(message->geometry(), QRect(16, 11, 237, 20));
    EXPECT_EQ(message->text(), QStringLiteral("Hazırlanıyor"));
    EXPECT_EQ(bar->geometry(), QRect(16, 37, 237, 17));
    EXPECT_EQ(bar->maximum(), 10);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(cancel->geometry(), QRect(100, 64, 75, 25));
    EXPECT_EQ(cancel->text(), QStringLiteral("Vazgeç"));
    EXPECT_TRUE(cancel->isVisible());

    // Without the bar the message moves down into the free space.
    window.Execute(0, QString(), false, false);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(message->geometry(), QRect(16, 35, 237, 20));
    EXPECT_FALSE(cancel->isVisible());
}

TEST(ProgressWindow, ButtonAndEscCancel)
{
    for (const bool byKey : {false, true}) {
        TfrxProgress window;
        window.Execute(0, QString(), true, false);
        ASSERT_FALSE(window.Terminated());
        if (byKey)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(&window, "CancelB"), Qt::LeftButton);
        EXPECT_TRUE(window.Terminated()) << (byKey ? "Esc" : "button");
        EXPECT_FALSE(window.isVisible()) << (byKey ? "Esc" : "button");
    }
    // Without its button Esc does nothing.
    TfrxProgress window;
    window.Execute(0, QString(), false, false);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.Terminated());
    EXPECT_TRUE(window.isVisible());
}

TEST(ProgressWindow, ActiveWindowIsDisabledWhileItShows)
{
    QWidget main;
    main.resize(300, 200);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    {
        TfrxProgress window;
        window.Execute(0, QString(), true, false);
        EXPECT_FALSE(main.isEnabled());
        window.hide();
        EXPECT_TRUE(main.isEnabled()) << "hiding gives the window back";
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        window.Execute(0, QString(), true, false);
        EXPECT_FALSE(main.isEnabled());
    }
    EXPECT_TRUE(main.isEnabled()) << "destroying gives the window back";
}

struct MessageRow
{
    TfrxProgressType kind;
    bool finalPass;
    const char *text;
};

TEST(ProgressRun, StepMessagesOfEachKind)
{
    const MessageRow rows[] = {
        {TfrxProgressType::ptPrinting, true, "Yazılan sayfa 4"},
        {TfrxProgressType::ptExporting, true, "Sayfa dışarı atılıyor 4"},
        {TfrxProgressType::ptRunning, true, "Hazırlanan sayfa 4"},
        {TfrxProgressType::ptRunning, false, "İlk çalışan : sayfa 4"},
    };
    for (const MessageRow &r : rows)
        EXPECT_EQ(TfrxReportUiRun::ProgressMessage(r.kind, 4, r.finalPass), QString::fromUtf8(r.text));
}

TEST(ProgressRun, PrintingShowsEveryPageAndCancelStopsAtTheNextStep)
{
    TfrxReport report;
    TfrxReportUiRun run(&report);
    run.Progress(TfrxProgressEvent::Start, TfrxProgressType::ptPrinting, 0);
    TfrxProgress *window = run.ProgressWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Message().isEmpty());
    EXPECT_FALSE(window->ShowBar());
    for (int page = 1; page <= 2; ++page) {
        run.Progress(TfrxProgressEvent::Progress, TfrxProgressType::ptPrinting, page);
        EXPECT_EQ(window->Message(), QStringLiteral("Yazılan sayfa %1").arg(page));
    }
    EXPECT_FALSE(run.Terminated());
    QTest::mouseClick(child<QPushButton>(window, "CancelB"), Qt::LeftButton);
    run.Progress(TfrxProgressEvent::Progress, TfrxProgressType::ptPrinting, 3);
    EXPECT_TRUE(run.Terminated());
    run.Progress(TfrxProgressEvent::Stop, TfrxProgressType::ptPrinting, 0);
    EXPECT_EQ(run.ProgressWindow(), nullptr);
}

struct WindowRow
{
    const char *name;
    TfrxProgressType kind;
    bool oldStyle, showProgress;
    const char *firstStep; // none: no window
};

TEST(ProgressRun, WhichNotificationsOpenTheWindow)
{
    const WindowRow rows[] = {
        {"build", TfrxProgressType::ptRunning, false, true, nullptr},
        {"old-style build", TfrxProgressType::ptRunning, true, true, "Hazırlanan sayfa 1"},
        {"export", TfrxProgressType::ptExporting, false, true, "Sayfa dışarı atılıyor 1"},
        {"printing without progress", TfrxProgressType::ptPrinting, false, false, nullptr},
    };
    for (const WindowRow &r : rows) {
        TfrxReport report;
        report.SetOldStyleProgress(r.oldStyle);
        report.SetShowProgress(r.showProgress);
        TfrxReportUiRun run(&report);
        run.Progress(TfrxProgressEvent::Start, r.kind, 0);
        run.Progress(TfrxProgressEvent::Progress, r.kind, 1);
        if (!r.firstStep) {
            EXPECT_EQ(run.ProgressWindow(), nullptr) << r.name;
            continue;
        }
        ASSERT_NE(run.ProgressWindow(), nullptr) << r.name;
        EXPECT_EQ(run.ProgressWindow()->Message(), QString::fromUtf8(r.firstStep)) << r.name;
        run.Progress(TfrxProgressEvent::Stop, r.kind, 0);
        EXPECT_EQ(run.ProgressWindow(), nullptr) << r.name;
    }
}

} // namespace

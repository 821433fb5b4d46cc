#include "mainwindowfixture.h"

#include "platform/profilefile.h"

#include <QApplication>
#include <QFile>
#include <QEventLoop>
#include <QTimer>
#include <QKeyEvent>
#include <QTest>

void MainWindowTest::SetUp()
{
    // The program keeps Lodera.ini next to its executable, here the test
    // program's own folder: every test starts as a first start would.
    QFile::remove(ProfileFile::programIniPath());
    fill();
    start();
}

void MainWindowTest::TearDown()
{
    stop();
}

void MainWindowTest::start()
{
    form = std::make_unique<TForm1>();
    ASSERT_TRUE(form->startAllowed());
    settings = new TAyarFrm(form.get());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void MainWindowTest::stop()
{
    if (form)
        form->close();
    form.reset();
    settings = nullptr;
}

void MainWindowTest::type(QWidget *control, const QString &text)
{
    control->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &release);
    }
}

void spinEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

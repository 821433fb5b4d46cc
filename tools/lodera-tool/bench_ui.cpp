// `lodera-tool bench ui`: what the clerk waits for in the main window, on a
// register of 10 000 staff members with ten statistics rows each, made in a
// temporary working folder.
//
//   ui.startup_ms              the real Lodera executable, started on the
//                              offscreen platform in that folder, from process
//                              start until the main window first reaches the
//                              screen: the program runs with Qt's painting log
//                              on, and the clock stops at the first line that
//                              flushes TForm1's painted pixels, which comes
//                              after the database is open, FormShow has filled
//                              the lists and the window has painted itself.
//   ui.startup_inprocess_ms    creating the main window and the settings window
//                              in this process and showing it until exposed.
//   ui.search_keystroke_ms     one typed character in the search box, handled
//                              and painted; the slower of the two modes, which
//                              follow as _prefix_ms and _filter_ms.
//   ui.row_switch_ms           Down in the staff grid: the next staff member
//                              with both detail queries, the dependants page,
//                              the grid and the status bar painted.
#include "toolcommand.h"

#include "app/dataentrypanel.h"
#include "app/staffcolumn.h"
#include "app/tform1.h"
#include "records/db/demoregister.h"
#include "records/db/maindatasets.h"
#include "records/ui/tsrdbgrid.h"
#include "settings/tayarfrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>
#include <memory>

namespace {

double elapsedMs(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

void key(QWidget *target, int code, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Process start to the first flush of the main window to the screen, in
// milliseconds; a negative value when the program did not get there within
// ten seconds.
double externalStartup(const QString &folder)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/Lodera");
    const QString lock = folder + QStringLiteral("/Lodera.exe.lock");
    QFile::remove(lock);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting=true"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    // A win.ini of the folder's own: no password prompt.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.setProgram(program);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setReadChannel(QProcess::StandardError);
    QElapsedTimer t;
    t.start();
    p.start();
    double result = -1;
    while (result < 0 && t.elapsed() < 10000) {
        if (!p.canReadLine() && !p.waitForReadyRead(int(10000 - t.elapsed())))
            break;
        while (result < 0 && p.canReadLine()) {
            const QByteArray line = p.readLine();
            // "qt.widgets.painting: Flushing QRegion(0,0 601x407) of TForm1(0x..., name=\"Form1\")"
            if (line.contains("Flushing QRegion(") && line.contains(" of TForm1("))
                result = elapsedMs(t);
        }
    }
    p.kill();
    p.waitForFinished(5000);
    QFile::remove(lock);
    return result;
}

struct Window {
    std::unique_ptr<TForm1> form;
    TAyarFrm *settings = nullptr;

    void start()
    {
        form = std::make_unique<TForm1>();
        settings = new TAyarFrm(form.get());
        form->show();
        while (!form->windowHandle() || !form->windowHandle()->isExposed())
            QApplication::processEvents();
        settle();
    }
};

double searchKeystrokes(TForm1 &form, const QStringList &prefixes)
{
    QLineEdit *search = form.Panel1->Edit1;
    std::vector<double> times;
    for (const QString &prefix : prefixes) {
        search->clear();
        settle();
        search->setFocus();
        for (QChar c : prefix) {
            QElapsedTimer t;
            t.start();
            key(search, 0, QString(c));
            settle();
            times.push_back(elapsedMs(t));
        }
    }
    search->clear();
    settle();
    return tool::median(std::move(times));
}

int benchUi(const QStringList &args)
{
    if (!args.isEmpty()) {
        tool::err(QStringLiteral("kullanım: lodera-tool bench ui"));
        return 2;
    }
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    db::DemoOptions options;
    options.staff = 10000;
    options.statsPerStaff = 10;
    db::DemoRegister::create(dir.filePath(QStringLiteral("Data.ssd")), options);
    QDir::setCurrent(dir.path());
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());

    std::vector<double> external;
    for (int i = 0; i < 5; ++i)
        external.push_back(externalStartup(dir.path()));
    tool::figure(QStringLiteral("ui.startup_ms"), tool::median(external));

    std::vector<double> inProcess;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        Window w;
        w.start();
        inProcess.push_back(elapsedMs(t));
    }
    tool::figure(QStringLiteral("ui.startup_inprocess_ms"), tool::median(inProcess));

    Window w;
    w.start();
    TForm1 &form = *w.form;
    db::Dataset &staff = form.data().Query1;
    const int birlestir = int(staff.fieldNames().indexOf(QStringLiteral("Birlestir")));
    QStringList prefixes;
    for (int r = 0; r < staff.recordCount(); r += staff.recordCount() / 40 + 1)
        prefixes << staff.displayTextAt(r, birlestir).left(3);

    const double prefixMode = searchKeystrokes(form, prefixes);
    w.settings->ChkArama->setChecked(true);
    const double filterMode = searchKeystrokes(form, prefixes);
    w.settings->ChkArama->setChecked(false);
    tool::figure(QStringLiteral("ui.search_keystroke_ms"), std::max(prefixMode, filterMode));
    tool::figure(QStringLiteral("ui.search_keystroke_prefix_ms"), prefixMode);
    tool::figure(QStringLiteral("ui.search_keystroke_filter_ms"), filterMode);

    form.ToolBtn2Click();
    form.Panel6->TabSet1->setCurrentIndex(4); // the dependants page
    settle();
    TSrDBGrid *grid = form.Panel1->DBGrid1;
    grid->setFocus();
    staff.first();
    settle();
    std::vector<double> moves;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        key(grid, Qt::Key_Down);
        settle();
        moves.push_back(elapsedMs(t));
    }
    tool::figure(QStringLiteral("ui.row_switch_ms"), tool::median(moves));

    w.form.reset();
    QDir::setCurrent(previous);
    if (previousRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("ui", benchUi);

#include "cupsfixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace testsupport {

namespace {

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

// Page sizes in points with their printable areas: 12 points free at the
// left and right, 18 at the top and bottom.
struct Media
{
    const char *key;
    int width, height;
};
const Media kMedia[] = {{"A4", 595, 842}, {"A5", 420, 595}, {"Letter", 612, 792}};

QByteArray driverDescription()
{
    QByteArray ppd =
        "*PPD-Adobe: \"4.3\"\n"
        "*FormatVersion: \"4.3\"\n"
        "*FileVersion: \"1.0\"\n"
        "*LanguageVersion: English\n"
        "*LanguageEncoding: ISOLatin1\n"
        "*PCFileName: \"LODERAT.PPD\"\n"
        "*Manufacturer: \"Lodera\"\n"
        "*Product: \"(Lodera Test PDF)\"\n"
        "*ModelName: \"Lodera Test PDF\"\n"
        "*ShortNickName: \"Lodera Test PDF\"\n"
        "*NickName: \"Lodera Test PDF\"\n"
        "*PSVersion: \"(3010.000) 0\"\n"
        "*LanguageLevel: \"3\"\n"
        "*ColorDevice: True\n"
        "*DefaultColorSpace: RGB\n"
        "*FileSystem: False\n"
        "*Throughput: \"1\"\n"
        "*LandscapeOrientation: Plus90\n"
        "*TTRasterizer: Type42\n"
        "*cupsVersion: 2.4\n"
        "*cupsFilter2: \"application/vnd.cups-pdf application/pdf 0 -\"\n";
    for (const char *option : {"PageSize", "PageRegion"}) {
        ppd += QByteArray("*OpenUI *") + option + "/Media Size: PickOne\n";
        ppd += QByteArray("*OrderDependency: 10 AnySetup *") + option + "\n";
        ppd += QByteArray("*Default") + option + ": A4\n";
        for (const Media &m : kMedia)
            ppd += QByteArray("*") + option + " " + m.key + "/" + m.key + ": \"<</PageSize["
                + QByteArray::number(m.width) + " " + QByteArray::number(m.height) + "]>>setpagedevice\"\n";
        ppd += QByteArray("*CloseUI: *") + option + "\n";
    }
    ppd += "*DefaultImageableArea: A4\n";
    for (const Media &m : kMedia)
        ppd += QByteArray("*ImageableArea ") + m.key + "/" + m.key + ": \"12 18 "
            + QByteArray::number(m.width - 12) + " " + QByteArray::number(m.height - 18) + "\"\n";
    ppd += "*DefaultPaperDimension: A4\n";
    for (const Media &m : kMedia)
        ppd += QByteArray("*PaperDimension ") + m.key + "/" + m.key + ": \""
            + QByteArray::number(m.width) + " " + QByteArray::number(m.height) + "\"\n";
    ppd +=
        "*OpenUI *InputSlot/Paper Source: PickOne\n"
        "*OrderDependency: 20 AnySetup *InputSlot\n"
        "*DefaultInputSlot: Auto\n"
        "*InputSlot Auto/Automatic: \"\"\n"
        "*InputSlot Upper/Upper Tray: \"\"\n"
        "*InputSlot Manual/Manual Feed: \"\"\n"
        "*InputSlot Tray3/Tray 3: \"\"\n"
        "*CloseUI: *InputSlot\n"
        "*OpenUI *Resolution/Resolution: PickOne\n"
        "*OrderDependency: 5 AnySetup *Resolution\n"
        "*DefaultResolution: 600dpi\n"
        "*Resolution 600dpi/600 DPI: \"\"\n"
        "*Resolution 300dpi/300 DPI: \"\"\n"
        "*CloseUI: *Resolution\n"
        "*OpenUI *Duplex/2-Sided Printing: PickOne\n"
        "*OrderDependency: 30 AnySetup *Duplex\n"
        "*DefaultDuplex: None\n"
        "*Duplex None/Off: \"\"\n"
        "*Duplex DuplexNoTumble/Long Edge: \"\"\n"
        "*Duplex DuplexTumble/Short Edge: \"\"\n"
        "*CloseUI: *Duplex\n"
        "*DefaultFont: Courier\n"
        "*Font Courier: Standard \"(002.004S)\" Standard ROM\n";
    return ppd;
}

} // namespace

CupsFixture::CupsFixture() = default;

CupsFixture::~CupsFixture()
{
    stop();
}

QString CupsFixture::folder() const { return m_dir ? m_dir->path() : QString(); }
QString CupsFixture::socketPath() const { return folder() + QStringLiteral("/cups.sock"); }
QString CupsFixture::outputFile() const { return folder() + QStringLiteral("/out/job.pdf"); }

bool CupsFixture::isRunning() const
{
    return m_cupsd && m_cupsd->state() == QProcess::Running;
}

bool CupsFixture::writeConfiguration()
{
    const QString root = folder();
    for (const char *sub : {"etc", "etc/ppd", "spool", "spool/tmp", "cache", "state", "log", "out"})
        if (!QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub)))
            return false;
    // The scheduler's filters run as another user when we are root.
    QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                    | QFileDevice::ExeOther);
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
        | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    for (const char *sub : {"/spool/tmp", "/out", "/cache"})
        if (!QFile::setPermissions(root + QLatin1String(sub), everyone))
            return false;

    const QByteArray r = root.toLocal8Bit();
    QByteArray conf = "Listen " + r + "/cups.sock\n"
        "LogLevel warn\n"
        "Browsing No\n"
        "WebInterface No\n"
        "DefaultAuthType None\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  JobPrivateAccess all\n  JobPrivateValues none\n"
        "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
        "  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
    QByteArray files = "ServerRoot " + r + "/etc\n"
        "RequestRoot " + r + "/spool\n"
        "TempDir " + r + "/spool/tmp\n"
        "CacheDir " + r + "/cache\n"
        "StateDir " + r + "/state\n"
        "ErrorLog " + r + "/log/error_log\n"
        "AccessLog " + r + "/log/access_log\n"
        "PageLog " + r + "/log/page_log\n"
        "FileDevice Yes\n"
        "Sandboxing Relaxed\n";
    if (geteuid() != 0) {
        // A normal user's scheduler runs everything as that user; its group
        // administers it.
        if (const group *g = getgrgid(getgid()))
            files += "SystemGroup " + QByteArray(g->gr_name) + "\n";
    }
    return writeFile(root + "/etc/cupsd.conf", conf) && writeFile(root + "/etc/cups-files.conf", files)
        && writeFile(root + "/LoderaTest.ppd", driverDescription());
}

bool CupsFixture::run(const QString &program, const QStringList &args, QString *output) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool CupsFixture::start()
{
    if (isRunning())
        return true;
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    if (cupsd.isEmpty()) {
        m_error = QStringLiteral("cupsd is not installed");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lodera-cups-XXXXXX"));
    if (!m_dir->isValid() || !writeConfiguration()) {
        m_error = QStringLiteral("cannot lay out the scheduler folder");
        return false;
    }
    m_hadServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    m_savedServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", socketPath().toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");

    m_cupsd = std::make_unique<QProcess>();
    m_cupsd->setProcessChannelMode(QProcess::MergedChannels);
    // The scheduler goes with the test program even when that ends without
    // stopping it (a sanitizer's abort, a crash, a kill): the kernel sends it
    // SIGTERM when its parent dies, and it shuts down as on a normal stop.
    const pid_t parent = getpid();
    m_cupsd->setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) // the parent died before the line above
            _exit(1);
    });
    m_cupsd->start(cupsd, {"-f", "-c", folder() + "/etc/cupsd.conf", "-s", folder() + "/etc/cups-files.conf"});
    if (!m_cupsd->waitForStarted(10000)) {
        m_error = QStringLiteral("cupsd did not start");
        return false;
    }
    QString out;
    const QDeadlineTimer deadline(20000);
    bool up = false;
    while (!deadline.hasExpired() && isRunning()) {
        if (QFileInfo::exists(socketPath()) && run("lpstat", {"-r"}, &out) && out.contains("is running")) {
            up = true;
            break;
        }
        QThread::msleep(100);
    }
    if (!up) {
        m_error = QStringLiteral("the scheduler did not come up: ") + QString::fromLocal8Bit(m_cupsd->readAll()) + errorLog();
        stop();
        return false;
    }
    const QString uri = QStringLiteral("file://") + outputFile();
    if (!run("lpadmin", {"-p", QueueName, "-E", "-v", uri, "-P", folder() + "/LoderaTest.ppd"}, &out)
        || !run("lpadmin", {"-d", QueueName}, &out)) {
        m_error = QStringLiteral("lpadmin refused the queue: ") + out + errorLog();
        stop();
        return false;
    }
    return true;
}

void CupsFixture::stop()
{
    if (m_cupsd) {
        if (m_cupsd->state() != QProcess::NotRunning) {
            m_cupsd->terminate();
            if (!m_cupsd->waitForFinished(10000)) {
                m_cupsd->kill();
                m_cupsd->waitForFinished(5000);
            }
        }
        m_cupsd.reset();
        if (m_hadServer)
            qputenv("CUPS_SERVER", m_savedServer);
        else
            qunsetenv("CUPS_SERVER");
    }
    m_dir.reset();
}

void CupsFixture::clearOutput() const
{
    QFile::remove(outputFile());
}

bool CupsFixture::waitForOutput(int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QString out;
    while (!deadline.hasExpired()) {
        const bool idle = run("lpstat", {"-o", QueueName}, &out) && out.trimmed().isEmpty();
        if (idle && QFileInfo(outputFile()).size() > 0) {
            QFile f(outputFile());
            if (f.open(QIODevice::ReadOnly) && f.readAll().trimmed().endsWith("%%EOF"))
                return true;
        }
        QThread::msleep(100);
    }
    return false;
}

QString CupsFixture::errorLog() const
{
    QFile f(folder() + QStringLiteral("/log/error_log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

} // namespace testsupport

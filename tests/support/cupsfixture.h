#pragma once
// A private CUPS scheduler for one test run.
//
// start() lays out a scheduler of its own in a temporary folder -
// configuration, spool, cache, state and logs - listening only on a local
// socket there, runs `cupsd -f` on it and points this process (and every
// child it starts) at it through CUPS_SERVER. The machine's own scheduler,
// its queues and its configuration are never touched; everything goes with
// the folder when the fixture is stopped.
//
// The scheduler has one queue, "LoderaTest", set as the default destination.
// It is a PDF printer: its driver description (written here, 600 dpi, A4, A5
// and Letter with 12/18-point unprintable margins, four trays, duplex) makes
// CUPS pass the PDF that Qt submits through its pdftopdf filter unchanged in
// kind, and its device is a file: URI, so every job lands as a PDF file in
// outputFile(), overwriting the previous one. File devices are allowed by
// "FileDevice Yes" in the private cups-files.conf. (The cups-pdf backend is
// not used: it reads its output folder from the machine-wide
// /etc/cups/cups-pdf.conf, which a test must not change.)
//
// Start the fixture before anything in the process talks to CUPS: the client
// library reads CUPS_SERVER once. As root the scheduler runs its filters as
// the "lp" user, so the folders it uses are made readable and the spool's
// temporary folder writable for it; as a normal user it runs them as that
// user. The scheduler ends with the test program: it gets SIGTERM when the
// program dies without stopping it.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

class CupsFixture
{
public:
    CupsFixture();
    ~CupsFixture();

    static constexpr const char *QueueName = "LoderaTest";

    // Starts the scheduler and creates the queue; false with a reason in
    // error() when cupsd or lpadmin is missing or refuses.
    bool start();
    void stop();
    bool isRunning() const;
    const QString &error() const { return m_error; }

    QString socketPath() const;
    QString folder() const;
    // The PDF the last job printed.
    QString outputFile() const;
    // Removes the last job's output, so the next one can be waited for.
    void clearOutput() const;
    // Waits until the scheduler has no pending job and the output file is
    // complete; false on timeout.
    bool waitForOutput(int timeoutMs = 30000) const;
    // The scheduler's error log, for failure messages.
    QString errorLog() const;

private:
    bool writeConfiguration();
    bool run(const QString &program, const QStringList &args, QString *output = nullptr) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_cupsd;
    QString m_error;
    QByteArray m_savedServer;
    bool m_hadServer = false;
};

} // namespace testsupport

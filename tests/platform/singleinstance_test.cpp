#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs in a child process started by the tests below: takes the lock in the
// given folder, says so, and keeps it until killed.
TEST(SingleInstanceChild, DISABLED_HoldLock)
{
    const QString folder = qEnvironmentVariable("LODERA_TEST_LOCK_FOLDER");
    ASSERT_FALSE(folder.isEmpty());
    SingleInstance lock(folder);
    ASSERT_TRUE(lock.tryAcquire());
    fputs("held\n", stdout);
    fflush(stdout);
    char buffer[16];
    while (fgets(buffer, sizeof buffer, stdin)) {}
}

class OtherCopy
{
public:
    explicit OtherCopy(const QString &folder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LODERA_TEST_LOCK_FOLDER"), folder);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_also_run_disabled_tests"),
                       QStringLiteral("--gtest_filter=SingleInstanceChild.DISABLED_HoldLock")});
    }
    ~OtherCopy() { crash(); }

    bool waitUntilHeld()
    {
        while (process.waitForReadyRead(20000)) {
            if (process.readAll().contains("held"))
                return true;
        }
        return false;
    }

    // Ends the copy the way a crash does: nothing of it runs any more.
    void crash()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(20000);
        }
    }

private:
    QProcess process;
};

TEST(SingleInstance, SecondLockInTheSameFolderIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(dir.path());
    SingleInstance second(dir.path());
    EXPECT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->tryAcquire());
    EXPECT_FALSE(second.tryAcquire());
    EXPECT_TRUE(QFileInfo(first->lockFilePath()).fileName() == QStringLiteral("Lodera.exe.lock"));
    first.reset();
    EXPECT_TRUE(second.tryAcquire());
}

TEST(SingleInstance, RunningCopyHoldsTheLockHoweverOldItIs)
{
    QTemporaryDir dir;
    OtherCopy other(dir.path());
    ASSERT_TRUE(other.waitUntilHeld());
    SingleInstance mine(dir.path());
    EXPECT_FALSE(mine.tryAcquire());

    // A copy left running for a month still counts as running.
    QFile lockFile(mine.lockFilePath());
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-30),
                                     QFileDevice::FileModificationTime));
    lockFile.close();
    EXPECT_FALSE(mine.tryAcquire());
}

TEST(SingleInstance, CrashedCopyDoesNotLockTheProgramOut)
{
    QTemporaryDir dir;
    OtherCopy other(dir.path());
    ASSERT_TRUE(other.waitUntilHeld());
    other.crash();
    SingleInstance mine(dir.path());
    ASSERT_TRUE(QFile::exists(mine.lockFilePath()));  // left behind by the crash
    EXPECT_TRUE(mine.tryAcquire());
}

} // namespace

#pragma once
// The rule that only one copy of the program runs per user.
//
// A lock file "Lodera.exe.lock" in the user's runtime folder marks a running
// copy. The lock records the holder's process id; a copy that crashed leaves
// the file behind, and the next start sees that no such process runs and takes
// the lock over, so a crash never locks the program out. Age alone never makes
// a lock stale: the office leaves the program running for weeks.
#include <QLockFile>
#include <QString>

class SingleInstance
{
public:
    // The lock lives in folder; by default the user's runtime folder, or the
    // temporary folder when the system has none.
    explicit SingleInstance(const QString &folder = defaultFolder());
    ~SingleInstance();

    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this object now holds the lock (or already held it); false
    // when another running copy holds it. Never waits.
    bool tryAcquire();

    bool isAcquired() const { return m_lock.isLocked(); }
    QString lockFilePath() const { return m_path; }

    static QString defaultFolder();

private:
    QString m_path;
    QLockFile m_lock;
};

#include "platform/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

#include <limits>

SingleInstance::SingleInstance(const QString &folder)
    : m_path(QDir(folder).filePath(QStringLiteral("Lodera.exe.lock")))
    , m_lock(m_path)
{
    // QLockFile would also call a lock stale once it is older than this; only
    // a dead holder should count, so the age limit is set as far out as it goes.
    m_lock.setStaleLockTime(std::numeric_limits<int>::max());
}

SingleInstance::~SingleInstance()
{
    if (m_lock.isLocked())
        m_lock.unlock();
}

bool SingleInstance::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return m_lock.tryLock(0);
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

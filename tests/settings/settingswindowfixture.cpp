#include "settingswindowfixture.h"

#include <QFile>

QByteArray SettingsWindowTest::bytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void SettingsWindowTest::write(const QString &file, const QByteArray &content)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void SettingsWindowTest::writeProtection(bool active, const char *password)
{
    const ProtectionStore store(winIni());
    store.writeActive(active);
    store.writePassword(QString::fromUtf8(password));
}

#pragma once
// A settings window over a settings file and a win.ini of its own in a
// temporary folder, and the raw bytes of both files.
#include "settings/tayarfrm.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class SettingsWindowTest : public ::testing::Test
{
protected:
    QString ini() const { return dir.filePath(QStringLiteral("Lodera.ini")); }
    QString winIni() const { return dir.filePath(QStringLiteral("win.ini")); }

    // A new window, as the program creates it at start.
    void create() { window = std::make_unique<TAyarFrm>(OptionsStore(ini()), ProtectionStore(winIni())); }
    // Destroys the window, as the end of the program does.
    void destroy() { window.reset(); }

    static QByteArray bytes(const QString &file);
    static void write(const QString &file, const QByteArray &content);
    void writeProtection(bool active, const char *password);

    QTemporaryDir dir;
    std::unique_ptr<TAyarFrm> window;
};

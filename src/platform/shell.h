#pragma once
// Handing links to the desktop: web addresses to the browser, mail addresses
// to the mail program. Both return false when the desktop could not open them.
#include <QString>
#include <QUrl>

namespace platform {

// An address as the about window shows it ("www.example.com.tr") or a full
// URL; a bare host name is taken as a web address.
QUrl webUrl(const QString &address);
bool openUrl(const QString &address);

// "mailto:" followed by the address.
QUrl mailUrl(const QString &address);
bool openMail(const QString &address);

} // namespace platform

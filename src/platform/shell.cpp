#include "platform/shell.h"

#include <QDesktopServices>

namespace platform {

QUrl webUrl(const QString &address)
{
    return QUrl::fromUserInput(address.trimmed());
}

bool openUrl(const QString &address)
{
    const QUrl url = webUrl(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QUrl mailUrl(const QString &address)
{
    return QUrl(QStringLiteral("mailto:") + address.trimmed());
}

bool openMail(const QString &address)
{
    const QUrl url = mailUrl(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace platform

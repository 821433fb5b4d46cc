#include "platform/shell.h"

#include <QDesktopServices>
#include <QObject>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop: remembers what it was asked to open.
class Desktop : public QObject
{
    Q_OBJECT
public:
    Desktop()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~Desktop() override
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

TEST(Shell, LinksReachTheDesktopAsUrls)
{
    Desktop desktop;
    EXPECT_TRUE(platform::openUrl(QStringLiteral("www.lodera.com.tr")));
    EXPECT_TRUE(platform::openUrl(QStringLiteral("https://lodera.com.tr/iletisim")));
    EXPECT_TRUE(platform::openMail(QStringLiteral("destek@lodera.com.tr")));
    ASSERT_EQ(desktop.opened.size(), 3);
    EXPECT_EQ(desktop.opened[0], QUrl(QStringLiteral("http://www.lodera.com.tr")));
    EXPECT_EQ(desktop.opened[1], QUrl(QStringLiteral("https://lodera.com.tr/iletisim")));
    EXPECT_EQ(desktop.opened[2], QUrl(QStringLiteral("mailto:destek@lodera.com.tr")));
}

} // namespace

#include "shell_test.moc"

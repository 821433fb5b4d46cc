// `lodera-tool printers` against the test program's private CUPS scheduler:
// the tool, a child process, finds the scheduler through CUPS_SERVER and
// lists its one queue as the report engine sees it.
#include "support/testsupport.h"
#include "e2ecups.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(PrintersCommand, ListsTheTestQueueAsCurrentWithItsResolutionPapersAndMargins)
{
    ASSERT_TRUE(e2eCups().isRunning()) << e2eCups().error().toStdString();
    QProcess p;
    p.start(testsupport::binDir() + QStringLiteral("/lodera-tool"), {QStringLiteral("printers")});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    SCOPED_TRACE(out.toStdString() + QString::fromUtf8(p.readAllStandardError()).toStdString());
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);

    QStringList lines = out.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    // The scheduler's default queue is the only printer, and the current one.
    const qsizetype list = lines.indexOf(QStringLiteral("Yazıcılar:"));
    ASSERT_GE(list, 0);
    EXPECT_EQ(lines.value(list + 1), QStringLiteral("* LoderaTest"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Geçerli yazıcı: LoderaTest")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Çözünürlük: 600 x 600 dpi")));

    // The queue's three page sizes under their paper codes (Letter 1, A4 9,
    // A5 11), between the papers heading and the trays heading.
    const qsizetype papers = lines.indexOf(QStringLiteral("Kağıtlar:"));
    const qsizetype trays = lines.indexOf(QStringLiteral("Kasetler:"));
    ASSERT_GE(papers, 0);
    ASSERT_GT(trays, papers);
    const QStringList paperLines = lines.mid(papers + 1, trays - papers - 1);
    for (const char *paper : {"9 A4", "11 A5", "1 Letter"})
        EXPECT_TRUE(paperLines.contains(QString::fromLatin1(paper))) << paper;

    // The driver leaves 12 points at the sides and 18 at the top and bottom:
    // 12 / 72 * 25.4 = 4.23 mm and 18 / 72 * 25.4 = 6.35 mm, turned with the
    // sheet for landscape.
    const QRegularExpression upright(QStringLiteral("^A4 dikey: .*sol 4\\.23 üst 6\\.35 sağ 4\\.23 alt 6\\.35 mm$"));
    const QRegularExpression turned(QStringLiteral("^A4 yatay: .*sol 6\\.35 üst 4\\.23 sağ 6\\.35 alt 4\\.23 mm$"));
    EXPECT_FALSE(lines.filter(upright).isEmpty());
    EXPECT_FALSE(lines.filter(turned).isEmpty());
}

} // namespace

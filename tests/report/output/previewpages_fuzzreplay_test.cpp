// Replays the prepared report fuzz target's seeds and kept inputs with the
// target's own checks, so the normal test run holds the same promises.
#include <gtest/gtest.h>

#define LODERA_FUZZ_BROKEN(text, line) ADD_FAILURE() << "broken: " << text << " (fuzz target line " << line << ")"
#include "fuzz/fuzz_readprepared.cpp"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>

TEST(PreviewPagesFuzzReplay, EverySeedAndKeptInputPassesTheFuzzChecks)
{
    int replayed = 0;
    for (const char *folder : {"corpus", "regressions"}) {
        const QDir dir(testsupport::sourceDir() + QStringLiteral("/tests/fuzz/%1/fuzz_readprepared").arg(QLatin1String(folder)));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = f.readAll();
            SCOPED_TRACE(name.toStdString());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 2);
}

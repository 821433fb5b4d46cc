// Replays the seed inputs of the object fuzz target, and every input that once
// broke it, with the fuzz target's own checks, so the promise it checks (a
// written copy reads back to the same text) holds in the normal test run too.
#include <gtest/gtest.h>

#define LODERA_FUZZ_BROKEN(text, line) ADD_FAILURE() << "broken: " << text << " (fuzz target line " << line << ")"
#include "fuzz/fuzz_objectfromtext.cpp"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>

TEST(ObjectFuzzReplay, EveryKeptInputPassesTheFuzzChecks)
{
    int replayed = 0;
    for (const char *folder : {"corpus", "regressions"}) {
        const QDir dir(testsupport::sourceDir() + QStringLiteral("/tests/fuzz/%1/fuzz_objectfromtext").arg(folder));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = f.readAll();
            SCOPED_TRACE(name.toStdString());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 3);
}

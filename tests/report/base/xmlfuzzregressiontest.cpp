// Replays every input that once broke the XML reader's fuzz target, with the
// fuzz target's own checks, so a fixed fault stays fixed in the normal test run.
#include <gtest/gtest.h>

#define LODERA_FUZZ_BROKEN(text, line) ADD_FAILURE() << "broken: " << text << " (fuzz target line " << line << ")"
#include "fuzz/fuzz_xmlreader.cpp"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>

namespace {

TEST(XMLFuzzRegressions, EveryKeptInputPassesTheFuzzChecks)
{
    const QDir dir(testsupport::sourceDir() + QStringLiteral("/tests/fuzz/regressions/fuzz_xmlreader"));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty()) << dir.path().toStdString();
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        SCOPED_TRACE(name.toStdString());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
}

// The shape of the first kept input, by hand: an attribute text ending in
// "/ " before the children once made the written copy an empty element.
TEST(XMLFuzzRegressions, AttributeTextEndingInSlashKeepsItsChildren)
{
    QBuffer in;
    in.setData("<?xml?><a x=\"1\"/  ><b/></a>");
    in.open(QIODevice::ReadOnly);
    TfrxXMLDocument doc;
    doc.LoadFromStream(&in);
    ASSERT_EQ(doc.Root()->Count(), 1);
    EXPECT_EQ(doc.Root()->AttrText(), QStringLiteral("x=\"1\"/ "));
    const QByteArray out = save(doc);
    EXPECT_TRUE(out.endsWith("<a x=\"1\"/  ><b/></a>")) << out.toStdString();

    TfrxXMLItem odd(QStringLiteral("a"));
    odd.SetAttrText(QStringLiteral("x/"));
    odd.Add(QStringLiteral("b"));
    TfrxXMLDocument written;
    written.Root()->SetElementName(QStringLiteral("r"));
    written.Root()->AddItem(&odd);
    QBuffer again;
    again.setData(save(written));
    written.Root()->TakeItem(0);
    again.open(QIODevice::ReadOnly);
    TfrxXMLDocument back;
    back.LoadFromStream(&again);
    ASSERT_EQ(back.Root()->Count(), 1);
    EXPECT_EQ(back.Root()->Item(0)->Count(), 1);
}

} // namespace

// Prepared report files: a written report reads back to the same pages, and a
// hostile file gives an error, never a crash.
#include "previewpages_fixture.h"

#include "platform/loderaerror.h"
#include "report/output/tfrxoutline.h"

#include <QLocale>
#include <QTemporaryDir>

using namespace previewpagestest;

namespace {

QByteArray written(TfrxPreviewPages &store)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    store.WritePrepared(&out);
    return bytes;
}

struct LocaleGuard
{
    QLocale saved;
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

TEST_F(ListReport, WrittenAndReadBackGivesTheSamePages)
{
    report.PreviewOptions()->SetOutlineWidth(150);
    run(4, 3);
    store.StoreAnchor(QStringLiteral("Son"));
    store.Outline()->AddItem(QStringLiteral("Bölüm"), 5);
    const QByteArray bytes = written(store);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>"));
    EXPECT_TRUE(bytes.contains("<previewpages><page0>")) << bytes.left(300).constData();
    EXPECT_TRUE(bytes.contains("<page0 ld=\"0\">"));
    EXPECT_TRUE(bytes.contains("<b1 name=\"Page0.MasterData1\"/>"));

    for (TfrxXMLLoad mode : {TfrxXMLLoad::Complete, TfrxXMLLoad::AllowPartial}) {
        // The stream outlives the store: partially loaded pages are read from it.
        QBuffer in;
        in.setData(bytes);
        in.open(QIODevice::ReadOnly);
        TfrxReport other;
        TfrxPreviewPages copy(&other);
        copy.ReadPrepared(&in, mode);
        EXPECT_EQ(other.PreviewOptions()->OutlineWidth(), 150);
        ASSERT_EQ(copy.PageCount(), 4);
        EXPECT_EQ(copy.PageInMemory(3), mode == TfrxXMLLoad::Complete);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pageText(copy.BuildPage(i)), pageText(store.BuildPage(i))) << "page " << i;
        EXPECT_EQ(copy.PagePixelSize(2), QSize(794, 1123));
        // And once more through a file: the same bytes.
        EXPECT_EQ(written(copy), bytes);
    }
}

TEST_F(ListReport, ReplacedPageSurvivesAFile)
{
    run(2, 1);
    TfrxReportPage *edited = store.BuildPage(0);
    qobject_cast<TfrxMemoView *>(edited->Objects()[0]->Objects()[1])->SetText(QStringLiteral("99"));
    store.ReplacePage(0, edited);
    const QByteArray expected = pageText(store.BuildPage(0));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("hazir.fp3"));
    store.SavePreparedFile(file);
    TfrxReport other;
    TfrxPreviewPages copy(&other);
    EXPECT_TRUE(copy.OpenPreparedFile(file));
    ASSERT_EQ(copy.PageCount(), 2);
    EXPECT_EQ(pageText(copy.BuildPage(0)), expected);
    EXPECT_FALSE(copy.OpenPreparedFile(dir.filePath(QStringLiteral("yok.fp3"))));
    EXPECT_THROW(copy.OpenPreparedFile(dir.filePath(QStringLiteral("yok.fp3")), TfrxMissingFile::Raise), LoderaError);
}

TEST_F(ListReport, DecimalCommaReadsBackUnderADecimalPoint)
{
    LocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    begin();
    store.StartOutputPage(page);
    row(12.5, QStringLiteral("a"), QStringLiteral("1"));
    store.EndRun();
    const QByteArray bytes = written(store);
    EXPECT_TRUE(bytes.contains("t=\"12,5\""));

    QLocale::setDefault(QLocale::c());
    TfrxReport other;
    TfrxPreviewPages copy(&other);
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    copy.ReadPrepared(&in);
    EXPECT_EQ(copy.BuildPage(0)->Objects()[0]->Top(), 12.5);
}

namespace {

struct BadFile
{
    const char *name;
    const char *text;
};

const BadFile kBadFiles[] = {
    {"empty", ""},
    {"not xml", "hazır rapor"},
    {"cut off in a tag", "<?xml version=\"1.0\"?><preparedreport><previewpages><page0 "},
    {"unclosed elements", "<?xml version=\"1.0\"?><preparedreport><previewpages><page0>"},
    {"wrong closing tag", "<?xml version=\"1.0\"?><preparedreport><previewpages></sourcepages></preparedreport>"},
    {"another document", "<?xml version=\"1.0\"?><TfrxReport><TfrxReportPage/></TfrxReport>"},
    {"a less-than inside a tag", "<?xml version=\"1.0\"?><preparedreport <previewpages/></preparedreport>"},
};

class BadPreparedFile : public ::testing::TestWithParam<BadFile>
{
};

} // namespace

TEST_P(BadPreparedFile, GivesAnErrorAndAnEmptyStore)
{
    TfrxReport report;
    TfrxPreviewPages store(&report);
    QBuffer in;
    in.setData(QByteArray(GetParam().text));
    in.open(QIODevice::ReadOnly);
    try {
        store.ReadPrepared(&in, TfrxXMLLoad::AllowPartial);
        FAIL() << "no error";
    } catch (const LoderaError &e) {
        EXPECT_EQ(QString(e.what()), QStringLiteral("Invalid file format"));
    }
    EXPECT_EQ(store.PageCount(), 0);
    EXPECT_EQ(store.BuildPage(0), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadPreparedFile, ::testing::ValuesIn(kBadFiles), [](const auto &info) {
    std::string n = info.param.name;
    for (char &c : n)
        if (c == ' ' || c == '-')
            c = '_';
    return n;
});

TEST(PreviewPagesHostileFile, WellFormedNonsenseRebuildsWhatItCan)
{
    // An alias of no source, a class that is no view, a page inside a band,
    // a source name beyond the source pages, values that are no numbers.
    QByteArray text = "<?xml version=\"1.0\"?><preparedreport><previewpages>"
                      "<page7><m99 x=\"kayıp\"/><TfrxMasterData t=\"abc\" h=\"20\"><TfrxMemoView x=\"ok\"/>"
                      "<TfrxReportPage/><TfrxReport/><QObject/></TfrxMasterData></page7>"
                      "<TfrxReportPage PaperWidth=\"-5\"><TfrxNoSuchClass/></TfrxReportPage>"
                      "<page0>";
    for (int i = 0; i < 200; ++i)
        text += "<TfrxMasterData>";
    for (int i = 0; i < 200; ++i)
        text += "</TfrxMasterData>";
    text += "</page0></previewpages><dictionary><m1 name=\"Page5.Memo1\"/><b1 name=\"x\"/></dictionary>"
            "</preparedreport>";
    TfrxReport report;
    TfrxPreviewPages store(&report);
    QBuffer in;
    in.setData(text);
    in.open(QIODevice::ReadOnly);
    store.ReadPrepared(&in);
    ASSERT_EQ(store.PageCount(), 3);
    TfrxReportPage *p = store.BuildPage(0);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->Objects().size(), 1);
    EXPECT_EQ(p->Objects()[0]->Height(), 20);
    ASSERT_EQ(p->Objects()[0]->Objects().size(), 1);
    EXPECT_NE(store.BuildPage(1), nullptr);
    EXPECT_NE(store.BuildPage(2), nullptr);
    EXPECT_EQ(store.PagePixelSize(0), QSize(794, 1123));
}

TEST(PreviewPagesHostileFile, AttributesOnPageElementsAreLeftBehind)
{
    // A page refers to its source page and has no attributes of its own. Kept,
    // `ld="0&` would meet the unload mark the third page gets when written
    // (`ld="0&ld="0"`), and that no longer reads back as the mark.
    const QByteArray text = "<?xml version=\"1.0\"?><preparedreport><previewpages>"
                            "<page0 a=\"1\"/><page0/><page0 ld=\"0&/><page0 x=\"1\"ld=\"0\"/>"
                            "</previewpages></preparedreport>";
    for (TfrxXMLLoad mode : {TfrxXMLLoad::Complete, TfrxXMLLoad::AllowPartial}) {
        TfrxReport report;
        TfrxPreviewPages store(&report);
        QBuffer in;
        in.setData(text);
        in.open(QIODevice::ReadOnly);
        store.ReadPrepared(&in, mode);
        ASSERT_EQ(store.PageCount(), 4);
        const QByteArray once = written(store);
        EXPECT_TRUE(once.contains("<previewpages><page0/><page0/><page0 ld=\"0\"/><page0 ld=\"0\"/></previewpages>"))
            << once.constData();

        QBuffer again;
        again.setData(once);
        again.open(QIODevice::ReadOnly);
        TfrxReport report2;
        TfrxPreviewPages copy(&report2);
        copy.ReadPrepared(&again, mode);
        EXPECT_EQ(written(copy), once);
    }
}

// Elements, documents, the writer's exact bytes, the reader's rules, partial
// loading and the element cache.
#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlerror.h"
#include "report/base/tfrxxmlitem.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include "qstringprint.h"

#include <gtest/gtest.h>

namespace {

QByteArray save(TfrxXMLDocument &doc)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    doc.SaveToStream(&buffer);
    return bytes;
}

void load(TfrxXMLDocument &doc, const QByteArray &bytes, TfrxXMLLoad mode = TfrxXMLLoad::Complete)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    doc.LoadFromStream(&buffer, mode);
}

// A small report-like tree: root with attributes, an empty child, a child with
// a two-line value.
void fillSample(TfrxXMLDocument &doc)
{
    doc.Root()->SetElementName(QStringLiteral("TfrxReport"));
    doc.Root()->SetAttr(QStringLiteral("Name"), QStringLiteral("RpHasta"));
    doc.Root()->Add(QStringLiteral("TfrxReportPage"));
    TfrxXMLItem *memo = doc.Root()->Add(QStringLiteral("TfrxMemoView"));
    memo->SetAttr(QStringLiteral("Memo.Text"), QStringLiteral("a\r\nb"));
}

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";

TEST(XMLWriter, FlatDocumentBytes)
{
    TfrxXMLDocument doc;
    fillSample(doc);
    EXPECT_EQ(save(doc), kHeader + "<TfrxReport Name=\"RpHasta\"><TfrxReportPage/>"
                                   "<TfrxMemoView Memo.Text=\"a&#13;&#10;b\"/></TfrxReport>");
}

TEST(XMLWriter, IndentedDocumentBytes)
{
    TfrxXMLDocument doc;
    doc.SetIndented(TfrxXMLIndent::Indented);
    fillSample(doc);
    doc.Root()->Item(0)->Add(QStringLiteral("TfrxMasterData"));
    EXPECT_EQ(save(doc), kHeader + "<TfrxReport Name=\"RpHasta\">\r\n"
                                   "  <TfrxReportPage>\r\n"
                                   "    <TfrxMasterData/>\r\n"
                                   "  </TfrxReportPage>\r\n"
                                   "  <TfrxMemoView Memo.Text=\"a&#13;&#10;b\"/>\r\n"
                                   "</TfrxReport>\r\n");
}

TEST(XMLWriter, UnloadableElementCarriesTheMark)
{
    TfrxXMLDocument doc;
    doc.Root()->SetElementName(QStringLiteral("previewpages"));
    TfrxXMLItem *page = doc.Root()->Add(QStringLiteral("page0"));
    page->SetMayUnload(true);
    page->Add(QStringLiteral("b"));
    TfrxXMLItem *withAttr = doc.Root()->Add(QStringLiteral("page1"));
    withAttr->SetMayUnload(true);
    withAttr->SetAttrText(QStringLiteral("a=\"1\""));
    EXPECT_EQ(save(doc), kHeader + "<previewpages><page0 ld=\"0\"><b/></page0><page1 a=\"1\"ld=\"0\"/></previewpages>");
}

TEST(XMLWriter, CodePageBytesAndAFailingStream)
{
    TfrxXMLDocument doc;
    doc.Root()->SetElementName(QStringLiteral("a"));
    doc.Root()->SetAttr(QStringLiteral("v"), QStringLiteral("ş é ā"));
    const QByteArray bytes = save(doc);
    // ş and é as single code page bytes; ā has no byte and becomes '?'.
    EXPECT_TRUE(bytes.contains("v=\"\xFE \xE9 ?\"")) << bytes.toStdString();

    QByteArray target;
    QBuffer readOnly(&target);
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_THROW(doc.SaveToStream(&readOnly), LoderaError);
}

TEST(XMLDocument, RoundTripKeepsEveryValueFlatAndIndented)
{
    const QString nasty = QStringLiteral("\"quoted\" & <tag> \r\n line ş é İ ı € &amp;");
    for (TfrxXMLIndent indent : {TfrxXMLIndent::Flat, TfrxXMLIndent::Indented}) {
        TfrxXMLDocument doc;
        doc.SetIndented(indent);
        fillSample(doc);
        doc.Root()->Item(0)->SetAttr(QStringLiteral("Text"), nasty);
        doc.Root()->Item(0)->Add(QStringLiteral("deep"))->Add(QStringLiteral("deeper"));

        TfrxXMLDocument back;
        load(back, save(doc));
        TfrxXMLItem *root = back.Root();
        ASSERT_EQ(root->ElementName(), QStringLiteral("TfrxReport"));
        ASSERT_EQ(root->Count(), 2);
        EXPECT_EQ(root->GetAttr(QStringLiteral("name")), QStringLiteral("RpHasta"));
        EXPECT_EQ(root->Item(0)->GetAttr(QStringLiteral("Text")), nasty);
        EXPECT_EQ(root->Item(0)->Item(0)->Item(0)->ElementName(), QStringLiteral("deeper"));
        EXPECT_EQ(root->Item(1)->GetAttr(QStringLiteral("Memo.Text")), QStringLiteral("a\r\nb"));
        EXPECT_EQ(save(back), [&] { TfrxXMLDocument flat; load(flat, save(doc)); return save(flat); }());
    }
}

struct ReadRow
{
    const char *name;
    const char *xml;
    const char *tree; // element names in document order, children in brackets
};

// Renders a tree as "a[b c[d]]" to compare structure at a glance.
QString shape(const TfrxXMLItem *item)
{
    QString s = item->ElementName();
    if (item->Count() == 0)
        return s;
    s += QLatin1Char('[');
    for (qsizetype i = 0; i < item->Count(); ++i)
        s += (i ? QStringLiteral(" ") : QString()) + shape(item->Item(i));
    return s + QLatin1Char(']');
}

class XMLReadTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(XMLReadTest, Structure)
{
    TfrxXMLDocument doc;
    load(doc, QByteArray("<?xml version=\"1.0\"?>") + GetParam().xml);
    EXPECT_EQ(shape(doc.Root()), QLatin1String(GetParam().tree));
}

INSTANTIATE_TEST_SUITE_P(Table, XMLReadTest, ::testing::Values(
    ReadRow{"closing_name_ignores_case", "<a><b/></A>", "a[b]"},
    ReadRow{"comment_between_elements", "<a><!-- x > y --><b/><!----></a>", "a[b]"},
    ReadRow{"text_and_stray_gt_ignored", "<a> text > more <b/>tail</a>", "a[b]"},
    ReadRow{"self_closing_by_attribute", "<a><b x=\"1\"/><c /></a>", "a[b c]"},
    ReadRow{"closing_tag_with_attributes", "<a><b></b x></a>", "a[b]"},
    ReadRow{"garbage_after_root_ignored", "<a/><b><<<", "a"},
    ReadRow{"line_breaks_between_tags", "\r\n<a>\r\n  <b/>\r\n</a>\r\n", "a[b]"},
    ReadRow{"every_slash_after_a_name_goes", "<a><f/// -></a>", "a[f]"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XMLReader, TrailingBlankAndSlashRulesOnAttributeText)
{
    TfrxXMLDocument doc;
    load(doc, "<?xml?><a x=\"1\" ><b y=\"2\" /></a>");
    EXPECT_EQ(doc.Root()->AttrText(), QStringLiteral("x=\"1\"")); // one trailing blank dropped
    EXPECT_EQ(doc.Root()->Item(0)->AttrText(), QStringLiteral("y=\"2\" "));
    EXPECT_EQ(doc.Root()->Item(0)->GetAttr(QStringLiteral("y")), QStringLiteral("2"));
}

TEST(XMLReader, NamedEntitiesAndHighBytesStayAsRead)
{
    TfrxXMLDocument doc;
    load(doc, "<?xml?><a v=\"&amp; \xFE\xE7\" \xDE=\"1\"/>");
    EXPECT_EQ(doc.Root()->GetAttr(QStringLiteral("v")), QStringLiteral("&amp; şç"));
    EXPECT_EQ(doc.Root()->GetAttr(QStringLiteral("Ş")), QStringLiteral("1"));
}

TEST(XMLReader, DestroyingTheReaderRestoresTheStreamPosition)
{
    QBuffer buffer;
    buffer.setData("xx<?xml?><a/>");
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(2);
    {
        TfrxXMLReader reader(&buffer);
        reader.ReadHeader();
        EXPECT_EQ(reader.ReadTag().Name, QStringLiteral("a/"));
    }
    EXPECT_EQ(buffer.pos(), 2);
}

struct AttrRow
{
    const char *name;
    const char *before;
    const char *attr;
    const char *value;
    const char *after;
};

class SetAttrTest : public ::testing::TestWithParam<AttrRow> {};

TEST_P(SetAttrTest, ReplacesInPlaceOrAppends)
{
    TfrxXMLItem item;
    item.SetAttrText(QString::fromUtf8(GetParam().before));
    item.SetAttr(QLatin1String(GetParam().attr), QString::fromUtf8(GetParam().value));
    EXPECT_EQ(item.AttrText(), QString::fromUtf8(GetParam().after));
    EXPECT_EQ(item.GetAttr(QLatin1String(GetParam().attr)), QString::fromUtf8(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Table, SetAttrTest, ::testing::Values(
    AttrRow{"replace_middle_keeps_order", "a=\"1\" b=\"2\" c=\"3\"", "b", "x y", "a=\"1\" b=\"x y\" c=\"3\""},
    AttrRow{"replace_first", "a=\"1\" b=\"2\"", "A", "9", "A=\"9\" b=\"2\""},
    AttrRow{"append_with_blank", "a=\"1\"", "d", "\"", "a=\"1\" d=\"&#34;\""},
    AttrRow{"append_after_trailing_blank", "a=\"1\" ", "d", "v", "a=\"1\" d=\"v\""},
    AttrRow{"append_to_empty", "", "d", "v", " d=\"v\""},
    AttrRow{"suffix_is_another_attribute", "xleft=\"5\"", "left", "1", "xleft=\"5\" left=\"1\""},
    AttrRow{"unterminated_value_replaced_whole", "a=\"1\" b=\"2", "b", "3", "a=\"1\" b=\"3\""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XMLItem, GetAttrMatchesWholeNamesIgnoringCase)
{
    TfrxXMLItem item;
    item.SetAttrText(QStringLiteral("xleft=\"5\" Left=\"12,5\" Memo.Text=\"a&#13;&#10;b\""));
    EXPECT_EQ(item.GetAttr(QStringLiteral("LEFT")), QStringLiteral("12,5"));
    EXPECT_EQ(item.GetAttr(QStringLiteral("memo.text")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(item.GetAttr(QStringLiteral("eft")), QString());
    EXPECT_EQ(item.GetAttr(QStringLiteral("Top")), QString());
}

TEST(XMLItem, OwnershipFindAndMoves)
{
    TfrxXMLItem a(QStringLiteral("a"));
    TfrxXMLItem b(QStringLiteral("b"));
    TfrxXMLItem *x = a.Add(QStringLiteral("Page"));
    a.Add(QStringLiteral("page"));
    EXPECT_EQ(a.Find(QStringLiteral("PAGE")), 0); // first match
    EXPECT_EQ(a.Find(QStringLiteral("none")), -1);
    EXPECT_EQ(a.FindOrAdd(QStringLiteral("page")), x);
    TfrxXMLItem *added = a.FindOrAdd(QStringLiteral("dictionary"));
    EXPECT_EQ(a.Count(), 3);
    EXPECT_EQ(a.IndexOf(added), 2);

    b.InsertItem(0, x); // moves
    EXPECT_EQ(x->ParentItem(), &b);
    EXPECT_EQ(a.Count(), 2);
    EXPECT_EQ(b.Count(), 1);

    delete b.Item(0); // freeing a child takes it out of the list
    EXPECT_EQ(b.Count(), 0);

    TfrxXMLItem *child = a.Item(0);
    TfrxXMLItem *grandChild = child->Add(QStringLiteral("g"));
    grandChild->AddItem(child); // would make a cycle: refused
    EXPECT_EQ(child->ParentItem(), &a);
    EXPECT_EQ(grandChild->Count(), 0);
}

TEST(XMLItem, CacheOffsetIsFortyBitsInTwoParts)
{
    TfrxXMLItem item;
    item.SetCacheOffset(0xAB12345678ull);
    EXPECT_EQ(item.CacheOffsetHi(), 0xAB);
    EXPECT_EQ(item.CacheOffsetLo(), 0x12345678u);
    EXPECT_EQ(item.CacheOffset(), 0xAB12345678ull);
    EXPECT_EQ(TfrxXMLItem::MaxCacheOffset, 0xFFFFFFFFFFull);
}

const QByteArray kPaged =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<preparedreport><previewpages>"
    "<page0 ld=\"0\"><TfrxMemoView x=\"1\"/></page0>"
    "<page1 ld=\"0\"><TfrxMemoView x=\"2\"/><TfrxMemoView x=\"3\"/></page1>"
    "</previewpages></preparedreport>";

TEST(XMLDocument, PartialLoadingLeavesMarkedElementsInTheStream)
{
    QBuffer source;
    source.setData(kPaged);
    source.open(QIODevice::ReadOnly);
    TfrxXMLDocument doc;
    doc.LoadFromStream(&source, TfrxXMLLoad::AllowPartial);
    TfrxXMLItem *pages = doc.Root()->Item(0);
    TfrxXMLItem *page1 = pages->Item(1);
    ASSERT_EQ(page1->ElementName(), QStringLiteral("page1"));
    EXPECT_EQ(page1->Count(), 0);
    EXPECT_FALSE(page1->InMemory());
    EXPECT_TRUE(page1->MayUnload());
    EXPECT_EQ(page1->AttrText(), QString());
    EXPECT_EQ(page1->CacheOffset(), quint64(kPaged.indexOf("<page1")));

    doc.LoadItem(page1);
    EXPECT_TRUE(page1->InMemory());
    ASSERT_EQ(page1->Count(), 2);
    EXPECT_EQ(page1->Item(1)->GetAttr(QStringLiteral("x")), QStringLiteral("3"));
    EXPECT_EQ(page1->AttrText(), QString());

    // Saving reads the other page back for the write and drops it again.
    TfrxXMLDocument copy;
    load(copy, save(doc));
    EXPECT_EQ(shape(copy.Root()),
              QStringLiteral("preparedreport[previewpages[page0[TfrxMemoView] page1[TfrxMemoView TfrxMemoView]]]"));
    EXPECT_FALSE(pages->Item(0)->InMemory());
    EXPECT_EQ(pages->Item(0)->Count(), 0);
}

TEST(XMLDocument, WithoutPartialLoadingMarkedElementsStayComplete)
{
    TfrxXMLDocument doc;
    load(doc, kPaged);
    TfrxXMLItem *page1 = doc.Root()->Item(0)->Item(1);
    EXPECT_TRUE(page1->InMemory());
    EXPECT_FALSE(page1->MayUnload());
    EXPECT_EQ(page1->Count(), 2);
    EXPECT_EQ(page1->AttrText(), QString());
}

TEST(XMLDocument, MarkIsRecognisedOnlyAsAWholeAttribute)
{
    TfrxXMLDocument doc;
    load(doc, "<?xml?><a><b Fld=\"0\"><c/></b><d x=\"1\"LD=\"0\"><c/></d></a>", TfrxXMLLoad::AllowPartial);
    EXPECT_EQ(doc.Root()->Item(0)->AttrText(), QStringLiteral("Fld=\"0\""));
    EXPECT_EQ(doc.Root()->Item(0)->Count(), 1);
    EXPECT_EQ(doc.Root()->Item(1)->AttrText(), QStringLiteral("x=\"1\""));
    EXPECT_FALSE(doc.Root()->Item(1)->InMemory());
}

TEST(XMLDocument, UnloadAndLoadThroughTheCacheFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    TfrxXMLDocument doc;
    doc.SetCacheFolder(folder.path());
    doc.Root()->SetElementName(QStringLiteral("previewpages"));
    for (int p = 0; p < 3; ++p) {
        TfrxXMLItem *page = doc.Root()->Add(QStringLiteral("page%1").arg(p));
        page->SetMayUnload(true);
        for (int m = 0; m <= p; ++m)
            page->Add(QStringLiteral("TfrxMemoView"))->SetAttr(QStringLiteral("x"), QStringLiteral("%1.%2").arg(p).arg(m));
    }
    const QByteArray before = save(doc);

    doc.UnloadItem(doc.Root()->Item(2));
    doc.UnloadItem(doc.Root()->Item(0));
    doc.UnloadItem(doc.Root()->Item(0)); // already out: nothing happens
    const QString cacheName = doc.CacheFileName();
    ASSERT_FALSE(cacheName.isEmpty());
    EXPECT_TRUE(cacheName.startsWith(folder.path()));
    EXPECT_TRUE(QFile::exists(cacheName));
    EXPECT_EQ(doc.Root()->Item(2)->Count(), 0);
    EXPECT_FALSE(doc.Root()->Item(2)->InMemory());

    // The whole document still saves in full, and unloaded pages stay unloaded.
    EXPECT_EQ(save(doc), before);
    EXPECT_FALSE(doc.Root()->Item(0)->InMemory());

    // Unloading a page again after loading it appends a second copy; both
    // neighbours keep reading back correctly.
    doc.LoadItem(doc.Root()->Item(2));
    ASSERT_EQ(doc.Root()->Item(2)->Count(), 3);
    EXPECT_EQ(doc.Root()->Item(2)->Item(2)->GetAttr(QStringLiteral("x")), QStringLiteral("2.2"));
    doc.Root()->Item(2)->Item(0)->SetAttr(QStringLiteral("x"), QStringLiteral("changed"));
    doc.UnloadItem(doc.Root()->Item(2));
    doc.LoadItem(doc.Root()->Item(0));
    doc.LoadItem(doc.Root()->Item(2));
    EXPECT_EQ(doc.Root()->Item(0)->Item(0)->GetAttr(QStringLiteral("x")), QStringLiteral("0.0"));
    EXPECT_EQ(doc.Root()->Item(2)->Item(0)->GetAttr(QStringLiteral("x")), QStringLiteral("changed"));

    doc.Clear();
    EXPECT_FALSE(QFile::exists(cacheName));
    EXPECT_TRUE(doc.CacheFileName().isEmpty());
}

TEST(XMLDocument, FileRoundTripAndPartialLoadFromFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pages.xml"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kPaged);
    }
    TfrxXMLDocument doc;
    doc.LoadFromFile(path, TfrxXMLLoad::AllowPartial);
    doc.LoadItem(doc.Root()->Item(0)->Item(0));
    EXPECT_EQ(doc.Root()->Item(0)->Item(0)->Item(0)->GetAttr(QStringLiteral("x")), QStringLiteral("1"));

    const QString out = folder.filePath(QStringLiteral("copy.xml"));
    doc.SaveToFile(out);
    TfrxXMLDocument copy;
    copy.LoadFromFile(out);
    EXPECT_EQ(copy.Root()->Item(0)->Item(1)->Count(), 2);

    EXPECT_THROW(copy.LoadFromFile(folder.filePath(QStringLiteral("missing.xml"))), LoderaError);
}

TEST(XMLDocument, BuffersLargeDocumentsAcrossBlockBoundaries)
{
    TfrxXMLDocument doc;
    doc.Root()->SetElementName(QStringLiteral("r"));
    for (int i = 0; i < 3000; ++i)
        doc.Root()->Add(QStringLiteral("e"))->SetAttr(QStringLiteral("i"), QString::number(i));
    const QByteArray bytes = save(doc);
    ASSERT_GT(bytes.size(), 4 * 4096);
    TfrxXMLDocument back;
    load(back, bytes);
    ASSERT_EQ(back.Root()->Count(), 3000);
    for (int i = 0; i < 3000; i += 211)
        EXPECT_EQ(back.Root()->Item(i)->GetAttr(QStringLiteral("i")), QString::number(i));
}

} // namespace

// Malformed and hostile documents. Each row is numbered so a fault report can
// name it; every one must either raise "Invalid file format" or load as the
// reading rules say, and none may crash, hang or leak.
#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlerror.h"
#include "report/base/tfrxxmlitem.h"

#include "qstringprint.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Outcome { Invalid, Loads };

struct BadInput
{
    int number;
    const char *name;
    QByteArray bytes;
    Outcome outcome;
    // For documents that load: checks on the result.
    std::function<void(const TfrxXMLItem *root)> check;
};

const QByteArray H = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

QByteArray repeat(const QByteArray &part, int n)
{
    QByteArray out;
    out.reserve(part.size() * n);
    for (int i = 0; i < n; ++i)
        out += part;
    return out;
}

qsizetype depth(const TfrxXMLItem *item)
{
    qsizetype d = 1;
    while (item->Count() > 0) {
        item = item->Item(0);
        ++d;
    }
    return d;
}

std::vector<BadInput> rows()
{
    const int deep = 100000; // far past what recursion would survive
    return {
        {1, "empty_stream", "", Outcome::Invalid, {}},
        {2, "no_header", "<a/>", Outcome::Invalid, {}},
        {3, "header_only", H, Outcome::Invalid, {}},
        {4, "tag_cut_off", H + "<a b=\"1\"", Outcome::Invalid, {}},
        {5, "header_cut_off", "<?xml version=", Outcome::Invalid, {}},
        {6, "unclosed_elements", H + "<a><b>", Outcome::Invalid, {}},
        {7, "wrong_closing_tag", H + "<a><b/></c>", Outcome::Invalid, {}},
        {8, "closing_tag_of_parent_name_prefix", H + "<ab><b/></a>", Outcome::Invalid, {}},
        {9, "lt_inside_tag", H + "<a <b/>>", Outcome::Invalid, {}},
        {10, "lt_inside_attribute_value", H + "<a v=\"1<2\"/>", Outcome::Invalid, {}},
        {11, "comment_cut_off", H + "<a><!-- never closed </a>", Outcome::Invalid, {}},
        {12, "comment_without_dashes_before_gt", H + "<a><!-- x ><b/></a>", Outcome::Invalid, {}},
        {13, "deep_nesting_unterminated", H + repeat("<e>", deep), Outcome::Invalid, {}},
        {14, "header_after_bytes_ok_but_first_tag_not_xml", "<!-- c --><x/>", Outcome::Invalid, {}},
        {15, "deep_nesting_balanced", H + repeat("<e>", deep) + repeat("</e>", deep), Outcome::Loads,
         [=](const TfrxXMLItem *root) { EXPECT_EQ(depth(root), deep); }},
        {16, "reference_without_semicolon", H + "<a v=\"x&#10 y&#\"/>", Outcome::Loads,
         [](const TfrxXMLItem *root) {
             EXPECT_EQ(root->GetAttr(QStringLiteral("v")), QStringLiteral("x&#10 y&#"));
         }},
        {17, "bytes_above_127_everywhere", H + "<\xC7\xFE v=\"\x80\x81\xFF\"><\xDD/></\xE7\xFE>", Outcome::Loads,
         [](const TfrxXMLItem *root) {
             EXPECT_EQ(root->ElementName(), QStringLiteral("Çş"));
             EXPECT_EQ(root->GetAttr(QStringLiteral("v")), QStringLiteral("€\u0081ÿ"));
             EXPECT_EQ(root->Item(0)->ElementName(), QStringLiteral("İ"));
         }},
        {18, "huge_attribute_value", H + "<a v=\"" + QByteArray(3 << 20, 'x') + "\"/>", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->GetAttr(QStringLiteral("v")).size(), 3 << 20); }},
        {19, "many_siblings", H + "<a>" + repeat("<b/>", 100000) + "</a>", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->Count(), 100000); }},
        {20, "stray_closing_tag_as_root", H + "</a>", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->Count(), 0); }},
        {21, "nul_bytes_and_controls_in_tag", H + QByteArray("<a v=\"\0\x01\"/>", 11), Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->GetAttr(QStringLiteral("v")).size(), 2); }},
        {22, "unterminated_attribute_quote", H + "<a v=\"abc/>", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->GetAttr(QStringLiteral("v")), QStringLiteral("abc")); }},
        {23, "overlong_reference_number", H + "<a v=\"&#" + QByteArray(5000, '9') + ";\"/>", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->GetAttr(QStringLiteral("v")).size(), 1); }},
        {24, "gt_outside_tags_and_text", H + "> text >> <a>text</a> tail", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->ElementName(), QStringLiteral("a")); }},
        {25, "empty_tag_ends_children", H + "<a><b/><></a>", Outcome::Invalid, {}},
        {26, "unload_mark_at_root_partial", H + "<a ld=\"0\"><b/></a>", Outcome::Loads,
         [](const TfrxXMLItem *root) { EXPECT_EQ(root->Count(), 0); EXPECT_FALSE(root->InMemory()); }},
    };
}

class XMLBadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(XMLBadInputTest, RaisesOrLoadsAsTheRulesSay)
{
    const BadInput &row = GetParam();
    QBuffer buffer;
    buffer.setData(row.bytes);
    buffer.open(QIODevice::ReadOnly);
    TfrxXMLDocument doc;
    if (row.outcome == Outcome::Invalid) {
        try {
            doc.LoadFromStream(&buffer, TfrxXMLLoad::AllowPartial);
            FAIL() << "row " << row.number << " loaded";
        } catch (const TfrxXMLError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Invalid file format"));
            EXPECT_LE(e.position(), quint64(row.bytes.size()));
        }
        // A failed load leaves an empty document that still saves.
        EXPECT_EQ(doc.Root()->Count(), 0);
        return;
    }
    ASSERT_NO_THROW(doc.LoadFromStream(&buffer, TfrxXMLLoad::AllowPartial)) << "row " << row.number;
    row.check(doc.Root());
    // Whatever loaded saves and loads again.
    QByteArray out;
    QBuffer target(&out);
    target.open(QIODevice::WriteOnly);
    doc.SaveToStream(&target);
    QBuffer again;
    again.setData(out);
    again.open(QIODevice::ReadOnly);
    TfrxXMLDocument copy;
    EXPECT_NO_THROW(copy.LoadFromStream(&again));
}

INSTANTIATE_TEST_SUITE_P(Numbered, XMLBadInputTest, ::testing::ValuesIn(rows()),
                         [](const auto &info) {
                             return "n" + std::to_string(info.param.number) + "_" + info.param.name;
                         });

TEST(XMLBadInput, DeepTreeWritesAndFreesWithoutRecursion)
{
    TfrxXMLDocument doc;
    TfrxXMLItem *item = doc.Root();
    item->SetElementName(QStringLiteral("e"));
    for (int i = 0; i < 100000; ++i)
        item = item->Add(QStringLiteral("e"));
    QByteArray out;
    QBuffer target(&out);
    target.open(QIODevice::WriteOnly);
    doc.SetIndented(TfrxXMLIndent::Flat);
    doc.SaveToStream(&target);
    EXPECT_TRUE(out.endsWith("</e></e>"));
    doc.Clear(); // frees 100000 levels
    EXPECT_EQ(doc.Root()->Count(), 0);
}

TEST(XMLBadInput, CacheOffsetPointingAtGarbageRaisesAndKeepsTheElementOut)
{
    QBuffer source;
    source.setData(H + "<r><p ld=\"0\"><c/></p></r>");
    source.open(QIODevice::ReadOnly);
    TfrxXMLDocument doc;
    doc.LoadFromStream(&source, TfrxXMLLoad::AllowPartial);
    TfrxXMLItem *p = doc.Root()->Item(0);
    for (quint64 offset : {quint64(1), quint64(100000), TfrxXMLItem::MaxCacheOffset}) {
        p->SetCacheOffset(offset);
        EXPECT_THROW(doc.LoadItem(p), TfrxXMLError) << offset;
        EXPECT_FALSE(p->InMemory());
        EXPECT_EQ(p->ElementName(), QStringLiteral("p"));
        EXPECT_EQ(p->Count(), 0);
    }
}

} // namespace

#include "platform/codec1254.h"
#include "platform/turkishcase.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// The upper-casing rule written in code page 1254 bytes, straight from the
// office's table: ASCII a..z without i, then the six Turkish pairs.
uchar expectedUpCase(uchar b)
{
    switch (b) {
    case 0x69: return 0xDD;  // i -> İ
    case 0xFD: return 0x49;  // ı -> I
    case 0xE7: return 0xC7;  // ç -> Ç
    case 0xF0: return 0xD0;  // ğ -> Ğ
    case 0xF6: return 0xD6;  // ö -> Ö
    case 0xFE: return 0xDE;  // ş -> Ş
    case 0xFC: return 0xDC;  // ü -> Ü
    }
    if (b >= 0x61 && b <= 0x7A)
        return uchar(b - 0x20);
    return b;
}

} // namespace

TEST(TurkishUpCase, EveryCodePageCharacterFollowsTheTable)
{
    for (int b = 0; b < 256; ++b) {
        const QChar typed = Codec1254::toUnicode(uchar(b));
        EXPECT_EQ(Codec1254::byteOf(turkishUpCase(typed)), expectedUpCase(uchar(b)))
            << "byte 0x" << std::hex << b;
    }
}

TEST(TurkishUpCase, SurnameRuleKeepsQAndWLower)
{
    for (int b = 0; b < 256; ++b) {
        const QChar typed = Codec1254::toUnicode(uchar(b));
        const uchar expected = (b == 'q' || b == 'w') ? uchar(b) : expectedUpCase(uchar(b));
        EXPECT_EQ(Codec1254::byteOf(turkishCapital(typed)), expected) << "byte 0x" << std::hex << b;
    }
}

TEST(TurkishUpCase, LeavesCharactersOutsideTheCodePageAlone)
{
    for (char16_t c : {u'ā', u'я', u'ß', u'ﬁ'})
        EXPECT_EQ(turkishUpCase(QChar(c)), QChar(c));
}

struct FoldRow
{
    const char *name;
    const char16_t *a;
    const char16_t *b;
    bool equal;
};

class TurkishFold : public ::testing::TestWithParam<FoldRow> {};

TEST_P(TurkishFold, ComparesUnderTurkishRules)
{
    const FoldRow &row = GetParam();
    const QString a = QString::fromUtf16(row.a);
    const QString b = QString::fromUtf16(row.b);
    EXPECT_EQ(turkishFold(a) == turkishFold(b), row.equal);
    EXPECT_EQ(turkishFoldEquals(a, b), row.equal);
}

INSTANTIATE_TEST_SUITE_P(Pairs, TurkishFold, ::testing::Values(
    FoldRow{"s_cedilla", u"ş", u"Ş", true},
    FoldRow{"dotted_i", u"i", u"İ", true},
    FoldRow{"dotless_i", u"ı", u"I", true},
    FoldRow{"i_is_not_I", u"i", u"I", false},
    FoldRow{"dotless_is_not_dotted", u"ı", u"İ", false},
    FoldRow{"dotless_is_not_i", u"ı", u"i", false},
    FoldRow{"words", u"İSTANBUL ŞİŞLİ", u"istanbul şişli", true},
    FoldRow{"ilgaz", u"ILGAZ", u"ılgaz", true},
    FoldRow{"ilgaz_with_dots", u"ILGAZ", u"ilgaz", false},
    FoldRow{"g_breve", u"Ğ", u"ğ", true},
    FoldRow{"other_latin", u"ÂÎÛÉ", u"âîûé", true},
    FoldRow{"greek", u"ΣΊΣΥΦΟΣ", u"σίσυφοσ", true},
    FoldRow{"cyrillic", u"Москва", u"МОСКВА", true},
    FoldRow{"deseret_pair", u"\U00010400", u"\U00010428", true},
    FoldRow{"c_is_not_c_cedilla", u"Seçim", u"Secim", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TurkishFold, KeepsLengthSoPrefixesLineUp)
{
    const QString s = QString::fromUtf16(u"İŞ\U00010400Iı");
    EXPECT_EQ(turkishFold(s).size(), s.size());
    EXPECT_TRUE(turkishFoldStartsWith(u"İSMAİL IŞIK", u"ismail ı"));
    EXPECT_FALSE(turkishFoldStartsWith(u"İSMAİL IŞIK", u"ismail i"));
    EXPECT_FALSE(turkishFoldStartsWith(u"Ali", u"Alim"));
    EXPECT_TRUE(turkishFoldStartsWith(u"Ali", u""));
    // Pairs sharing their first half are still different letters.
    EXPECT_TRUE(turkishFoldStartsWith(u"\U00010400x", u"\U00010428"));
    EXPECT_FALSE(turkishFoldStartsWith(u"\U00010400x", u"\U00010429"));
}

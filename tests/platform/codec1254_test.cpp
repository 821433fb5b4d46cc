#include "platform/codec1254.h"

#include <gtest/gtest.h>

TEST(Codec1254, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Codec1254::toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    const auto back = Codec1254::encode(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(Codec1254::fromUnicodeLossy(text), all);
}

struct ByteRow
{
    const char *name;
    uchar byte;
    char16_t unicode;
};

class Codec1254Bytes : public ::testing::TestWithParam<ByteRow> {};

TEST_P(Codec1254Bytes, MapsBothWays)
{
    const ByteRow &row = GetParam();
    EXPECT_EQ(Codec1254::toUnicode(row.byte).unicode(), row.unicode);
    EXPECT_EQ(Codec1254::byteOf(QChar(row.unicode)), row.byte);
}

// The Turkish letters, the bytes that differ from Latin-1, and the unassigned
// bytes that Windows passes through as control characters.
INSTANTIATE_TEST_SUITE_P(Table, Codec1254Bytes, ::testing::Values(
    ByteRow{"euro", 0x80, 0x20AC},
    ByteRow{"unassigned_81", 0x81, 0x0081},
    ByteRow{"low_quote", 0x82, 0x201A},
    ByteRow{"S_caron", 0x8A, 0x0160},
    ByteRow{"unassigned_8D", 0x8D, 0x008D},
    ByteRow{"unassigned_8E", 0x8E, 0x008E},
    ByteRow{"unassigned_8F", 0x8F, 0x008F},
    ByteRow{"unassigned_90", 0x90, 0x0090},
    ByteRow{"trade_mark", 0x99, 0x2122},
    ByteRow{"unassigned_9D", 0x9D, 0x009D},
    ByteRow{"unassigned_9E", 0x9E, 0x009E},
    ByteRow{"Y_diaeresis", 0x9F, 0x0178},
    ByteRow{"G_breve", 0xD0, 0x011E},
    ByteRow{"I_dot", 0xDD, 0x0130},
    ByteRow{"S_cedilla", 0xDE, 0x015E},
    ByteRow{"C_cedilla", 0xC7, 0x00C7},
    ByteRow{"g_breve", 0xF0, 0x011F},
    ByteRow{"dotless_i", 0xFD, 0x0131},
    ByteRow{"s_cedilla", 0xFE, 0x015F},
    ByteRow{"y_diaeresis", 0xFF, 0x00FF},
    ByteRow{"ascii_i", 0x69, 0x0069}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Codec1254, RefusesCharactersOutsideTheCodePage)
{
    // The Latin-1 letters whose places the Turkish letters took, a few others,
    // and a character outside the basic plane.
    for (char16_t c : {u'ā', u'Ð', u'Ý', u'Þ', u'ð', u'ý', u'þ', u'\u0080', u'Ž', u'я', u'☺'}) {
        EXPECT_FALSE(Codec1254::canEncode(QChar(c))) << int(c);
        EXPECT_EQ(Codec1254::byteOf(QChar(c)), -1) << int(c);
    }
    EXPECT_TRUE(Codec1254::canEncode(QChar(u'€')));
    EXPECT_TRUE(Codec1254::canEncode(QStringView(u"Çağrı İŞÜÖ €")));
}

TEST(Codec1254, StrictEncodingNamesTheFirstBadCharacter)
{
    qsizetype bad = 99;
    EXPECT_FALSE(Codec1254::encode(u"Kāzım ā", &bad).has_value());
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(Codec1254::firstUnencodable(u"Kāzım ā"), 1);

    const auto ok = Codec1254::encode(u"Kazım", &bad);
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(bad, -1);
    EXPECT_EQ(*ok, QByteArray("Kaz\xFDm"));

    EXPECT_EQ(Codec1254::firstUnencodable(QString::fromUtf16(u"ab\U0001F600")), 2);
}

TEST(Codec1254, LossyEncodingWritesOneQuestionMarkPerCharacter)
{
    EXPECT_EQ(Codec1254::fromUnicodeLossy(QString::fromUtf16(u"a\U0001F600āş")), QByteArray("a??\xFE"));
}

// Escaping, value and float text of the XML dialect.
#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/frxxmlescape.h"

#include <QDate>
#include <QLocale>
#include <QVariant>
#include "qstringprint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TextPair
{
    const char *name;
    const char16_t *in;
    const char16_t *out;
};

QString u(const char16_t *s) { return QString::fromUtf16(s); }

class EscapeTest : public ::testing::TestWithParam<TextPair> {};

TEST_P(EscapeTest, Escapes)
{
    EXPECT_EQ(EscapeXML(u(GetParam().in)), u(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(Table, EscapeTest, ::testing::Values(
    TextPair{"plain", u"Hasta Sevki", u"Hasta Sevki"},
    TextPair{"six_specials", u"\r\n\"&<>", u"&#13;&#10;&#34;&#38;&#60;&#62;"},
    TextPair{"turkish_letters_unchanged", u"şğüöçıİé", u"şğüöçıİé"},
    TextPair{"apostrophe_and_tab_unchanged", u"a'b\tc", u"a'b\tc"},
    TextPair{"two_lines", u"a\r\nb", u"a&#13;&#10;b"},
    TextPair{"entity_text_is_escaped_again", u"&amp;", u"&#38;amp;"},
    TextPair{"empty", u"", u""}),
    [](const auto &info) { return std::string(info.param.name); });

class UnescapeTest : public ::testing::TestWithParam<TextPair> {};

TEST_P(UnescapeTest, Unescapes)
{
    EXPECT_EQ(UnescapeXML(u(GetParam().in)), u(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(Table, UnescapeTest, ::testing::Values(
    TextPair{"six_specials", u"&#13;&#10;&#34;&#38;&#60;&#62;", u"\r\n\"&<>"},
    TextPair{"named_entity_stays", u"&amp;&lt;", u"&amp;&lt;"},
    TextPair{"code_page_byte", u"&#254;&#240;", u"şğ"},
    TextPair{"modulo_256", u"&#266;", u"\n"},
    TextPair{"huge_number_no_overflow", u"&#99999999999999999999999;", u"ÿ"}, // ...999 % 256 == 255
    TextPair{"no_semicolon", u"a&#10 b", u"a&#10 b"},
    TextPair{"hash_at_end", u"x&#", u"x&#"},
    TextPair{"empty_code", u"&#;", u"&#;"},
    TextPair{"not_digits", u"&#x41;&#1a;", u"&#x41;&#1a;"},
    TextPair{"no_second_pass", u"&#38;#10;", u"&#10;"},
    TextPair{"ampersand_before_reference", u"&&#60;", u"&<"},
    TextPair{"later_semicolon_after_text", u"&#12 ;", u"&#12 ;"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Escape, EveryCharacterSurvivesEscapeAndUnescape)
{
    for (int c = 0; c < 0x2200; ++c) {
        const QString s{QChar(char16_t(c))};
        ASSERT_EQ(UnescapeXML(EscapeXML(s)), s) << c;
    }
}

struct FloatRow
{
    const char *name;
    const char *text;
    double value;
};

class StrToFloatAnyTest : public ::testing::TestWithParam<FloatRow> {};

// Both separators read the same whatever the user's separator is.
TEST_P(StrToFloatAnyTest, ReadsUnderTurkishAndEnglishLocales)
{
    const QLocale saved;
    for (const QLocale &locale : {QLocale(QLocale::Turkish, QLocale::Turkey),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        EXPECT_DOUBLE_EQ(StrToFloatAny(QLatin1String(GetParam().text)), GetParam().value)
            << locale.name().toStdString();
    }
    QLocale::setDefault(saved);
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatAnyTest, ::testing::Values(
    FloatRow{"comma", "1,5", 1.5},
    FloatRow{"point", "1.5", 1.5},
    FloatRow{"negative_comma", "-0,25", -0.25},
    FloatRow{"blanks_removed", " 12 , 5 ", 12.5},
    FloatRow{"integer", "794", 794},
    FloatRow{"template_value", "559,37044", 559.37044},
    FloatRow{"exponent", "1,5E-7", 1.5e-7},
    FloatRow{"leading_separator", ",5", 0.5}),
    [](const auto &info) { return std::string(info.param.name); });

class StrToFloatAnyBadTest : public ::testing::TestWithParam<const char *> {};

TEST_P(StrToFloatAnyBadTest, RaisesTheConversionError)
{
    const QString text = QLatin1String(GetParam());
    try {
        StrToFloatAny(text);
        FAIL() << "no error for " << GetParam();
    } catch (const LoderaError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatAnyBadTest,
                         ::testing::Values("", "abc", "1,2,3", "1.234,5", "--1", "12px", "inf", "nan", "  "));

struct FloatTextRow
{
    const char *name;
    double value;
    const char *turkish;
};

class FloatToStrTest : public ::testing::TestWithParam<FloatTextRow> {};

TEST_P(FloatToStrTest, GeneralFormWithTheUserSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(frxFloatToStr(GetParam().value), QLatin1String(GetParam().turkish));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(frxFloatToStr(GetParam().value), QString(QLatin1String(GetParam().turkish)).replace(',', '.'));
    QLocale::setDefault(saved);
}

INSTANTIATE_TEST_SUITE_P(Table, FloatToStrTest, ::testing::Values(
    FloatTextRow{"half", 12.5, "12,5"},
    FloatTextRow{"whole", 794, "794"},
    FloatTextRow{"negative", -3.25, "-3,25"},
    FloatTextRow{"zero", 0, "0"},
    FloatTextRow{"template_offset", 559.37044, "559,37044"},
    FloatTextRow{"fifteen_digits_hide_binary_noise", 0.1 + 0.2, "0,3"},
    FloatTextRow{"small_fixed", 0.00001, "0,00001"},
    FloatTextRow{"tiny_scientific", 1.5e-7, "1,5E-7"},
    FloatTextRow{"large_fixed", 123456789012345.0, "123456789012345"},
    FloatTextRow{"huge_scientific", 1e20, "1E20"},
    FloatTextRow{"round_to_15_digits", 2.0 / 3.0, "0,666666666666667"}),
    [](const auto &info) { return std::string(info.param.name); });

struct VariantRow
{
    const char *name;
    QVariant value;
    const char16_t *xml;
};

class ValueToXMLTest : public ::testing::TestWithParam<VariantRow> {};

TEST_P(ValueToXMLTest, AttributeForm)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(ValueToXML(GetParam().value), u(GetParam().xml));
}

INSTANTIATE_TEST_SUITE_P(Table, ValueToXMLTest, ::testing::Values(
    VariantRow{"int", QVariant(-42), u"-42"},
    VariantRow{"byte", QVariant::fromValue<uchar>(200), u"200"},
    VariantRow{"short", QVariant::fromValue<short>(-7), u"-7"},
    VariantRow{"int64", QVariant(qint64(1) << 40), u"1099511627776"},
    VariantRow{"double", QVariant(12.5), u"12,5"},
    VariantRow{"bool_true", QVariant(true), u"1"},
    VariantRow{"bool_false", QVariant(false), u"0"},
    VariantRow{"string_escaped", QVariant(QStringLiteral("a\"b<c>\r\n")), u"a&#34;b&#60;c&#62;&#13;&#10;"},
    VariantRow{"null", QVariant(), u""},
    VariantRow{"other_type", QVariant(QStringList{QStringLiteral("x")}), u""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ValueToXML, DateIsTheUserShortDate)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QDate date(2026, 12, 5);
    EXPECT_EQ(ValueToXML(QVariant(date)), QStringLiteral("05.12.2026"));
    EXPECT_EQ(ValueToXML(QVariant(QDateTime(date, QTime(14, 30)))), QStringLiteral("05.12.2026"));
}

} // namespace

// The format suffix of a bracketed expression, FormatValue under the Turkish
// locale, and the text printed for one expression.
#include "report/engine/frxexpressionformat.h"
#include "report/engine/frxformatvalue.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Kind = TfrxValueFormat::Kind;

struct ParseRow
{
    const char *name;
    QString text;
    const char *expression;
    bool hasFormat;
    Kind kind;
    QString formatStr;
    const char *decimalSeparator;
};

std::ostream &operator<<(std::ostream &os, const ParseRow &r) { return os << r.name; }

class FormatSuffix : public ::testing::TestWithParam<ParseRow> {};

TEST_P(FormatSuffix, SplitsExpressionAndFormat)
{
    const ParseRow &r = GetParam();
    const TfrxExpressionFormat f = ParseExpressionFormat(r.text);
    EXPECT_EQ(f.expression, QString::fromUtf8(r.expression));
    EXPECT_EQ(f.hasFormat, r.hasFormat);
    if (r.hasFormat) {
        EXPECT_EQ(f.format.kind, r.kind);
        EXPECT_EQ(f.format.formatStr, r.formatStr);
        EXPECT_EQ(f.format.decimalSeparator, QString::fromUtf8(r.decimalSeparator));
    }
}

const ParseRow kParseRows[] = {
    {"NoFormat", QStringLiteral("Toplam"), "Toplam", false, Kind::fkText, QString(), ""},
    {"HashWithoutBlankIsNoFormat", QStringLiteral("Page#"), "Page#", false, Kind::fkText, QString(), ""},
    {"NumericCommaBecomesSeparator", QStringLiteral("Tutar #n%2,2f"), "Tutar", true, Kind::fkNumeric, QStringLiteral("%2.2f"), ","},
    {"NumericPointSeparator", QStringLiteral("Tutar #N%2.2f"), "Tutar", true, Kind::fkNumeric, QStringLiteral("%2.2f"), "."},
    {"NumericLastSeparatorWins", QStringLiteral("x #n#.##0,00"), "x", true, Kind::fkNumeric, QStringLiteral("#.##0.00"), ","},
    {"NumericDash", QStringLiteral("x #n%1-3f"), "x", true, Kind::fkNumeric, QStringLiteral("%1.3f"), "-"},
    {"NumericWithoutSeparator", QStringLiteral("x #n%d"), "x", true, Kind::fkNumeric, QStringLiteral("%d"), ""},
    {"DateLetterIsNotPartOfFormat", QStringLiteral("Tarih #Ddd.mm.yyyy"), "Tarih", true, Kind::fkDateTime, QStringLiteral("dd.mm.yyyy"), ""},
    {"TimeLetter", QStringLiteral("Saat #thh:nn"), "Saat", true, Kind::fkDateTime, QStringLiteral("hh:nn"), ""},
    {"Boolean", QStringLiteral("Bayrak #bEvet,Hayır"), "Bayrak", true, Kind::fkBoolean, QStringLiteral("Evet,Hayır"), ""},
    {"OtherLetterIsText", QStringLiteral("x #x123"), "x", true, Kind::fkText, QStringLiteral("123"), ""},
    {"NothingAfterHash", QStringLiteral("x #"), "x", true, Kind::fkText, QString(), ""},
    {"FirstBlankHashSplits", QStringLiteral("a #b #c"), "a", true, Kind::fkBoolean, QStringLiteral(" #c"), ""},
    {"FormatCappedAt255", QStringLiteral("x #x") + QString(300, QLatin1Char('9')), "x", true, Kind::fkText, QString(255, QLatin1Char('9')), ""},
};

INSTANTIATE_TEST_SUITE_P(Table, FormatSuffix, ::testing::ValuesIn(kParseRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct FormatRow
{
    const char *name;
    QVariant value;
    Kind kind;
    const char *formatStr;
    const char *decimalSeparator;
    const char *expected;
};

std::ostream &operator<<(std::ostream &os, const FormatRow &r) { return os << r.name; }

class FormatValues : public ::testing::TestWithParam<FormatRow>
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
};

TEST_P(FormatValues, PrintsUnderTheTurkishLocale)
{
    const FormatRow &r = GetParam();
    TfrxValueFormat f;
    f.kind = r.kind;
    f.formatStr = QString::fromUtf8(r.formatStr);
    f.decimalSeparator = QString::fromUtf8(r.decimalSeparator);
    EXPECT_EQ(FormatValue(r.value, f), QString::fromUtf8(r.expected));
}

const QDate kDay(2026, 12, 5);  // a Saturday
const QDateTime kAfternoon(kDay, QTime(14, 5, 9));

const FormatRow kFormatRows[] = {
    // Null prints as nothing whatever the format
    {"NullText", QVariant(), Kind::fkText, "", "", ""},
    {"NullNumeric", QVariant(), Kind::fkNumeric, "%2.2f", "", ""},
    // plain text
    {"TextFloat", 2.5, Kind::fkText, "", "", "2,5"},
    {"TextInteger", qint64(42), Kind::fkText, "", "", "42"},
    {"TextBoolean", true, Kind::fkText, "", "", "True"},
    {"TextDate", kDay, Kind::fkText, "", "", "05.12.2026"},
    {"TextDateTime", kAfternoon, Kind::fkText, "", "", "05.12.2026 14:05:09"},
    {"TextMidnightHasNoTime", QDateTime(kDay, QTime(0, 0)), Kind::fkText, "", "", "05.12.2026"},
    {"TextLargeFloat", 1e20, Kind::fkText, "", "", "1E20"},
    // number pictures
    {"PictureGrouping", 1234.5, Kind::fkNumeric, "#,##0.00", "", "1.234,50"},
    {"PictureMillions", qint64(1234567), Kind::fkNumeric, "#,##0", "", "1.234.567"},
    {"PictureOptionalDigits", 0.5, Kind::fkNumeric, "#.##", "", ",5"},
    {"PictureLeadingZeros", qint64(42), Kind::fkNumeric, "#0000", "", "0042"},
    // A format string that does not begin with "#" is printf-style, even "0000".
    {"ZerosWithoutHashArePrintf", qint64(42), Kind::fkNumeric, "0000", "", "42"},
    {"PictureNegativeSection", -3.26, Kind::fkNumeric, "#0.0;(#0.0)", "", "(3,3)"},
    {"PictureZeroSection", 0.0, Kind::fkNumeric, "#0;-#0;'sıfır'", "", "sıfır"},
    {"PictureMinus", -1234.5, Kind::fkNumeric, "#,##0.00", "", "-1.234,50"},
    {"PictureLiteralText", 12.0, Kind::fkNumeric, "#0 'TL'", "", "12 TL"},
    {"PictureScientific", 12345.0, Kind::fkNumeric, "#0.00E+00", "", "1,23E+04"},
    {"PictureOwnSeparator", 1234.5, Kind::fkNumeric, "#,##0.00", ".", "1.234.50"},
    {"PictureFromNumericString", QStringLiteral("12,5"), Kind::fkNumeric, "#,##0.00", "", "12,50"},
    // printf-style
    {"PrintfFixed", 3.14159, Kind::fkNumeric, "%2.2f", "", "3,14"},
    {"PrintfOwnSeparator", 3.14159, Kind::fkNumeric, "%2.2f", ".", "3.14"},
    {"PrintfWidth", 2.26, Kind::fkNumeric, "%6.1f", "", "   2,3"},
    {"PrintfLeftJustified", 2.26, Kind::fkNumeric, "%-6.1f|", "", "2,3   |"},
    {"PrintfGrouped", 1234.5, Kind::fkNumeric, "%n", "", "1.234,50"},
    {"PrintfAmongText", 7.0, Kind::fkNumeric, "Toplam: %.0f adet %%", "", "Toplam: 7 adet %"},
    {"PrintfScientific", 12345.0, Kind::fkNumeric, "%.3e", "", "1,23E+004"},
    {"PrintfIntegerConversionFallsBack", qint64(5), Kind::fkNumeric, "%d", "", "5"},
    {"PrintfTwoConversionsFallBack", 2.5, Kind::fkNumeric, "%f %f", "", "2,5"},
    {"NumericNotANumberFallsBack", QStringLiteral("abc"), Kind::fkNumeric, "%2.2f", "", "abc"},
    {"SeparatorRestoredOnFallback", QStringLiteral("1,5x"), Kind::fkNumeric, "%2.2f", ".", "1,5x"},
    // date-times
    {"DatePicture", kDay, Kind::fkDateTime, "dd.mm.yyyy", "", "05.12.2026"},
    {"DateNames", kDay, Kind::fkDateTime, "d mmmm yyyy, dddd", "", "5 Aralık 2026, Cumartesi"},
    {"DateShortMonth", kDay, Kind::fkDateTime, "mmm yy", "", "Ara 26"},
    {"SlashIsTheDateSeparator", kDay, Kind::fkDateTime, "dd/mm/yy", "", "05.12.26"},
    {"MinutesAfterHour", kAfternoon, Kind::fkDateTime, "hh:mm:ss", "", "14:05:09"},
    {"MinutesWithN", kAfternoon, Kind::fkDateTime, "h:nn", "", "14:05"},
    {"QuotedLiteral", kDay, Kind::fkDateTime, "yyyy 'yılı'", "", "2026 yılı"},
    {"FromShortDateString", QStringLiteral("05.12.2026"), Kind::fkDateTime, "yyyy-mm-dd", "", "2026-12-05"},
    {"FromSerialNumber", 46361.5, Kind::fkDateTime, "dd.mm.yyyy hh:nn", "", "05.12.2026 12:00"},
    {"EmptyPictureIsShortDateAndTime", kAfternoon, Kind::fkDateTime, "", "", "05.12.2026 14:05:09"},
    {"NotADateFallsBack", QStringLiteral("yarın"), Kind::fkDateTime, "dd.mm.yyyy", "", "yarın"},
    // booleans
    {"BooleanTrue", true, Kind::fkBoolean, "Evet,Hayır", "", "Evet"},
    {"BooleanFalse", false, Kind::fkBoolean, "Evet,Hayır", "", "Hayır"},
    {"BooleanFromInteger", qint64(1), Kind::fkBoolean, "Evet,Hayır", "", "Evet"},
    {"BooleanFromZero", qint64(0), Kind::fkBoolean, "Evet,Hayır", "", "Hayır"},
    {"BooleanOtherTextIsFalse", QStringLiteral("belki"), Kind::fkBoolean, "Evet,Hayır", "", "Hayır"},
    {"BooleanWithoutComma", false, Kind::fkBoolean, "Var", "", ""},
    {"BooleanSecondCommaKept", false, Kind::fkBoolean, "a,b,c", "", "b,c"},
};

INSTANTIATE_TEST_SUITE_P(Table, FormatValues, ::testing::ValuesIn(kFormatRows),
                         [](const auto &info) { return std::string(info.param.name); });

class MemoExpression : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    QString text(const QString &content, const QVariant &result, TfrxHideZeros hide = TfrxHideZeros::Off)
    {
        return MemoExpressionText(content, memoFormat, hide, [&](const QString &e) {
            calcs << e;
            return result;
        }, &value);
    }

    TfrxValueFormat memoFormat;
    QStringList calcs;
    QVariant value;
};

TEST_F(MemoExpression, SuffixFormatOverridesTheMemoFormat)
{
    memoFormat.kind = TfrxValueFormat::Kind::fkBoolean;
    memoFormat.formatStr = QStringLiteral("a,b");
    EXPECT_EQ(text(QStringLiteral("Tutar #n%2,2f"), 3.14159), QStringLiteral("3,14"));
    EXPECT_EQ(calcs, QStringList{QStringLiteral("Tutar")});
    EXPECT_EQ(value, QVariant(3.14159));
    EXPECT_EQ(text(QStringLiteral("Bayrak"), true), QStringLiteral("a"));
}

TEST_F(MemoExpression, HideZerosHidesNumericZeroButNotTheStringZero)
{
    EXPECT_EQ(text(QStringLiteral("x"), qint64(0), TfrxHideZeros::On), QString());
    EXPECT_EQ(value, QVariant(qint64(0)));
    EXPECT_EQ(text(QStringLiteral("x"), 0.0, TfrxHideZeros::On), QString());
    EXPECT_EQ(text(QStringLiteral("x"), QStringLiteral("0"), TfrxHideZeros::On), QStringLiteral("0"));
    EXPECT_EQ(text(QStringLiteral("x"), qint64(0), TfrxHideZeros::Off), QStringLiteral("0"));
}

TEST_F(MemoExpression, TotalPagesIsLeftForTheDrawingCode)
{
    EXPECT_EQ(text(QStringLiteral("totalpages#"), qint64(1)), QStringLiteral("[TotalPages#]"));
    EXPECT_TRUE(calcs.isEmpty());
    EXPECT_EQ(value, QVariant(QStringLiteral("[TotalPages#]")));
}

} // namespace

#include "platform/localeformats.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const QLocale Turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale American(QLocale::English, QLocale::UnitedStates);

TEST(ShortDate, TurkishUsesTheOfficeFormat)
{
    EXPECT_EQ(shortDate(QDate(2026, 12, 5), Turkish), QStringLiteral("05.12.2026"));
    EXPECT_EQ(shortDateTime(QDateTime(QDate(2026, 12, 5), QTime(0, 0)), Turkish), QStringLiteral("05.12.2026"));
    EXPECT_EQ(shortDateTime(QDateTime(QDate(2026, 1, 9), QTime(7, 3, 4)), Turkish),
              QStringLiteral("09.01.2026 07:03:04"));
    EXPECT_EQ(shortDate(QDate(), Turkish), QString());
}

TEST(ShortDate, OtherLocalesUseTheirShortFormat)
{
    EXPECT_EQ(shortDate(QDate(2026, 12, 5), American), QStringLiteral("12/5/26"));
    EXPECT_EQ(shortDateTime(QDateTime(QDate(2026, 12, 5), QTime(15, 4, 5)), American),
              QStringLiteral("12/5/26 3:04:05 PM"));
}

TEST(ShortDate, DefaultLocaleIsUsed)
{
    const QLocale saved;
    QLocale::setDefault(American);
    EXPECT_EQ(shortDate(QDate(2026, 12, 5)), QStringLiteral("12/5/26"));
    QLocale::setDefault(Turkish);
    EXPECT_EQ(shortDate(QDate(2026, 12, 5)), QStringLiteral("05.12.2026"));
    QLocale::setDefault(saved);
}

struct ParseRow
{
    const char *name;
    bool turkish;
    const char *text;
    QDate expected;  // invalid: nothing
};

class ParseShortDate : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseShortDate, ReadsWhatAClerkTypes)
{
    const ParseRow &row = GetParam();
    const auto date = parseShortDate(QString::fromUtf8(row.text), row.turkish ? Turkish : American);
    if (row.expected.isValid()) {
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, row.expected);
    } else {
        EXPECT_FALSE(date.has_value()) << date->toString(Qt::ISODate).toStdString();
    }
}

const int ThisYear = QDate::currentDate().year();

INSTANTIATE_TEST_SUITE_P(Rows, ParseShortDate, ::testing::Values(
    ParseRow{"tr_full", true, "05.12.2026", QDate(2026, 12, 5)},
    ParseRow{"tr_single_digits", true, "5.1.2026", QDate(2026, 1, 5)},
    ParseRow{"tr_blanks", true, " 05.12.2026 ", QDate(2026, 12, 5)},
    ParseRow{"tr_two_digit_year", true, "05.12.26", QDate(2026, 12, 5)},
    ParseRow{"tr_no_year", true, "05.12", QDate(ThisYear, 12, 5)},
    ParseRow{"tr_leap_day", true, "29.02.2024", QDate(2024, 2, 29)},
    ParseRow{"tr_no_leap_day", true, "29.02.2026", QDate()},
    ParseRow{"tr_month_13", true, "01.13.2026", QDate()},
    ParseRow{"tr_slashes", true, "05/12/2026", QDate()},
    ParseRow{"tr_letters", true, "05.Ara.2026", QDate()},
    ParseRow{"tr_time_part", true, "05.12.2026 10:00", QDate()},
    ParseRow{"tr_three_digit_year", true, "05.12.202", QDate()},
    ParseRow{"tr_empty", true, "", QDate()},
    ParseRow{"tr_empty_part", true, "05..2026", QDate()},
    ParseRow{"us_month_first", false, "12/5/2026", QDate(2026, 12, 5)},
    ParseRow{"us_two_digit_year", false, "12/5/26", QDate(2026, 12, 5)}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

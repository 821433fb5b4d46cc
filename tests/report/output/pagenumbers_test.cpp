// The page-range text of the print dialog.
#include "report/output/econverterror.h"
#include "report/output/frxpagenumbers.h"

#include <gtest/gtest.h>

namespace {

struct PageCase
{
    const char *name;
    const char16_t *text;
    int pageCount;
    QStringList expected;
};

std::ostream &operator<<(std::ostream &os, const PageCase &c) { return os << c.name; }

class PageNumbers : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageNumbers, FillTheList)
{
    const PageCase &c = GetParam();
    QStringList list{"eski"};
    ParsePageNumbers(QString::fromUtf16(c.text), list, c.pageCount);
    EXPECT_EQ(list, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Print, PageNumbers,
    ::testing::Values(
        PageCase{"NumbersAndARange", u"1,3,5-7", 10, {"1", "3", "5", "6", "7"}},
        PageCase{"OpenRangeRunsToTheLastPage", u"5-", 8, {"5", "6", "7", "8"}},
        PageCase{"FallingRangeGivesNothing", u"7-5", 10, {}},
        PageCase{"FallingRangeKeepsTheOthers", u"1,7-5,9", 10, {"1", "9"}},
        PageCase{"BlanksAnywhereAreIgnored", u" 2 , 4 ", 10, {"2", "4"}},
        PageCase{"BlanksInsideANumber", u"1 2", 20, {"12"}},
        PageCase{"EmptyTextMeansAllPages", u"", 5, {}},
        PageCase{"OnlyBlanks", u"   ", 5, {}},
        PageCase{"OrderAndDuplicatesKept", u"3,1,3,2-3", 5, {"3", "1", "3", "2", "3"}},
        PageCase{"SingleNumbersBeyondTheCountStay", u"12", 3, {"12"}},
        PageCase{"RangeStopsAtTheLastPage", u"2-999999999", 4, {"2", "3", "4"}},
        PageCase{"RangeBeyondTheLastPageAddsNothing", u"6-9", 4, {}},
        PageCase{"SinglePageRange", u"4-4", 9, {"4"}},
        PageCase{"LeadingZeros", u"007", 9, {"7"}},
        PageCase{"OpenRangeOnAnEmptyReport", u"1-", 0, {}}));

struct BadCase
{
    const char *name;
    const char16_t *text;
    const char16_t *message;
};

std::ostream &operator<<(std::ostream &os, const BadCase &c) { return os << c.name; }

class BadPageNumbers : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadPageNumbers, RaiseTheConversionError)
{
    const BadCase &c = GetParam();
    QStringList list{"eski"};
    try {
        ParsePageNumbers(QString::fromUtf16(c.text), list, 10);
        FAIL() << "no error";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.message(), QString::fromUtf16(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Print, BadPageNumbers,
    ::testing::Values(
        BadCase{"DoubleComma", u"1,,3", u"'' is not a valid integer value"},
        BadCase{"LeadingDash", u"-3", u"'' is not a valid integer value"},
        BadCase{"TrailingComma", u"1,", u"'' is not a valid integer value"},
        BadCase{"Letters", u"1,a,3", u"'a' is not a valid integer value"},
        BadCase{"DoubleDash", u"1--3", u"'' is not a valid integer value"},
        BadCase{"Semicolon", u"1;2", u"'1;2' is not a valid integer value"},
        BadCase{"TooLarge", u"99999999999", u"'99999999999' is not a valid integer value"},
        BadCase{"DecimalComma", u"1.5", u"'1.5' is not a valid integer value"}));

} // namespace

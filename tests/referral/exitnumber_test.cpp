// "Sonraki No": the exit number's successor.
#include "referral/exitnumber.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *name;
    const char *before;
    const char *after;
};

const Case cases[] = {
    {"ZeroToOne", "0", "1"},
    {"EightToNine", "8", "9"},
    {"NineGrowsADigit", "9", "10"},
    {"LastDigitOnly", "18", "19"},
    {"CarryIntoTens", "19", "20"},
    {"CarryTwice", "199", "200"},
    {"AllNinesGrow", "999", "1000"},
    {"LeadingZerosStay", "0099", "0100"},
    {"PrefixKept", "2006/15", "2006/16"},
    {"PrefixKeptWithCarry", "2006/19", "2006/20"},
    {"CarryEatsTheSlash", "2006/99", "2006000"},
    {"TrailingLetterBecomesZero", "12a", "120"},
    {"LettersInFrontUpperCased", "a5", "A6"},
    {"TurkishLettersKeepTheirCase", "ğış5", "ğış6"},
    {"NonDigitEndsTheCarryAsZero", "ş9", "00"},
    {"OnlyALetter", "z", "0"},
    {"EmptyStaysEmpty", "", ""},
};

class ExitNumberTest : public ::testing::TestWithParam<Case> {};

TEST_P(ExitNumberTest, Successor)
{
    const Case &c = GetParam();
    EXPECT_EQ(ExitNumber::successor(QString::fromUtf8(c.before)).toStdString(), std::string(c.after));
}

INSTANTIATE_TEST_SUITE_P(Table, ExitNumberTest, ::testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

// Finding and expanding the bracketed expressions of a memo text.
#include "report/engine/frxmemotext.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct FindRow
{
    const char *name;
    const char *text;
    const char *open;
    const char *close;
    int start;
    const char *expression;
    int end;
    bool closed;
};

std::ostream &operator<<(std::ostream &os, const FindRow &r) { return os << r.name; }

class FindBracketed : public ::testing::TestWithParam<FindRow> {};

TEST_P(FindBracketed, GivesExpressionAndEnd)
{
    const FindRow &r = GetParam();
    int end = -99;
    bool closed = !r.closed;
    const QString e = FindBracketedExpression(QString::fromUtf8(r.text), QString::fromUtf8(r.open),
                                              QString::fromUtf8(r.close), r.start, &end, &closed);
    EXPECT_EQ(e, QString::fromUtf8(r.expression));
    EXPECT_EQ(end, r.end);
    EXPECT_EQ(closed, r.closed);
}

// Positions are 0-based: the 1-based position n of a hand count is n - 1 here.
const FindRow kFindRows[] = {
    {"FieldReference", "[frxDBDataset1.\"Gorevi\"]", "[", "]", 0, "frxDBDataset1.\"Gorevi\"", 23, true},
    {"StartsInsideText", "Sayfa: [Page#] son", "[", "]", 7, "Page#", 13, true},
    {"SingleQuotesHideClose", "[a + ']' + b] x", "[", "]", 0, "a + ']' + b", 12, true},
    {"DoubleQuotesHideClose", "[\"]\"]", "[", "]", 0, "\"]\"", 4, true},
    {"DoubleQuoteInsideSingle", "['\"'] ]", "[", "]", 0, "'\"'", 4, true},
    {"NestedLine", "[IIF(a, [Line], 0)] Adet", "[", "]", 0, "IIF(a, [Line], 0)", 18, true},
    {"OpenAsLastCharacter", "abc [", "[", "]", 4, "", 4, false},
    // Unclosed elsewhere: the scan stops at the last character, which it leaves out.
    {"UnclosedStopsAtLastCharacter", "[abc", "[", "]", 0, "ab", 3, false},
    {"MultiCharacterDelimiters", "a <%x + 1%> b", "<%", "%>", 2, "x + 1", 10, true},
    {"StartPastEnd", "abc", "[", "]", 3, "", 3, false},
};

INSTANTIATE_TEST_SUITE_P(Table, FindBracketed, ::testing::ValuesIn(kFindRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct ExpandRow
{
    const char *name;
    const char *text;
    const char *delimiters;
    const char *expected;
    QStringList calls;
};

std::ostream &operator<<(std::ostream &os, const ExpandRow &r) { return os << r.name; }

class Expansion : public ::testing::TestWithParam<ExpandRow> {};

// The replacer upper-cases the expression, gives "2" for Page# and "7" for
// Line, and "[Line]" for "again", so a rescan would show.
TEST_P(Expansion, ReplacesEachExpressionOnce)
{
    const ExpandRow &r = GetParam();
    QStringList calls;
    const QString out = ExpandMemoText(QString::fromUtf8(r.text), SplitExpressionDelimiters(QString::fromUtf8(r.delimiters)),
                                       [&](const QString &e) {
                                           calls << e;
                                           if (e == QLatin1String("Page#"))
                                               return QStringLiteral("2");
                                           if (e == QLatin1String("Line"))
                                               return QStringLiteral("7");
                                           if (e == QLatin1String("again"))
                                               return QStringLiteral("[Line]");
                                           if (e == QLatin1String("empty"))
                                               return QString();
                                           return e.toUpper();
                                       });
    EXPECT_EQ(out, QString::fromUtf8(r.expected));
    EXPECT_EQ(calls, r.calls);
}

const ExpandRow kExpandRows[] = {
    {"PageNumber", "Sayfa: [Page#]", "[,]", "Sayfa: 2", {QStringLiteral("Page#")}},
    {"LineInFooter", "[Line] Adet", "[,]", "7 Adet", {QStringLiteral("Line")}},
    {"NoOpenDelimiterLeavesText", "a ] b ]", "[,]", "a ] b ]", {}},
    {"OpenAsLastCharacterStays", "Toplam [", "[,]", "Toplam [", {}},
    {"InsertedTextNotRescanned", "[again] [Line]", "[,]", "[Line] 7", {QStringLiteral("again"), QStringLiteral("Line")}},
    {"EmptyReplacementsAtStart", "[empty][empty]son", "[,]", "son", {QStringLiteral("empty"), QStringLiteral("empty")}},
    {"ReplacementAtEnd", "x[a]", "[,]", "xA", {QStringLiteral("a")}},
    {"QuotedDelimiterInsideExpression", "[IIF(x, ']', 'y')]!", "[,]", "IIF(X, ']', 'Y')!", {QStringLiteral("IIF(x, ']', 'y')")}},
    {"NestedExpressionIsOne", "[a[Line]b] c", "[,]", "A[LINE]B c", {QStringLiteral("a[Line]b")}},
    {"UnbalancedOpenLeavesRest", "[a] Ahmet [Merkez", "[,]", "A Ahmet [Merkez", {QStringLiteral("a")}},
    {"LinesKept", "Ad\r\n[Line]", "[,]", "Ad\r\n7", {QStringLiteral("Line")}},
    {"OtherDelimiters", "a <%x%> [y]", "<%,%>", "a X [y]", {QStringLiteral("x")}},
    {"NoCommaMeansNoExpansion", "a [x]", "[", "a [x]", {}},
    {"EmptyDelimitersMeanNoExpansion", "a [x]", "", "a [x]", {}},
};

INSTANTIATE_TEST_SUITE_P(Table, Expansion, ::testing::ValuesIn(kExpandRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ExpressionDelimiters, SplitAtTheFirstCommaAndCapped)
{
    const TfrxExpressionDelimiters d = SplitExpressionDelimiters(QStringLiteral("{,},x"));
    EXPECT_EQ(d.open, QStringLiteral("{"));
    EXPECT_EQ(d.close, QStringLiteral("},x"));
    const TfrxExpressionDelimiters big = SplitExpressionDelimiters(QString(300, QLatin1Char('<')) + QLatin1Char(',') + QString(300, QLatin1Char('>')));
    EXPECT_EQ(big.open.size(), 255);
    EXPECT_EQ(big.close.size(), 255);
}

TEST(ExpandMemoText, LongTextWithManyExpressionsStaysLinear)
{
    const QString text = QStringLiteral("[x] ").repeated(100000);
    int calls = 0;
    const QString out = ExpandMemoText(text, {QStringLiteral("["), QStringLiteral("]")}, [&](const QString &) {
        ++calls;
        return QStringLiteral("1");
    });
    EXPECT_EQ(calls, 100000);
    EXPECT_EQ(out, QStringLiteral("1 ").repeated(100000));
}

TEST(TotalPages, FirstOccurrenceAnyCaseIsReplaced)
{
    QString text = QStringLiteral("Sayfa 3 / [totalpages#] [TOTALPAGES#]");
    EXPECT_TRUE(ReplaceTotalPages(text, 12));
    EXPECT_EQ(text, QStringLiteral("Sayfa 3 / 12 [TOTALPAGES#]"));
    QString none = QStringLiteral("Sayfa [Page#]");
    EXPECT_FALSE(ReplaceTotalPages(none, 12));
    EXPECT_EQ(none, QStringLiteral("Sayfa [Page#]"));
}

} // namespace

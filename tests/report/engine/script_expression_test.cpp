// Report expressions as the engine evaluates them: each text compiled once by
// the expression cache in a script whose parent is the report's script, with
// Get, IIF and a few host names registered there as the report does.
#include "report/engine/tfrxexpressioncache.h"
#include "report/engine/tfsmacros.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsvalue.h"

#include <QDateTime>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

QString describe(const QVariant &v)
{
    return v.isValid() ? QStringLiteral("%1(%2)").arg(QString::fromLatin1(v.typeName()), v.toString())
                       : QStringLiteral("Null");
}

class ReportExpressions : public ::testing::Test
{
protected:
    ReportExpressions()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        report.addFunction(QStringLiteral("Get"), [this](const QVariantList &a) {
            getNames << a[0].toString();
            return fields.value(a[0].toString());
        }, 1, 1);
        TfsMacros::addIif(report, [this](const QString &e) { return calc(e); });
        report.addFunction(QStringLiteral("Touch"), [this](const QVariantList &a) {
            touched << tfs::toText(a[0]);
            return a[0];
        }, 1, 1);
        report.addVariable(QStringLiteral("Sayac"), qint64(5));
    }

    QVariant calc(const QString &expr)
    {
        QVariant v;
        QString error;
        lastOutcome = cache.calc(expr, &v, &error);
        lastError = error;
        return v;
    }

    TfsScript report;
    TfrxExpressionCache cache{&report};
    QHash<QString, QVariant> fields;
    QStringList getNames;
    QStringList touched;
    TfrxExpressionCache::Outcome lastOutcome = TfrxExpressionCache::Outcome::Value;
    QString lastError;
};

struct ValueRow
{
    const char *name;
    const char *expr;
    QVariant expected;
};

std::ostream &operator<<(std::ostream &os, const ValueRow &r) { return os << r.name; }

class ExpressionValues : public ReportExpressions, public ::testing::WithParamInterface<ValueRow> {};

TEST_P(ExpressionValues, EvaluatesToTheExpectedValueAndType)
{
    const ValueRow &row = GetParam();
    const QVariant v = calc(QString::fromUtf8(row.expr));
    ASSERT_EQ(lastOutcome, TfrxExpressionCache::Outcome::Value) << lastError.toStdString();
    EXPECT_EQ(v.metaType(), row.expected.metaType()) << describe(v).toStdString();
    EXPECT_TRUE(v == row.expected) << describe(v).toStdString() << " != " << describe(row.expected).toStdString();
}

const ValueRow kValueRows[] = {
    // precedence
    {"MulBeforeAdd", "1 + 2 * 3", qint64(7)},
    {"Parentheses", "(1 + 2) * 3", qint64(9)},
    {"ShlIsMultiplying", "1 + 2 shl 3", qint64(17)},
    {"NotBindsTighterThanEquals", "not 1 = 2", false},
    {"NotOfComparison", "not (1 = 2)", true},
    {"RelationalLastLeftToRight", "1 < 2 = True", true},
    {"SignedFactor", "-2 * -3", qint64(6)},
    {"UnaryMinusOfTerm", "-2 + 5", qint64(3)},
    // integer and float arithmetic
    {"DivTruncates", "-7 div 2", qint64(-3)},
    {"ModKeepsSign", "-7 mod 3", qint64(-1)},
    {"SlashGivesFloat", "7 / 2", 3.5},
    {"IntPlusFloat", "1 + 2.5", 3.5},
    {"FloatLiteralExponent", "1.5E2", 150.0},
    {"HexLiteral", "$FF and $0F", qint64(15)},
    {"BitwiseOr", "6 or 9", qint64(15)},
    {"BitwiseXor", "6 xor 3", qint64(5)},
    {"OverflowBecomesFloat", "$7FFFFFFFFFFFFFFF + 1", 9223372036854775808.0},
    // booleans
    {"LogicalAndNot", "True and not False", true},
    {"LogicalOr", "(1 > 2) or (3 > 2)", true},
    {"LogicalXor", "True xor True", false},
    // strings
    {"Concatenation", "'abc' + 'def'", QStringLiteral("abcdef")},
    {"QuoteEscape", "'It''s'", QStringLiteral("It's")},
    {"CharacterCodes", "'a'#65'b'#$43", QStringLiteral("aAbC")},
    {"NumericStringPlusNumber", "'10' + 5", qint64(15)},
    {"DecimalCommaString", "'2,5' * 2", 5.0},
    {"StringOrder", "'abc' < 'abd'", true},
    {"TurkishCollation", "'çam' < 'dal'", true},
    {"StringEqualityIsExact", "'a' = 'A'", false},
    {"StringAgainstNumber", "'7' = 7", true},
    // sets
    {"InListedSet", "3 in [1, 2, 3]", true},
    {"NotInRangeSet", "5 in [1..3, 7]", false},
    {"CharRange", "'b' in ['a'..'c']", true},
    {"FloatInIntRange", "2.5 in [1..3]", true},
    // Null
    {"NullPropagates", "Null + 1", QVariant()},
    {"NullEqualsNull", "Null = Null", true},
    {"NullIsLess", "Null < 0", true},
    // host names and standard functions
    {"HostVariable", "Sayac * 2", qint64(10)},
    {"Copy", "Copy('Lodera', 2, 3)", QStringLiteral("ode")},
    {"CopyPastEnd", "Copy('abc', 3, 10)", QStringLiteral("c")},
    {"LengthCountsCharacters", "Length('Şükrü')", qint64(5)},
    {"Pos", "Pos('de', 'Lodera')", qint64(3)},
    {"TurkishUpperCase", "UpperCase('istanbul ılgaz')", QStringLiteral("İSTANBUL ILGAZ")},
    {"FloatToStrDecimalComma", "FloatToStr(2.5)", QStringLiteral("2,5")},
    {"FormatFloatGrouping", "FormatFloat('#,##0.00', 1234.5)", QStringLiteral("1.234,50")},
    {"RoundHalfToEven", "Round(2.5) + Round(3.5)", qint64(6)},
    {"TruncTowardZero", "Trunc(-2.7)", qint64(-2)},
    // date-times
    {"DatePlusDays", "StrToDate('05.12.2026') + 1", QDateTime(QDate(2026, 12, 6), QTime(0, 0))},
    {"DateDifference", "StrToDate('06.12.2026') - StrToDate('01.12.2026')", 5.0},
    {"DateOrder", "StrToDate('31.12.2025') < StrToDate('01.01.2026')", true},
    {"FormatDateTime", "FormatDateTime('dd mmmm yyyy', StrToDate('05.12.2026'))", QStringLiteral("05 Aralık 2026")},
};

INSTANTIATE_TEST_SUITE_P(Table, ExpressionValues, ::testing::ValuesIn(kValueRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportExpressions, AngleBracketNameCallsGetWithTheTextBetweenTheBrackets)
{
    fields.insert(QStringLiteral("frxDBDataset1.\"Gorevi\""), QStringLiteral("Şube Müdürü"));
    fields.insert(QStringLiteral("Page#"), qint64(2));
    EXPECT_EQ(calc(QStringLiteral("<frxDBDataset1.\"Gorevi\">")).toString(), QStringLiteral("Şube Müdürü"));
    EXPECT_EQ(calc(QStringLiteral("'Sayfa ' + IntToStr(<Page#> + 1)")).toString(), QStringLiteral("Sayfa 3"));
    EXPECT_EQ(getNames, (QStringList{QStringLiteral("frxDBDataset1.\"Gorevi\""), QStringLiteral("Page#")}));
}

TEST_F(ReportExpressions, AngleBracketWithoutGetIsACompileError)
{
    TfsScript bare;
    EXPECT_FALSE(bare.compile(TfrxExpressionCache::programText(0, QStringLiteral("<x>"))));
    EXPECT_FALSE(bare.errorText().isEmpty());
}

TEST_F(ReportExpressions, IifCalculatesOnlyTheChosenBranch)
{
    EXPECT_EQ(calc(QStringLiteral("IIF(1 < 2, Touch('evet'), Touch('hayır'))")).toString(), QStringLiteral("evet"));
    EXPECT_EQ(touched, QStringList{QStringLiteral("evet")});
    touched.clear();
    EXPECT_EQ(calc(QStringLiteral("IIF(Sayac > 10, Touch('a, b'), Touch('c'))")).toString(), QStringLiteral("c"));
    EXPECT_EQ(touched, QStringList{QStringLiteral("c")});
    touched.clear();
    // A Null condition is not True.
    EXPECT_EQ(calc(QStringLiteral("IIF(Null, 1, Touch(2))")), QVariant(qint64(2)));
    EXPECT_EQ(touched, QStringList{QStringLiteral("2")});
}

TEST_F(ReportExpressions, IifReceivesItsArgumentsAsWrittenText)
{
    QStringList seen;
    TfsMacros::addIif(report, [&](const QString &e) {
        seen << e;
        return e == QLatin1String("(1 = 1)") ? QVariant(true) : QVariant(e);
    });
    EXPECT_EQ(calc(QStringLiteral("IIF( (1 = 1) , 'x''y' + 'z', Copy('a,b', 1, 1))")).toString(), QStringLiteral("'x''y' + 'z'"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("(1 = 1)"), QStringLiteral("'x''y' + 'z'")}));
}

TEST_F(ReportExpressions, SameTextIsCompiledOncePerRunWithoutRegardToCase)
{
    calc(QStringLiteral("Sayac * 2"));
    calc(QStringLiteral("SAYAC * 2"));
    calc(QStringLiteral("Sayac * 3"));
    EXPECT_EQ(cache.count(), 2);
    cache.clear();
    EXPECT_EQ(cache.count(), 0);
    EXPECT_EQ(calc(QStringLiteral("Sayac * 3")), QVariant(qint64(15)));
}

TEST_F(ReportExpressions, ExpressionSeesTheReportScriptsGlobalsAndRoutines)
{
    ASSERT_TRUE(report.compile(QStringLiteral(
        "var Toplam: Integer = 40;\n"
        "function Iki(x: Integer): Integer; begin Result := x * 2 end;\n"
        "begin\nend.")));
    EXPECT_EQ(calc(QStringLiteral("Iki(Toplam) + 1")), QVariant(qint64(81)));
    ASSERT_TRUE(report.setVariable(QStringLiteral("toplam"), qint64(1)));
    EXPECT_EQ(calc(QStringLiteral("Iki(Toplam) + 1")), QVariant(qint64(3)));
}

TEST_F(ReportExpressions, UnknownIdentifierIsACompileErrorNamingIt)
{
    EXPECT_EQ(calc(QStringLiteral("xyz + 1")), QVariant());
    EXPECT_EQ(lastOutcome, TfrxExpressionCache::Outcome::CompileError);
    EXPECT_EQ(lastError, QStringLiteral("Tanımlanmamış tanıtıcı: 'xyz'"));
    // A failed text is not cached: it fails again where it occurs again.
    calc(QStringLiteral("xyz + 1"));
    EXPECT_EQ(lastOutcome, TfrxExpressionCache::Outcome::CompileError);
    EXPECT_EQ(cache.count(), 0);
}

TEST_F(ReportExpressions, RuntimeErrorsAreReportedNotThrown)
{
    struct Row { const char *expr; const char *error; };
    const Row rows[] = {
        {"1 div 0", "Sıfıra bölme"},
        {"5 mod (Sayac - 5)", "Sıfıra bölme"},
        {"1 / 0", "Sıfıra bölme"},
        {"'abc' * 2", "'abc' geçerli bir sayı değil"},
        {"StrToInt('12a')", "'12a' geçerli bir tamsayı değil"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.expr);
        EXPECT_EQ(calc(QString::fromUtf8(r.expr)), QVariant());
        EXPECT_EQ(lastOutcome, TfrxExpressionCache::Outcome::RuntimeError);
        EXPECT_EQ(lastError, QString::fromUtf8(r.error));
    }
}

TEST_F(ReportExpressions, SetsAndOperatorsOnIncompatibleTypesFailClearly)
{
    calc(QStringLiteral("True + 1"));
    EXPECT_EQ(lastOutcome, TfrxExpressionCache::Outcome::RuntimeError);
    EXPECT_EQ(lastError, QStringLiteral("Uyumsuz türler: Boolean + Integer"));
    calc(QStringLiteral("1 in 5"));
    EXPECT_EQ(lastOutcome, TfrxExpressionCache::Outcome::RuntimeError);
    EXPECT_FALSE(lastError.isEmpty());
}

} // namespace

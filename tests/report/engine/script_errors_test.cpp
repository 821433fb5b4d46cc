// What goes wrong: compile errors with their Turkish text and position, the
// error line the engine builds from them, and hostile input that must end in
// an error quickly instead of a crash or a hang.
#include "report/engine/frxmemotext.h"
#include "report/engine/tfrxexpressioncache.h"
#include "report/engine/tfserror.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsvalue.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

struct CompileErrorRow
{
    const char *name;
    const char *program;
    const char *error;
    int line;
    int column;
};

std::ostream &operator<<(std::ostream &os, const CompileErrorRow &r) { return os << r.name; }

class CompileErrors : public ::testing::TestWithParam<CompileErrorRow> {};

TEST_P(CompileErrors, ReportTextAndPosition)
{
    const CompileErrorRow &row = GetParam();
    TfsScript s;
    s.addFunction(QStringLiteral("Get"), [](const QVariantList &) { return QVariant(); }, 1, 1);
    EXPECT_FALSE(s.compile(QString::fromUtf8(row.program)));
    EXPECT_EQ(s.errorText(), QString::fromUtf8(row.error));
    EXPECT_EQ(s.errorLine(), row.line);
    EXPECT_EQ(s.errorColumn(), row.column);
    EXPECT_EQ(s.errorPos(), QStringLiteral("%1:%2").arg(row.line).arg(row.column));
    EXPECT_FALSE(s.isCompiled());
}

#define F(expr) "function _f0: Variant; begin Result := " expr " end; begin end."

const CompileErrorRow kCompileErrors[] = {
    {"UnknownIdentifier", F("xyz + 1"), "Tanımlanmamış tanıtıcı: 'xyz'", 1, 40},
    {"StrayClosingParen", F("1 + 2)"), "Beklenmeyen simge: ')'", 1, 45},
    {"MissingOperand", F("1 +"), "Beklenmeyen simge: 'end'", 1, 44},
    {"EmptyExpression", F(""), "Beklenmeyen simge: 'end'", 1, 41},
    {"UnclosedParen", F("(1 + 2"), "')' bekleniyordu, bulunan: 'end'", 1, 47},
    {"UnterminatedString", F("'abc"), "Kapanmamış metin", 1, 40},
    {"DoubleQuotedFieldOutsideBrackets", F("frxDBDataset1.\"Gorevi\""), "Tanımlanmamış tanıtıcı: 'frxDBDataset1'", 1, 40},
    {"BadCharacter", F("1 ? 2"), "Geçersiz karakter: '?'", 1, 42},
    {"UnclosedAngleName", F("<abc"), "'>' bekleniyordu", 1, 40},
    {"UnclosedComment", "begin { never closed\nend.", "Kapanmamış açıklama", 1, 7},
    {"CharCodeTooLarge", F("#70000"), "Geçersiz karakter kodu: '#70000 '", 1, 40},
    {"NumberGluedToName", F("12abc"), "Geçersiz sayı: '12a'", 1, 40},
    {"MissingFinalDot", "begin\nend", "'.' bekleniyordu, bulunan: metnin sonu", 2, 4},
    {"SecondLine", "begin\n  x := 1\nend.", "Tanımlanmamış tanıtıcı: 'x'", 2, 3},
    {"Redeclared", "var a: Integer;\nvar a: String;\nbegin end.", "Tanıtıcı yeniden tanımlandı: 'a'", 2, 5},
    {"TooManyArguments", F("Copy('a', 1, 2, 3)"), "'Copy' için fazla parametre", 1, 40},
    {"TooFewArguments", F("Copy('a')"), "'Copy' için eksik parametre", 1, 40},
    {"BreakOutsideLoop", "begin Break end.", "'Break' döngü dışında kullanılamaz", 1, 7},
    {"ExpressionAsStatement", "var a: Integer;\nbegin a end.", "Deyim bekleniyordu", 2, 7},
    {"AssignToConstant", "begin Pi := 3 end.", "Bu ifadeye değer atanamaz", 1, 7},
    {"NestedRoutine", "procedure A;\nprocedure B; begin end;\nbegin end;\nbegin end.", "İç içe yordam tanımı desteklenmiyor", 2, 1},
};

#undef F

INSTANTIATE_TEST_SUITE_P(Table, CompileErrors, ::testing::ValuesIn(kCompileErrors),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ScriptErrors, UnresolvableNameInTypedTextGivesTheEngineErrorLine)
{
    // A clerk typed "[Merkez]" into a name that the program writes into a memo:
    // the bracket is an expression, and its name is unknown. The engine's line:
    // object name, ": ", "Söz dizimi hatası", " '", the expression, "': " and
    // the script's text.
    TfrxExpressionCache cache;
    QStringList lines;
    const QString printed = ExpandMemoText(QStringLiteral("Ahmet [Merkez] Şube"), {QStringLiteral("["), QStringLiteral("]")},
                                           [&](const QString &expr) {
                                               QVariant v;
                                               QString error;
                                               if (cache.calc(expr, &v, &error) == TfrxExpressionCache::Outcome::CompileError)
                                                   lines << QStringLiteral("Memo5: Söz dizimi hatası '") + expr + QStringLiteral("': ") + error;
                                               return tfs::toText(v);
                                           });
    EXPECT_EQ(lines, QStringList{QStringLiteral("Memo5: Söz dizimi hatası 'Merkez': Tanımlanmamış tanıtıcı: 'Merkez'")});
    EXPECT_EQ(printed, QStringLiteral("Ahmet  Şube"));
}

TEST(ScriptErrors, FailedCompileLeavesNoProgramBehind)
{
    TfsScript s;
    ASSERT_TRUE(s.compile(QStringLiteral("procedure Hook; begin end; begin end.")));
    EXPECT_FALSE(s.compile(QStringLiteral("procedure Hook; begin x end; begin end.")));
    EXPECT_EQ(s.call(QStringLiteral("Hook")), TfsCallStatus::NotFound);
}

TEST(ScriptErrors, RuntimeErrorCarriesThePositionOfTheFailingCall)
{
    TfsScript s;
    ASSERT_TRUE(s.compile(QStringLiteral("function F: Variant;\nbegin\n  Result := 1;\n  Result := StrToInt('x') + Result\nend;\nbegin end.")));
    EXPECT_EQ(s.call(QStringLiteral("F")), TfsCallStatus::Failed);
    EXPECT_EQ(s.errorText(), QStringLiteral("'x' geçerli bir tamsayı değil"));
    EXPECT_EQ(s.errorLine(), 4);
    EXPECT_EQ(s.errorColumn(), 13);
}

// Hostile input: each case must end, quickly, in a compile or runtime error.
struct HostileRow
{
    const char *name;
    QString program;
    bool compiles;
};

std::ostream &operator<<(std::ostream &os, const HostileRow &r) { return os << r.name; }

QString cacheProgram(const QString &expr) { return TfrxExpressionCache::programText(0, expr); }

class HostileInput : public ::testing::TestWithParam<HostileRow> {};

TEST_P(HostileInput, EndsInAnErrorQuickly)
{
    const HostileRow &row = GetParam();
    QElapsedTimer timer;
    timer.start();
    TfsScript s;
    const bool compiled = s.compile(row.program);
    EXPECT_EQ(compiled, row.compiles) << s.errorText().toStdString();
    if (compiled) {
        EXPECT_EQ(s.call(QStringLiteral("_f0")), TfsCallStatus::Failed);
    }
    EXPECT_FALSE(s.errorText().isEmpty());
    // About 0.6 s for the megabyte in an optimised build, five times that
    // under the sanitizers; the rest take milliseconds.
    EXPECT_LT(timer.elapsed(), 6000);
}

const HostileRow kHostile[] = {
    {"DeepParentheses", cacheProgram(QString(100000, QLatin1Char('(')) + QLatin1Char('1') + QString(100000, QLatin1Char(')'))), false},
    {"DeepNot", cacheProgram(QStringLiteral("not ").repeated(50000) + QStringLiteral("True")), false},
    {"DeepSets", cacheProgram(QString(50000, QLatin1Char('[')) + QString(50000, QLatin1Char(']'))), false},
    {"DeepCalls", cacheProgram(QStringLiteral("Abs(").repeated(50000) + QLatin1Char('1') + QString(50000, QLatin1Char(')'))), false},
    {"DeepBlocks", QStringLiteral("begin ").repeated(50000) + QStringLiteral("end ").repeated(50000), false},
    {"DeepIfs", QStringLiteral("begin ") + QStringLiteral("if True then ").repeated(50000) + QStringLiteral("end."), false},
    {"MegabyteOfGarbage", QString(1 << 20, QChar(0x2603)), false},
    {"MegabyteFlatSumThenDivByZero", cacheProgram(QStringLiteral("1+").repeated(1 << 19) + QStringLiteral("1 div 0")), true},
    {"EndlessRecursion", QStringLiteral("function _f0: Variant; begin Result := _f0 + 1 end; begin end."), true},
};

INSTANTIATE_TEST_SUITE_P(Table, HostileInput, ::testing::ValuesIn(kHostile),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ScriptErrors, MegabyteStringLiteralIsAValue)
{
    TfsScript s;
    const QString big(1 << 20, QLatin1Char('x'));
    ASSERT_TRUE(s.compile(cacheProgram(QLatin1Char('\'') + big + QStringLiteral("' + 'y'"))));
    QVariant v;
    ASSERT_EQ(s.call(QStringLiteral("_f0"), {}, &v), TfsCallStatus::Done);
    EXPECT_EQ(v.toString().size(), (1 << 20) + 1);
}

TEST(ScriptErrors, RecursionThroughTheHostIsCaughtToo)
{
    // A report variable whose text is itself an expression that names the
    // variable: every evaluation re-enters the engine through the host.
    TfsScript report;
    TfrxExpressionCache cache(&report);
    report.addFunction(QStringLiteral("Again"), [&](const QVariantList &) {
        QVariant v;
        QString error;
        if (cache.calc(QStringLiteral("Again + 1"), &v, &error) != TfrxExpressionCache::Outcome::Value)
            throw TfsError(error);
        return v;
    }, 0, 0);
    QVariant v;
    QString error;
    EXPECT_EQ(cache.calc(QStringLiteral("Again + 1"), &v, &error), TfrxExpressionCache::Outcome::RuntimeError);
    EXPECT_EQ(error, QStringLiteral("Çağrılar çok derin iç içe (sonsuz özyineleme?)"));
}

} // namespace

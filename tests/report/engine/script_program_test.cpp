// Whole programs: the templates' empty script, routines called by name as the
// engine calls its hooks, parent lookup, host variables and objects,
// statements, and stopping a running script.
#include "report/engine/tfshostobject.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsvalue.h"

#include <QObject>

#include <gtest/gtest.h>

namespace {

class Memo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(double Left READ left WRITE setLeft)
    Q_PROPERTY(bool Visible READ visible)
public:
    QString text() const { return m_text; }
    void setText(const QString &t) { m_text = t; }
    double left() const { return m_left; }
    void setLeft(double v) { m_left = v; }
    bool visible() const { return true; }
    Q_INVOKABLE QString Repeat(const QString &s, int n) const { return s.repeated(n); }

private:
    QString m_text = QStringLiteral("ilk");
    double m_left = 0;
};

// A host object with one indexed member, as the report's Variables collection.
class Variables : public TfsHostObject
{
public:
    QHash<QString, QVariant> values;
    QString className() const override { return QStringLiteral("TfrxVariables"); }
    std::optional<QVariant> member(const QString &name, const QVariantList &args) override
    {
        if (name.compare(QLatin1String("Items"), Qt::CaseInsensitive) == 0 && args.size() == 1)
            return values.value(args[0].toString());
        if (name.isEmpty() && args.size() == 1)
            return values.value(args[0].toString());
        return std::nullopt;
    }
    bool setMember(const QString &name, const QVariantList &args, const QVariant &value) override
    {
        if (name.compare(QLatin1String("Items"), Qt::CaseInsensitive) != 0 || args.size() != 1)
            return false;
        values.insert(args[0].toString(), value);
        return true;
    }
};

QVariant callValue(TfsScript &s, const char *name, const QVariantList &args = {})
{
    QVariant v;
    const TfsCallStatus st = s.call(QString::fromUtf8(name), args, &v);
    EXPECT_EQ(st, TfsCallStatus::Done) << s.errorText().toStdString();
    return v;
}

TEST(ScriptProgram, TemplateScriptCompilesToNothing)
{
    TfsScript s;
    ASSERT_TRUE(s.compile(QStringLiteral("begin\n\nend.")));
    EXPECT_FALSE(s.hasMainStatements());
    EXPECT_EQ(s.runMain(), TfsCallStatus::Done);
    ASSERT_TRUE(s.compile(QString()));
    EXPECT_FALSE(s.hasMainStatements());
}

TEST(ScriptProgram, CacheProgramFunctionIsCallableByName)
{
    TfsScript s;
    ASSERT_TRUE(s.compile(QStringLiteral("function _f3: Variant; begin Result := 2 + 3 end; begin end.")));
    EXPECT_EQ(callValue(s, "_f3"), QVariant(qint64(5)));
    EXPECT_EQ(callValue(s, "_F3"), QVariant(qint64(5)));
}

TEST(ScriptProgram, MissingHookIsNotFoundAndHarmless)
{
    TfsScript s;
    ASSERT_TRUE(s.compile(QStringLiteral("var n: Integer;\nprocedure Page1OnBeforePrint(Sender: TfrxComponent);\nbegin n := n + 1 end;\nbegin end.")));
    Memo band;
    EXPECT_EQ(s.call(QStringLiteral("MasterData1OnBeforePrint"), {QVariant::fromValue<QObject *>(&band)}), TfsCallStatus::NotFound);
    EXPECT_TRUE(s.errorText().isEmpty());
    EXPECT_EQ(s.call(QStringLiteral("Page1OnBeforePrint"), {QVariant::fromValue<QObject *>(&band)}), TfsCallStatus::Done);
    QVariant n;
    ASSERT_TRUE(s.variable(QStringLiteral("N"), &n));
    EXPECT_EQ(n, QVariant(qint64(1)));
}

TEST(ScriptProgram, NamesResolveThroughTheParentChain)
{
    TfsScript report;
    report.addVariable(QStringLiteral("Baslik"), QStringLiteral("Liste"));
    report.addFunction(QStringLiteral("Ekle"), [](const QVariantList &a) { return QVariant(tfs::toInteger(a[0]) + 100); }, 1, 1);
    TfsScript child(&report);
    ASSERT_TRUE(child.compile(QStringLiteral("function F: Variant; begin Result := Baslik + IntToStr(Ekle(1)) end; begin end.")))
        << child.errorText().toStdString();
    EXPECT_EQ(callValue(child, "F"), QVariant(QStringLiteral("Liste101")));
    // A host function of the parent is callable by name through the child.
    EXPECT_EQ(callValue(child, "Ekle", {qint64(2)}), QVariant(qint64(102)));
    // Without the parent the same text does not compile.
    TfsScript orphan;
    EXPECT_FALSE(orphan.compile(QStringLiteral("function F: Variant; begin Result := Baslik end; begin end.")));
    EXPECT_EQ(orphan.errorText(), QStringLiteral("Tanımlanmamış tanıtıcı: 'Baslik'"));
}

TEST(ScriptProgram, ChildShadowsParentAndLaterRegistrationReplaces)
{
    TfsScript report;
    report.addConstant(QStringLiteral("X"), qint64(1));
    TfsScript child(&report);
    child.addConstant(QStringLiteral("x"), qint64(2));
    ASSERT_TRUE(child.compile(QStringLiteral("function F: Variant; begin Result := X end; begin end.")));
    EXPECT_EQ(callValue(child, "F"), QVariant(qint64(2)));
    child.addConstant(QStringLiteral("X"), qint64(3));
    EXPECT_EQ(callValue(child, "F"), QVariant(qint64(3)));
}

TEST(ScriptProgram, StatementsAndRoutines)
{
    TfsScript s;
    ASSERT_TRUE(s.compile(QStringLiteral(
        "const Limit = 10;\n"
        "var Log: String;\n"
        "function Fact(n: Integer): Integer;\n"
        "begin if n <= 1 then Result := 1 else Result := n * Fact(n - 1) end;\n"
        "procedure Swap(var a, b: Variant);\n"
        "var t: Variant;\n"
        "begin t := a; a := b; b := t end;\n"
        "function Loops: String;\n"
        "var i, j: Integer; s: String;\n"
        "begin\n"
        "  s := '';\n"
        "  for i := 1 to Limit do begin\n"
        "    if i mod 2 = 0 then Continue;\n"
        "    if i > 7 then Break;\n"
        "    s := s + IntToStr(i)\n"
        "  end;\n"
        "  for i := 3 downto 1 do s := s + '-' + IntToStr(i);\n"
        "  j := 0;\n"
        "  while j < 3 do j := j + 1;\n"
        "  repeat j := j - 1 until j = 0;\n"
        "  s := s + s[1];\n"
        "  Loops := s + IntToStr(j)\n"
        "end;\n"
        "function Early(x: Integer; y: Integer = 7): Integer;\n"
        "begin Result := y; if x > 0 then Exit; Result := -1 end;\n"
        "function SwapTest: String;\n"
        "var a, b: Variant;\n"
        "begin a := 'x'; b := 'y'; Swap(a, b); Result := a + b end;\n"
        "begin\n"
        "  Log := 'main'\n"
        "end.")))
        << s.errorText().toStdString();
    EXPECT_EQ(callValue(s, "Fact", {qint64(10)}), QVariant(qint64(3628800)));
    EXPECT_EQ(callValue(s, "Loops"), QVariant(QStringLiteral("1357-3-2-110")));
    EXPECT_EQ(callValue(s, "Early", {qint64(1)}), QVariant(qint64(7)));
    EXPECT_EQ(callValue(s, "Early", {qint64(0), qint64(3)}), QVariant(qint64(-1)));
    EXPECT_EQ(callValue(s, "SwapTest"), QVariant(QStringLiteral("yx")));
    EXPECT_TRUE(s.hasMainStatements());
    EXPECT_EQ(s.runMain(), TfsCallStatus::Done);
    QVariant log;
    ASSERT_TRUE(s.variable(QStringLiteral("Log"), &log));
    EXPECT_EQ(log, QVariant(QStringLiteral("main")));
}

TEST(ScriptProgram, HostVariablesWithGetterAndSetter)
{
    TfsScript s;
    QVariant stored = qint64(1);
    s.addVariable(QStringLiteral("Line"), [&] { return stored; }, [&](const QVariant &v) { stored = v; });
    s.addVariable(QStringLiteral("ReadOnly"), [] { return QVariant(qint64(9)); });
    ASSERT_TRUE(s.compile(QStringLiteral("procedure P; begin Line := Line + ReadOnly end; begin end.")));
    EXPECT_EQ(s.call(QStringLiteral("P")), TfsCallStatus::Done);
    EXPECT_EQ(stored, QVariant(qint64(10)));
    EXPECT_FALSE(s.compile(QStringLiteral("procedure P; begin ReadOnly := 1 end; begin end.")));
    EXPECT_EQ(s.errorText(), QStringLiteral("Bu ifadeye değer atanamaz"));
}

TEST(ScriptProgram, QObjectMembersAreReadWrittenAndCalled)
{
    TfsScript s;
    Memo memo;
    memo.setObjectName(QStringLiteral("Memo1"));
    s.addObject(QStringLiteral("Memo1"), &memo);
    ASSERT_TRUE(s.compile(QStringLiteral(
        "function F: Variant;\n"
        "begin\n"
        "  Memo1.Text := Memo1.text + ' ikinci';\n"
        "  Memo1.Left := 2.5;\n"
        "  Result := Memo1.Repeat('ab', 2) + IntToStr(Round(Memo1.LEFT * 2));\n"
        "  if (Memo1 is TObject) and (Memo1 is QObject) and not (Memo1 is TfrxBand) then Result := Result + '!'\n"
        "end;\n"
        "function Bad: Variant; begin Result := Memo1.Yok end;\n"
        "function BadWrite: Variant; begin Memo1.Visible := False end;\n"
        "begin end.")))
        << s.errorText().toStdString();
    const QVariant f = callValue(s, "F");
    EXPECT_EQ(f, QVariant(QStringLiteral("abab5!"))) << f.toString().toStdString();
    EXPECT_EQ(memo.text(), QStringLiteral("ilk ikinci"));
    EXPECT_EQ(s.call(QStringLiteral("Bad")), TfsCallStatus::Failed);
    EXPECT_EQ(s.errorText(), QStringLiteral("'Memo1' nesnesinin 'Yok' adlı üyesi yok"));
    EXPECT_EQ(s.errorLine(), 8);
    EXPECT_EQ(s.call(QStringLiteral("BadWrite")), TfsCallStatus::Failed);
    EXPECT_EQ(s.errorText(), QStringLiteral("'Visible' üyesine değer atanamadı"));
}

TEST(ScriptProgram, DestroyedObjectIsARuntimeErrorNotADanglingPointer)
{
    TfsScript s;
    auto memo = std::make_unique<Memo>();
    s.addObject(QStringLiteral("Memo1"), memo.get());
    ASSERT_TRUE(s.compile(QStringLiteral("function F: Variant; begin Result := Memo1.Text end; begin end.")));
    memo.reset();
    EXPECT_EQ(s.call(QStringLiteral("F")), TfsCallStatus::Failed);
    EXPECT_EQ(s.errorText(), QStringLiteral("'Memo1' nesnesi artık yok"));
}

TEST(ScriptProgram, HostObjectIndexedMembers)
{
    TfsScript s;
    auto vars = std::make_shared<Variables>();
    vars->values.insert(QStringLiteral("Kurum"), QStringLiteral("Valilik"));
    s.addObject(QStringLiteral("Variables"), vars);
    ASSERT_TRUE(s.compile(QStringLiteral(
        "function F: Variant;\n"
        "begin Variables.Items['Yeni'] := Variables['Kurum'] + '!'; Result := Variables.Items['Yeni'] end;\n"
        "begin end.")))
        << s.errorText().toStdString();
    EXPECT_EQ(callValue(s, "F"), QVariant(QStringLiteral("Valilik!")));
    EXPECT_EQ(vars->values.value(QStringLiteral("Yeni")), QVariant(QStringLiteral("Valilik!")));
}

TEST(ScriptProgram, TerminateStopsARunningLoop)
{
    TfsScript report;
    int calls = 0;
    report.addFunction(QStringLiteral("Tick"), [&](const QVariantList &) {
        if (++calls == 50)
            report.terminate();
        return QVariant();
    }, 0, 0);
    // The loop runs in a child script: stopping the report stops its expressions too.
    TfsScript child(&report);
    ASSERT_TRUE(child.compile(QStringLiteral("procedure Forever; begin while True do Tick end; begin end.")));
    EXPECT_EQ(child.call(QStringLiteral("Forever")), TfsCallStatus::Stopped);
    EXPECT_EQ(calls, 50);
}

TEST(ScriptProgram, HostExceptionsOfTheirOwnTypePassThrough)
{
    struct RunEnded {};
    TfsScript s;
    s.addFunction(QStringLiteral("Fail"), [](const QVariantList &) -> QVariant { throw RunEnded{}; }, 0, 0);
    ASSERT_TRUE(s.compile(QStringLiteral("procedure P; begin Fail end; begin end.")));
    EXPECT_THROW(s.call(QStringLiteral("P")), RunEnded);
    // The script is usable afterwards.
    ASSERT_TRUE(s.compile(QStringLiteral("function G: Variant; begin Result := 1 end; begin end.")));
    EXPECT_EQ(callValue(s, "G"), QVariant(qint64(1)));
}

TEST(ScriptProgram, RecompilingFromInsideARunIsRefused)
{
    TfsScript s;
    s.addFunction(QStringLiteral("Reload"), [&](const QVariantList &) {
        return QVariant(s.compile(QStringLiteral("begin end.")));
    }, 0, 0);
    ASSERT_TRUE(s.compile(QStringLiteral("function F: Variant; begin Result := Reload end; begin end.")));
    EXPECT_EQ(callValue(s, "F"), QVariant(false));
}

} // namespace

#include "script_program_test.moc"

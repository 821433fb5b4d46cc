#pragma once
// The compiled expressions of one report run.
//
// Every expression text that name resolution cannot answer is compiled once,
// as the program "function _fN: Variant; begin Result := <text> end; begin
// end." whose parent is the report's script, so report objects, the report's
// functions and its script's globals are visible to it. Later evaluations of
// the same text (compared without regard to case) call the compiled function
// again. The run empties the cache when it starts.
#include <QHash>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class TfsScript;

class TfrxExpressionCache
{
public:
    enum class Outcome { Value, CompileError, RuntimeError, Stopped };

    explicit TfrxExpressionCache(TfsScript *reportScript = nullptr);
    ~TfrxExpressionCache();

    void setReportScript(TfsScript *reportScript);
    void clear();
    int count() const { return int(m_scripts.size()); }

    // Compiles on first use. On an error `value` becomes Null and `errorText`
    // receives the script engine's text; an expression that failed to compile
    // is not kept, so it is reported again where it occurs again.
    Outcome calc(const QString &expression, QVariant *value, QString *errorText = nullptr);

    // The program text compiled for expression number n.
    static QString programText(int n, const QString &expression);

private:
    TfsScript *m_reportScript;
    QHash<QString, int> m_index;  // lower-case text -> entry
    std::vector<std::unique_ptr<TfsScript>> m_scripts;
};

#include "report/engine/tfrxexpressioncache.h"

#include "report/engine/tfsscript.h"

TfrxExpressionCache::TfrxExpressionCache(TfsScript *reportScript) : m_reportScript(reportScript) {}

TfrxExpressionCache::~TfrxExpressionCache() = default;

void TfrxExpressionCache::setReportScript(TfsScript *reportScript)
{
    m_reportScript = reportScript;
    for (const auto &s : m_scripts)
        s->setParent(reportScript);
}

void TfrxExpressionCache::clear()
{
    m_index.clear();
    m_scripts.clear();
}

QString TfrxExpressionCache::programText(int n, const QString &expression)
{
    return QStringLiteral("function _f") + QString::number(n) + QStringLiteral(": Variant; begin ")
        + QStringLiteral("Result := ") + expression + QStringLiteral(" end; begin end.");
}

TfrxExpressionCache::Outcome TfrxExpressionCache::calc(const QString &expression, QVariant *value, QString *errorText)
{
    *value = QVariant();
    const QString key = expression.toLower();
    int n = m_index.value(key, -1);
    if (n < 0) {
        n = count();
        auto script = std::make_unique<TfsScript>(m_reportScript ? m_reportScript : TfsScript::global());
        if (!script->compile(programText(n, expression))) {
            if (errorText)
                *errorText = script->errorText();
            return Outcome::CompileError;
        }
        m_scripts.push_back(std::move(script));
        m_index.insert(key, n);
    }
    TfsScript &script = *m_scripts[size_t(n)];
    switch (script.call(QStringLiteral("_f") + QString::number(n), {}, value)) {
    case TfsCallStatus::Done:
        return Outcome::Value;
    case TfsCallStatus::Stopped:
        return Outcome::Stopped;
    default:
        if (errorText)
            *errorText = script.errorText();
        *value = QVariant();
        return Outcome::RuntimeError;
    }
}

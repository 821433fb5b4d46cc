#include "report/output/tfrxreportscript.h"

#include "report/engine/tfsmacros.h"
#include "report/model/tfrxcomponent.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxvariables.h"

TfrxReportScript::TfrxReportScript(TfrxReport *report) : m_report(report), m_cache(&m_script) {}

bool TfrxReportScript::Prepare(QString *error)
{
    m_cache.clear();
    m_script.clear();

    for (TfrxComponent *c : m_report->AllObjects()) {
        c->SetDesigning(false);
        if (!c->Name().isEmpty())
            m_script.addObject(c->Name(), c);
    }
    m_script.addObject(QStringLiteral("Report"), m_report);
    m_script.addVariable(QStringLiteral("Value"));

    TfrxReport *report = m_report;
    m_script.addFunction(
        QStringLiteral("Get"),
        [report](const QVariantList &args) { return report->Variables()->Value(args.value(0).toString()); }, 1, 1);
    m_script.addFunction(
        QStringLiteral("Set"),
        [report](const QVariantList &args) {
            report->Variables()->SetValue(args.value(0).toString(), args.value(1));
            return QVariant();
        },
        2, 2);
    TfrxExpressionCache *cache = &m_cache;
    TfsMacros::addIif(m_script, [cache](const QString &expression) {
        QVariant value;
        cache->calc(expression, &value);
        return value;
    });

    if (!m_script.compile(m_report->ScriptText().join(QLatin1Char('\n')))) {
        if (error)
            *error = QStringLiteral("Script Hatası %1: %2").arg(m_script.errorPos(), m_script.errorText());
        return false;
    }
    return true;
}

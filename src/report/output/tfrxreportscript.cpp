#include "report/output/tfrxreportscript.h"

#include "report/engine/tfrxengine.h"
#include "report/engine/tfserror.h"
#include "report/engine/tfshostobject.h"
#include "report/engine/tfsmacros.h"
#include "report/engine/tfsvalue.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxcomponent.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxvariables.h"
#include "report/output/tfrxpreviewpages.h"

#include <cmath>

namespace {

// Script names are not case sensitive.
bool IsMember(const QString &name, const char *member)
{
    return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

// The band engine as scripts see it. It asks the report script for the
// engine at every use, so that it never reaches an engine whose build has
// ended.
class EngineObject : public TfsHostObject
{
public:
    explicit EngineObject(const TfrxReportScript *owner) : m_owner(owner) {}

    QString className() const override { return QStringLiteral("TfrxEngine"); }

    std::optional<QVariant> member(const QString &name, const QVariantList &args) override
    {
        TfrxEngine *e = m_owner->Engine();
        if (!e)
            return std::nullopt;
        const auto is = [&name](const char *member) { return IsMember(name, member); };
        if (is("CurX"))
            return e->CurX;
        if (is("CurY"))
            return e->CurY;
        if (is("CurColumn"))
            return e->CurColumn;
        if (is("CurVColumn"))
            return e->CurVColumn;
        if (is("PageHeight"))
            return e->PageHeight;
        if (is("PageWidth"))
            return e->PageWidth;
        if (is("FinalPass"))
            return e->FinalPass;
        if (is("DoublePass"))
            return e->DoublePass();
        if (is("StartDate"))
            return e->StartDate;
        if (is("StartTime"))
            return e->StartTime;
        if (is("TotalPages"))
            return e->TotalPages;
        if (is("FreeSpace"))
            return e->FreeSpace();
        if (is("NewPage")) {
            e->NewPage();
            return QVariant();
        }
        if (is("NewColumn")) {
            e->NewColumn();
            return QVariant();
        }
        if (is("StopReport")) {
            e->StopReport();
            return QVariant();
        }
        if (is("ShowBand")) {
            auto *band = qobject_cast<TfrxBand *>(tfs::qobjectOf(args.value(0)));
            if (!band)
                throw TfsError(QStringLiteral("ShowBand: bir band bekleniyordu"));
            e->ShowBand(band);
            return QVariant();
        }
        return std::nullopt;
    }

    bool setMember(const QString &name, const QVariantList &, const QVariant &value) override
    {
        TfrxEngine *e = m_owner->Engine();
        if (!e)
            return false;
        const auto is = [&name](const char *member) { return IsMember(name, member); };
        if (is("CurX"))
            e->CurX = tfs::toFloat(value);
        else if (is("CurY"))
            e->CurY = tfs::toFloat(value);
        else if (is("PageHeight"))
            e->PageHeight = tfs::toFloat(value);
        else if (is("PageWidth"))
            e->PageWidth = tfs::toFloat(value);
        else if (is("CurColumn"))
            e->CurColumn = int(tfs::toInteger(value));
        else if (is("CurVColumn"))
            e->CurVColumn = int(tfs::toInteger(value));
        else if (is("TotalPages"))
            e->TotalPages = int(tfs::toInteger(value));
        else
            return false;
        return true;
    }

private:
    const TfrxReportScript *m_owner;
};

// The outline of the build's prepared pages: AddItem(Text[, Top]) adds an
// item under the current one (at the engine's vertical position when no top
// is given) and makes it current; LevelRoot, LevelUp, LevelDown(Index) and
// Count walk it. Like "Engine" it has no members between builds.
class OutlineObject : public TfsHostObject
{
public:
    OutlineObject(const TfrxReportScript *owner, TfrxReport *report) : m_owner(owner), m_report(report) {}

    QString className() const override { return QStringLiteral("TfrxOutline"); }

    std::optional<QVariant> member(const QString &name, const QVariantList &args) override
    {
        TfrxEngine *e = m_owner->Engine();
        TfrxCustomOutline *outline = m_report->PreviewPages()->Outline();
        if (!e || !outline)
            return std::nullopt;
        const auto is = [&name](const char *member) { return IsMember(name, member); };
        if (is("AddItem")) {
            if (args.isEmpty())
                throw TfsError(QStringLiteral("AddItem: bir metin bekleniyordu"));
            const double top = args.size() > 1 ? tfs::toFloat(args[1]) : e->CurY;
            outline->AddItem(tfs::toText(args[0]), int(std::lround(top)));
            return QVariant();
        }
        if (is("LevelRoot")) {
            outline->LevelRoot();
            return QVariant();
        }
        if (is("LevelUp")) {
            outline->LevelUp();
            return QVariant();
        }
        if (is("LevelDown")) {
            outline->LevelDown(int(tfs::toInteger(args.value(0))));
            return QVariant();
        }
        if (is("Count"))
            return outline->Count();
        return std::nullopt;
    }

private:
    const TfrxReportScript *m_owner;
    TfrxReport *m_report;
};

} // namespace

TfrxReportScript::TfrxReportScript(TfrxReport *report) : m_report(report), m_cache(&m_script) {}

bool TfrxReportScript::Prepare(const Evaluator &get, const Evaluator &calc, QString *error)
{
    m_cache.clear();
    m_script.clear();

    for (TfrxComponent *c : m_report->AllObjects()) {
        c->SetDesigning(false);
        if (!c->Name().isEmpty())
            m_script.addObject(c->Name(), c);
    }
    m_script.addObject(QStringLiteral("Report"), m_report);
    m_script.addObject(QStringLiteral("Engine"), std::make_shared<EngineObject>(this));
    m_script.addObject(QStringLiteral("Outline"), std::make_shared<OutlineObject>(this, m_report));
    m_script.addVariable(QStringLiteral("Value"));

    TfrxReport *report = m_report;
    m_script.addFunction(
        QStringLiteral("Get"), [get](const QVariantList &args) { return get(args.value(0).toString()); }, 1, 1);
    m_script.addFunction(
        QStringLiteral("Calc"), [calc](const QVariantList &args) { return calc(args.value(0).toString()); }, 1, 1);
    m_script.addFunction(
        QStringLiteral("Set"),
        [report](const QVariantList &args) {
            report->Variables()->SetValue(args.value(0).toString(), args.value(1));
            return QVariant();
        },
        2, 2);
    TfsMacros::addIif(m_script, calc);
    TfsMacros::addAggregates(
        m_script,
        [this](const TfsAggregateRequest &r) {
            return m_engine ? m_engine->AggregateValue(r.kind, r.expression, r.bandName, r.flags) : QVariant();
        },
        calc);

    if (!m_script.compile(m_report->ScriptText().join(QLatin1Char('\n')))) {
        if (error)
            *error = QStringLiteral("Script Hatası %1: %2").arg(m_script.errorPos(), m_script.errorText());
        return false;
    }
    return true;
}

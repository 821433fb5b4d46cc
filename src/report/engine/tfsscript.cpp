#include "report/engine/tfsscript.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfshostobject.h"
#include "report/engine/tfsinterpreter.h"
#include "report/engine/tfsparser.h"
#include "report/engine/tfsstdlib.h"
#include "report/engine/tfsvalue.h"

#include <QObject>

TfsScript *TfsScript::global()
{
    static TfsScript *script = [] {
        auto *s = new TfsScript(GlobalScriptTag{});
        TfsStdLib::install(*s);
        return s;
    }();
    return script;
}

TfsScript::TfsScript(GlobalScriptTag) {}

TfsScript::TfsScript(TfsScript *parent) : m_parent(parent) {}

TfsScript::~TfsScript() = default;

void TfsScript::addEntry(TfsHostEntry entry)
{
    const QString key = entry.name.toLower();
    m_entries.insert(key, std::make_shared<TfsHostEntry>(std::move(entry)));
}

void TfsScript::addFunction(const QString &name, TfsNativeFunction fn, int minArgs, int maxArgs)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Function;
    e.name = name;
    e.function = std::move(fn);
    e.minArgs = minArgs;
    e.maxArgs = maxArgs;
    addEntry(std::move(e));
}

void TfsScript::addMacroFunction(const QString &name, TfsMacroFunction fn, int minArgs, int maxArgs)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Macro;
    e.name = name;
    e.macro = std::move(fn);
    e.minArgs = minArgs;
    e.maxArgs = maxArgs;
    addEntry(std::move(e));
}

void TfsScript::addVariable(const QString &name, const QVariant &value)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Variable;
    e.name = name;
    e.value = value;
    addEntry(std::move(e));
}

void TfsScript::addVariable(const QString &name, TfsGetter getter, TfsSetter setter)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Variable;
    e.name = name;
    e.getter = std::move(getter);
    e.setter = std::move(setter);
    addEntry(std::move(e));
}

void TfsScript::addConstant(const QString &name, const QVariant &value)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Constant;
    e.name = name;
    e.value = value;
    addEntry(std::move(e));
}

void TfsScript::addObject(const QString &name, QObject *object)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Object;
    e.name = name;
    e.qobject = object;
    e.isQObject = true;
    addEntry(std::move(e));
}

void TfsScript::addObject(const QString &name, std::shared_ptr<TfsHostObject> object)
{
    TfsHostEntry e;
    e.kind = TfsHostEntry::Kind::Object;
    e.name = name;
    e.value = QVariant::fromValue(TfsObjectRef{std::move(object)});
    addEntry(std::move(e));
}

bool TfsScript::remove(const QString &name)
{
    return m_entries.remove(name.toLower()) > 0;
}

void TfsScript::clear()
{
    m_entries.clear();
    if (m_running == 0) {
        m_program.reset();
        m_routineIndex.clear();
        m_globalIndex.clear();
        m_globals.clear();
    }
    m_terminated = false;
    clearError();
}

TfsScript::Symbol TfsScript::find(const QString &key)
{
    if (m_program) {
        if (auto it = m_routineIndex.constFind(key); it != m_routineIndex.constEnd())
            return {Symbol::Kind::Routine, this, nullptr, *it};
        if (auto it = m_globalIndex.constFind(key); it != m_globalIndex.constEnd())
            return {Symbol::Kind::Global, this, nullptr, *it};
    }
    return findHost(key);
}

TfsScript::Symbol TfsScript::findHost(const QString &key)
{
    for (TfsScript *s = this; s; s = s->m_parent) {
        if (s != this && s->m_program) {
            if (auto it = s->m_routineIndex.constFind(key); it != s->m_routineIndex.constEnd())
                return {Symbol::Kind::Routine, s, nullptr, *it};
            if (auto it = s->m_globalIndex.constFind(key); it != s->m_globalIndex.constEnd())
                return {Symbol::Kind::Global, s, nullptr, *it};
        }
        if (auto it = s->m_entries.constFind(key); it != s->m_entries.constEnd())
            return {Symbol::Kind::Host, s, *it, -1};
    }
    return {};
}

bool TfsScript::isDefined(const QString &name) const
{
    return const_cast<TfsScript *>(this)->find(name.toLower()).kind != Symbol::Kind::None;
}

void TfsScript::setError(const QString &text, int line, int column)
{
    m_errorText = text;
    m_errorLine = line;
    m_errorColumn = column;
}

void TfsScript::clearError()
{
    m_errorText.clear();
    m_errorLine = 0;
    m_errorColumn = 0;
}

QString TfsScript::errorPos() const
{
    return QStringLiteral("%1:%2").arg(m_errorLine).arg(m_errorColumn);
}

bool TfsScript::compile(const QString &programText)
{
    clearError();
    if (m_running > 0) {
        setError(QStringLiteral("Betik çalışırken yeniden derlenemez"), 0, 0);
        return false;
    }
    m_program.reset();
    m_routineIndex.clear();
    m_globalIndex.clear();
    m_globals.clear();
    m_terminated = false;
    try {
        TfsParser parser(*this, programText);
        std::unique_ptr<TfsProgram> program = parser.parseProgram();
        for (int i = 0; i < int(program->routines.size()); ++i)
            m_routineIndex.insert(program->routines[size_t(i)].name.toLower(), i);
        for (int i = 0; i < int(program->globalNames.size()); ++i)
            m_globalIndex.insert(program->globalNames[size_t(i)].toLower(), i);
        m_globals = program->globalInit;
        m_program = std::move(program);
        return true;
    } catch (const TfsError &e) {
        m_routineIndex.clear();
        m_globalIndex.clear();
        setError(e.message(), e.line(), e.column());
        return false;
    }
}

bool TfsScript::hasMainStatements() const
{
    return m_program && m_program->main && !m_program->main->kids.empty();
}

TfsCallStatus TfsScript::runGuarded(const std::function<void()> &body)
{
    clearError();
    try {
        body();
        return TfsCallStatus::Done;
    } catch (const TfsError &e) {
        setError(e.message(), e.line(), e.column());
        if (stopRequested())
            return TfsCallStatus::Stopped;
        return TfsCallStatus::Failed;
    }
}

TfsCallStatus TfsScript::runMain()
{
    if (!hasMainStatements())
        return TfsCallStatus::Done;
    return runGuarded([this] {
        m_running++;
        struct Leave { TfsScript &s; ~Leave() { s.m_running--; } } leave{*this};
        TfsInterpreter(*this).runMain(*this);
    });
}

TfsCallStatus TfsScript::call(const QString &name, const QVariantList &args, QVariant *result)
{
    const Symbol s = find(name.toLower());
    if (s.kind == Symbol::Kind::Routine) {
        return runGuarded([&] {
            QVariantList a = args;
            const QVariant v = TfsInterpreter(*this).callRoutine(*s.script, s.index, a);
            if (result)
                *result = v;
        });
    }
    if (s.kind == Symbol::Kind::Host && s.entry->kind == TfsHostEntry::Kind::Function) {
        return runGuarded([&] {
            const int n = int(args.size());
            if (n < s.entry->minArgs || (s.entry->maxArgs >= 0 && n > s.entry->maxArgs))
                throw TfsError(QStringLiteral("'%1' için parametre sayısı yanlış").arg(s.entry->name));
            const QVariant v = s.entry->function(args);
            if (result)
                *result = v;
        });
    }
    clearError();
    return TfsCallStatus::NotFound;
}

bool TfsScript::variable(const QString &name, QVariant *value) const
{
    const Symbol s = const_cast<TfsScript *>(this)->find(name.toLower());
    if (s.kind == Symbol::Kind::Global) {
        *value = s.script->m_globals[size_t(s.index)];
        return true;
    }
    if (s.kind == Symbol::Kind::Host
        && (s.entry->kind == TfsHostEntry::Kind::Variable || s.entry->kind == TfsHostEntry::Kind::Constant)) {
        *value = s.entry->getter ? s.entry->getter() : s.entry->value;
        return true;
    }
    return false;
}

bool TfsScript::setVariable(const QString &name, const QVariant &value)
{
    const Symbol s = find(name.toLower());
    if (s.kind == Symbol::Kind::Global) {
        s.script->m_globals[size_t(s.index)] = value;
        return true;
    }
    if (s.kind == Symbol::Kind::Host && s.entry->kind == TfsHostEntry::Kind::Variable) {
        if (s.entry->setter)
            s.entry->setter(value);
        else if (!s.entry->getter)
            s.entry->value = value;
        else
            return false;
        return true;
    }
    return false;
}

bool TfsScript::stopRequested() const
{
    for (const TfsScript *s = this; s; s = s->m_parent) {
        if (s->m_terminated)
            return true;
    }
    return false;
}

#include "report/engine/tfsinterpreter.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfshostobject.h"
#include "report/engine/tfsoperators.h"
#include "report/engine/tfsqobjectaccess.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsstackguard.h"
#include "report/engine/tfsvalue.h"

#include <QObject>

namespace {

const char *kTooDeep = "Çağrılar çok derin iç içe (sonsuz özyineleme?)";

// Adds the node's position to an error raised below it that has none yet.
template <typename Fn>
auto at(const TfsNode &n, Fn &&fn)
{
    try {
        return fn();
    } catch (TfsError &e) {
        if (!e.hasPosition())
            e.setPosition(n.line, n.column);
        throw;
    }
}

TfsError unknownName(const TfsNode &n)
{
    return TfsError(QStringLiteral("Tanımlanmamış tanıtıcı: '%1'").arg(n.name), n.line, n.column);
}

QVariant objectValue(const TfsHostEntry &e)
{
    if (e.isQObject) {
        if (!e.qobject)
            throw TfsError(QStringLiteral("'%1' nesnesi artık yok").arg(e.name));
        return QVariant::fromValue<QObject *>(e.qobject.data());
    }
    return e.value;
}

} // namespace

void TfsInterpreter::checkStopped() const
{
    if (m_stopper.stopRequested())
        throw TfsError(QStringLiteral("Betik durduruldu"));
}

void TfsInterpreter::runMain(TfsScript &owner)
{
    Frame f;
    f.owner = &owner;
    exec(owner.m_program->main.get(), f);
}

QVariant TfsInterpreter::callRoutine(TfsScript &owner, int index, QVariantList &args)
{
    TfsStackGuard guard(kTooDeep, 0, 0);
    checkStopped();
    const TfsRoutine &r = owner.m_program->routines[size_t(index)];
    if (args.size() < r.requiredParams || args.size() > r.paramCount)
        throw TfsError(QStringLiteral("'%1' için parametre sayısı yanlış").arg(r.name));
    Frame f;
    f.owner = &owner;
    f.cells = r.slotInit;
    for (int i = 0; i < r.paramCount; ++i) {
        f.cells[size_t(r.firstParamSlot + i)] =
            i < args.size() ? args[i] : r.defaults[size_t(i - r.requiredParams)];
    }
    owner.m_running++;
    struct Leave { TfsScript &s; ~Leave() { s.m_running--; } } leave{owner};
    exec(r.body.get(), f);
    for (int i = 0; i < int(args.size()); ++i) {
        if (r.byRef[size_t(i)])
            args[i] = f.cells[size_t(r.firstParamSlot + i)];
    }
    return r.isFunction ? f.cells[0] : QVariant();
}

TfsInterpreter::Flow TfsInterpreter::exec(const TfsNode *n, Frame &f)
{
    if (!n)
        return Flow::Normal;
    switch (n->kind) {
    case TfsNodeKind::Block:
        for (const TfsNodePtr &s : n->kids) {
            const Flow flow = exec(s.get(), f);
            if (flow != Flow::Normal)
                return flow;
        }
        return Flow::Normal;
    case TfsNodeKind::Assign: {
        const QVariant v = eval(*n->kids[1], f);
        at(*n, [&] { assign(*n->kids[0], v, f); return 0; });
        return Flow::Normal;
    }
    case TfsNodeKind::Call:
        eval(*n->kids[0], f);
        return Flow::Normal;
    case TfsNodeKind::If: {
        const QVariant c = eval(*n->kids[0], f);
        if (at(*n->kids[0], [&] { return tfs::toBoolean(c); }))
            return exec(n->kids[1].get(), f);
        return n->kids.size() > 2 ? exec(n->kids[2].get(), f) : Flow::Normal;
    }
    case TfsNodeKind::While:
        for (;;) {
            checkStopped();
            const QVariant c = eval(*n->kids[0], f);
            if (!at(*n->kids[0], [&] { return tfs::toBoolean(c); }))
                return Flow::Normal;
            const Flow flow = exec(n->kids[1].get(), f);
            if (flow == Flow::Break)
                return Flow::Normal;
            if (flow == Flow::Exit)
                return flow;
        }
    case TfsNodeKind::Repeat:
        for (;;) {
            checkStopped();
            for (size_t i = 1; i < n->kids.size(); ++i) {
                const Flow flow = exec(n->kids[i].get(), f);
                if (flow == Flow::Break)
                    return Flow::Normal;
                if (flow == Flow::Exit)
                    return flow;
                if (flow == Flow::Continue)
                    break;
            }
            const QVariant c = eval(*n->kids[0], f);
            if (at(*n->kids[0], [&] { return tfs::toBoolean(c); }))
                return Flow::Normal;
        }
    case TfsNodeKind::For: {
        const QVariant from = eval(*n->kids[1], f), to = eval(*n->kids[2], f);
        const qint64 a = at(*n, [&] { return tfs::toInteger(from); });
        const qint64 b = at(*n, [&] { return tfs::toInteger(to); });
        if (n->downTo ? a < b : a > b)
            return Flow::Normal;
        for (qint64 i = a;; n->downTo ? --i : ++i) {
            checkStopped();
            assign(*n->kids[0], i, f);
            const Flow flow = exec(n->kids[3].get(), f);
            if (flow == Flow::Exit)
                return flow;
            if (flow == Flow::Break || i == b)
                return Flow::Normal;
        }
    }
    case TfsNodeKind::Exit:
        return Flow::Exit;
    case TfsNodeKind::Break:
        return Flow::Break;
    case TfsNodeKind::Continue:
        return Flow::Continue;
    default:
        eval(*n, f);
        return Flow::Normal;
    }
}

QVariant TfsInterpreter::eval(const TfsNode &n, Frame &f)
{
    switch (n.kind) {
    case TfsNodeKind::Literal:
        return n.value;
    case TfsNodeKind::Local:
        return f.cells[size_t(n.slot)];
    case TfsNodeKind::Global:
        return f.owner->m_globals[size_t(n.slot)];
    default:
        break;
    }
    TfsStackGuard guard(kTooDeep, n.line, n.column);
    switch (n.kind) {
    case TfsNodeKind::Chain:
        return evalChain(n, f);
    case TfsNodeKind::Unary: {
        const QVariant v = eval(*n.kids[0], f);
        return at(n, [&] { return TfsOperators::unary(n.op, v); });
    }
    case TfsNodeKind::SetCtor:
        return evalSet(n, f);
    case TfsNodeKind::RoutineCall:
        return evalRoutineCall(n, f);
    case TfsNodeKind::HostName: case TfsNodeKind::MacroCall:
        return evalHostName(n, f);
    case TfsNodeKind::Member:
        return evalMember(n, f);
    case TfsNodeKind::Index:
        return evalIndex(n, f);
    case TfsNodeKind::IsClass: {
        const QVariant v = eval(*n.kids[0], f);
        return TfsOperators::isInstanceOf(v, n.name);
    }
    default:
        throw TfsError(QStringLiteral("Değer bekleniyordu"), n.line, n.column);
    }
}

QVariant TfsInterpreter::evalChain(const TfsNode &n, Frame &f)
{
    QVariant acc = eval(*n.kids[0], f);
    for (size_t i = 0; i < n.ops.size(); ++i) {
        const TfsOp op = n.ops[i];
        const TfsNode &rhs = *n.kids[i + 1];
        // Boolean and/or stop as soon as the result is known.
        if (acc.metaType().id() == QMetaType::Bool
            && ((op == TfsOp::And && !acc.toBool()) || (op == TfsOp::Or && acc.toBool())))
            continue;
        const QVariant b = eval(rhs, f);
        acc = at(rhs, [&] { return TfsOperators::binary(op, acc, b); });
    }
    return acc;
}

QVariant TfsInterpreter::evalSet(const TfsNode &n, Frame &f)
{
    TfsSet set;
    for (const TfsNodePtr &k : n.kids) {
        if (k->kind == TfsNodeKind::Range) {
            set.items.push_back({eval(*k->kids[0], f), eval(*k->kids[1], f)});
        } else {
            const QVariant v = eval(*k, f);
            set.items.push_back({v, v});
        }
    }
    return QVariant::fromValue(set);
}

QVariantList TfsInterpreter::evalArgs(const TfsNode &n, size_t first, Frame &f)
{
    QVariantList args;
    args.reserve(qsizetype(n.kids.size() - first));
    for (size_t i = first; i < n.kids.size(); ++i)
        args.push_back(eval(*n.kids[i], f));
    return args;
}

QVariant TfsInterpreter::evalRoutineCall(const TfsNode &n, Frame &f)
{
    QVariantList args = evalArgs(n, 0, f);
    const QVariant result = at(n, [&] { return callRoutine(*f.owner, n.slot, args); });
    const TfsRoutine &r = f.owner->m_program->routines[size_t(n.slot)];
    for (size_t i = 0; i < n.kids.size(); ++i) {
        if (r.byRef[i])
            at(n, [&] { assign(*n.kids[i], args[qsizetype(i)], f); return 0; });
    }
    return result;
}

QVariant TfsInterpreter::evalHostName(const TfsNode &n, Frame &f)
{
    const TfsScript::Symbol s = f.owner->findHost(n.key);
    switch (s.kind) {
    case TfsScript::Symbol::Kind::None:
        throw unknownName(n);
    case TfsScript::Symbol::Kind::Global:
        return s.script->m_globals[size_t(s.index)];
    case TfsScript::Symbol::Kind::Routine: {
        QVariantList args = evalArgs(n, 0, f);
        return at(n, [&] { return callRoutine(*s.script, s.index, args); });
    }
    case TfsScript::Symbol::Kind::Host:
        break;
    }
    const TfsHostEntry &e = *s.entry;  // `s` keeps the entry alive
    if (n.kind == TfsNodeKind::MacroCall) {
        if (e.kind != TfsHostEntry::Kind::Macro)
            throw unknownName(n);
        checkStopped();
        return at(n, [&] { return e.macro(n.texts); });
    }
    switch (e.kind) {
    case TfsHostEntry::Kind::Function: {
        const QVariantList args = evalArgs(n, 0, f);
        checkStopped();
        return at(n, [&] { return e.function(args); });
    }
    case TfsHostEntry::Kind::Variable:
        if (e.getter)
            return at(n, [&] { return e.getter(); });
        return e.value;
    case TfsHostEntry::Kind::Constant:
        return e.value;
    case TfsHostEntry::Kind::Object:
        return at(n, [&] { return objectValue(e); });
    case TfsHostEntry::Kind::Macro:
        break;
    }
    throw unknownName(n);
}

QVariant TfsInterpreter::evalMember(const TfsNode &n, Frame &f)
{
    const QVariant object = eval(*n.kids[0], f);
    const QVariantList args = evalArgs(n, 1, f);
    return at(n, [&]() -> QVariant {
        std::optional<QVariant> v;
        if (QObject *o = tfs::qobjectOf(object))
            v = TfsQObjectAccess::read(o, n.name, args);
        else if (TfsHostObject *h = tfs::hostObjectOf(object))
            v = h->member(n.name, args);
        else if (tfs::typeOf(object) == TfsType::Null)
            throw TfsError(QStringLiteral("Boş (Null) değerin '%1' üyesi okunamaz").arg(n.name));
        else
            throw TfsError(QStringLiteral("%1 türünde bir değerin üyesi yok: '%2'").arg(tfs::typeName(object), n.name));
        if (!v)
            throw TfsError(QStringLiteral("'%1' nesnesinin '%2' adlı üyesi yok").arg(tfs::toText(object), n.name));
        return *v;
    });
}

QVariant TfsInterpreter::evalIndex(const TfsNode &n, Frame &f)
{
    const QVariant base = eval(*n.kids[0], f);
    const QVariantList args = evalArgs(n, 1, f);
    return at(n, [&]() -> QVariant {
        if (args.size() != 1)
            throw TfsError(QStringLiteral("Tek bir dizin bekleniyordu"));
        if (TfsHostObject *h = tfs::hostObjectOf(base)) {
            if (std::optional<QVariant> v = h->member(QString(), args))
                return *v;
        }
        const qint64 i = tfs::toInteger(args[0]);
        if (tfs::typeOf(base) == TfsType::String) {
            // Characters count from 1, as in Pascal strings.
            const QString s = base.toString();
            if (i < 1 || i > s.size())
                throw TfsError(QStringLiteral("Dizin aralık dışında: %1").arg(i));
            return QString(s.at(qsizetype(i - 1)));
        }
        if (base.canConvert<QVariantList>() && tfs::typeOf(base) == TfsType::Other) {
            const QVariantList list = base.toList();
            if (i < 0 || i >= list.size())
                throw TfsError(QStringLiteral("Dizin aralık dışında: %1").arg(i));
            return TfsQObjectAccess::normalize(list.at(qsizetype(i)));
        }
        throw TfsError(QStringLiteral("%1 türünde bir değer dizinlenemez").arg(tfs::typeName(base)));
    });
}

void TfsInterpreter::assign(const TfsNode &target, const QVariant &value, Frame &f)
{
    switch (target.kind) {
    case TfsNodeKind::Local:
        f.cells[size_t(target.slot)] = value;
        return;
    case TfsNodeKind::Global:
        f.owner->m_globals[size_t(target.slot)] = value;
        return;
    case TfsNodeKind::HostName: {
        const TfsScript::Symbol s = f.owner->findHost(target.key);
        if (s.kind == TfsScript::Symbol::Kind::Global) {
            s.script->m_globals[size_t(s.index)] = value;
            return;
        }
        if (s.kind == TfsScript::Symbol::Kind::Host && s.entry->kind == TfsHostEntry::Kind::Variable) {
            if (s.entry->setter)
                s.entry->setter(value);
            else if (!s.entry->getter)
                s.entry->value = value;
            else
                break;
            return;
        }
        break;
    }
    case TfsNodeKind::Member: {
        const QVariant object = eval(*target.kids[0], f);
        const QVariantList args = evalArgs(target, 1, f);
        bool ok = false;
        if (QObject *o = tfs::qobjectOf(object))
            ok = args.isEmpty() && TfsQObjectAccess::write(o, target.name, value);
        else if (TfsHostObject *h = tfs::hostObjectOf(object))
            ok = h->setMember(target.name, args, value);
        if (!ok)
            throw TfsError(QStringLiteral("'%1' üyesine değer atanamadı").arg(target.name), target.line, target.column);
        return;
    }
    default:
        break;
    }
    throw TfsError(QStringLiteral("Bu ifadeye değer atanamaz"), target.line, target.column);
}

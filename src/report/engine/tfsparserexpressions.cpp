// The expression half of TfsParser: Pascal's precedence levels, designators
// and the resolution of names.
#include "report/engine/tfsparser.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsstackguard.h"

namespace {

TfsOp relationalOp(TfsTok t)
{
    switch (t) {
    case TfsTok::Eq: return TfsOp::Eq;
    case TfsTok::NotEq: return TfsOp::NotEq;
    case TfsTok::Less: return TfsOp::Less;
    case TfsTok::Greater: return TfsOp::Greater;
    case TfsTok::LessEq: return TfsOp::LessEq;
    case TfsTok::GreaterEq: return TfsOp::GreaterEq;
    case TfsTok::In: return TfsOp::In;
    default: return TfsOp::None;
    }
}

TfsOp addingOp(TfsTok t)
{
    switch (t) {
    case TfsTok::Plus: return TfsOp::Add;
    case TfsTok::Minus: return TfsOp::Sub;
    case TfsTok::Or: return TfsOp::Or;
    case TfsTok::Xor: return TfsOp::Xor;
    default: return TfsOp::None;
    }
}

TfsOp multiplyingOp(TfsTok t)
{
    switch (t) {
    case TfsTok::Star: return TfsOp::Mul;
    case TfsTok::Slash: return TfsOp::Divide;
    case TfsTok::Div: return TfsOp::IntDiv;
    case TfsTok::Mod: return TfsOp::Mod;
    case TfsTok::And: return TfsOp::And;
    case TfsTok::Shl: return TfsOp::Shl;
    case TfsTok::Shr: return TfsOp::Shr;
    default: return TfsOp::None;
    }
}

} // namespace

TfsNodePtr TfsParser::parseExpression()
{
    Nesting nesting(*this);
    TfsStackGuard guard("İfade çok derin iç içe", m_tok.line, m_tok.column);
    const TfsToken at = m_tok;
    TfsNodePtr left = parseSimpleExpression();
    TfsNodePtr chain;
    for (;;) {
        if (m_tok.kind == TfsTok::Is) {
            const TfsToken isAt = m_tok;
            advance();
            if (chain)
                left = std::move(chain);
            TfsNodePtr n = node(TfsNodeKind::IsClass, isAt);
            n->name = expectIdent();
            n->key = n->name.toLower();
            n->kids.push_back(std::move(left));
            left = std::move(n);
            continue;
        }
        const TfsOp op = relationalOp(m_tok.kind);
        if (op == TfsOp::None)
            break;
        if (!chain) {
            chain = node(TfsNodeKind::Chain, at);
            chain->kids.push_back(std::move(left));
        }
        advance();
        chain->ops.push_back(op);
        chain->kids.push_back(parseSimpleExpression());
    }
    return chain ? std::move(chain) : std::move(left);
}

TfsNodePtr TfsParser::parseSimpleExpression()
{
    const TfsToken at = m_tok;
    TfsNodePtr first;
    if (m_tok.kind == TfsTok::Minus || m_tok.kind == TfsTok::Plus) {
        const bool negate = m_tok.kind == TfsTok::Minus;
        advance();
        TfsNodePtr term = parseTerm();
        if (negate) {
            first = node(TfsNodeKind::Unary, at);
            first->op = TfsOp::Neg;
            first->kids.push_back(std::move(term));
        } else {
            first = std::move(term);
        }
    } else {
        first = parseTerm();
    }
    if (addingOp(m_tok.kind) == TfsOp::None)
        return first;
    TfsNodePtr chain = node(TfsNodeKind::Chain, at);
    chain->kids.push_back(std::move(first));
    while (addingOp(m_tok.kind) != TfsOp::None) {
        chain->ops.push_back(addingOp(m_tok.kind));
        advance();
        chain->kids.push_back(parseTerm());
    }
    return chain;
}

TfsNodePtr TfsParser::parseTerm()
{
    const TfsToken at = m_tok;
    TfsNodePtr first = parseFactor();
    if (multiplyingOp(m_tok.kind) == TfsOp::None)
        return first;
    TfsNodePtr chain = node(TfsNodeKind::Chain, at);
    chain->kids.push_back(std::move(first));
    while (multiplyingOp(m_tok.kind) != TfsOp::None) {
        chain->ops.push_back(multiplyingOp(m_tok.kind));
        advance();
        chain->kids.push_back(parseFactor());
    }
    return chain;
}

TfsNodePtr TfsParser::parseFactor()
{
    Nesting nesting(*this);
    const TfsToken at = m_tok;
    switch (m_tok.kind) {
    case TfsTok::Integer: case TfsTok::Float: {
        TfsNodePtr n = node(TfsNodeKind::Literal, at);
        n->value = m_tok.value;
        advance();
        return n;
    }
    case TfsTok::String: {
        TfsNodePtr n = node(TfsNodeKind::Literal, at);
        n->value = m_tok.text;
        advance();
        return n;
    }
    case TfsTok::Nil:
        advance();
        return node(TfsNodeKind::Literal, at);
    case TfsTok::LParen: {
        advance();
        TfsNodePtr e = parseExpression();
        expect(TfsTok::RParen, ")");
        return e;
    }
    case TfsTok::Not: case TfsTok::Minus: case TfsTok::Plus: {
        const TfsTok kind = m_tok.kind;
        advance();
        TfsNodePtr operand = parseFactor();
        if (kind == TfsTok::Plus)
            return operand;
        TfsNodePtr n = node(TfsNodeKind::Unary, at);
        n->op = kind == TfsTok::Not ? TfsOp::Not : TfsOp::Neg;
        n->kids.push_back(std::move(operand));
        return n;
    }
    case TfsTok::LBracket:
        return parseSet(at);
    case TfsTok::Less:
        return parseReportName(at);
    case TfsTok::Ident:
        return parseDesignator();
    default:
        unexpected();
    }
}

TfsNodePtr TfsParser::parseSet(const TfsToken &at)
{
    advance();
    TfsNodePtr set = node(TfsNodeKind::SetCtor, at);
    if (m_tok.kind != TfsTok::RBracket) {
        do {
            const TfsToken itemAt = m_tok;
            TfsNodePtr low = parseExpression();
            if (accept(TfsTok::DotDot)) {
                TfsNodePtr range = node(TfsNodeKind::Range, itemAt);
                range->kids.push_back(std::move(low));
                range->kids.push_back(parseExpression());
                set->kids.push_back(std::move(range));
            } else {
                set->kids.push_back(std::move(low));
            }
        } while (accept(TfsTok::Comma));
    }
    expect(TfsTok::RBracket, "]");
    return set;
}

TfsNodePtr TfsParser::parseReportName(const TfsToken &at)
{
    // The lexer stands right after "<": the name is raw text up to ">".
    const QString name = m_lexer.readUntilGreater(at.line, at.column);
    advance();
    const TfsScript::Symbol get = m_script.findHost(QStringLiteral("get"));
    if (get.kind != TfsScript::Symbol::Kind::Host || get.entry->kind != TfsHostEntry::Kind::Function)
        fail(QStringLiteral("Tanımlanmamış tanıtıcı: 'Get'"), at);
    TfsNodePtr call = node(TfsNodeKind::HostName, at);
    call->name = QStringLiteral("Get");
    call->key = QStringLiteral("get");
    call->hasArgs = true;
    TfsNodePtr arg = node(TfsNodeKind::Literal, at);
    arg->value = name;
    call->kids.push_back(std::move(arg));
    return call;
}

TfsNodePtr TfsParser::parseDesignator()
{
    const TfsToken at = m_tok;
    const QString name = expectIdent();
    TfsNodePtr n = parseName(at, name);
    for (;;) {
        const TfsToken selAt = m_tok;
        if (accept(TfsTok::Dot)) {
            TfsNodePtr member = node(TfsNodeKind::Member, selAt);
            // Reserved words serve as member names too ("Engine.Repeat").
            if (m_tok.kind > TfsTok::DotDot) {
                member->name = m_tok.text;
                advance();
            } else {
                member->name = expectIdent();
            }
            member->key = member->name.toLower();
            member->kids.push_back(std::move(n));
            if (m_tok.kind == TfsTok::LParen || m_tok.kind == TfsTok::LBracket) {
                member->hasArgs = true;
                parseArguments(*member, m_tok.kind == TfsTok::LParen ? TfsTok::RParen : TfsTok::RBracket);
            }
            n = std::move(member);
        } else if (m_tok.kind == TfsTok::LBracket) {
            TfsNodePtr index = node(TfsNodeKind::Index, selAt);
            index->kids.push_back(std::move(n));
            parseArguments(*index, TfsTok::RBracket);
            n = std::move(index);
        } else {
            return n;
        }
    }
}

void TfsParser::parseArguments(TfsNode &call, TfsTok close)
{
    Nesting nesting(*this);
    advance();
    if (m_tok.kind != close) {
        do
            call.kids.push_back(parseExpression());
        while (accept(TfsTok::Comma));
    }
    expect(close, close == TfsTok::RParen ? ")" : "]");
}

void TfsParser::parseMacroArguments(TfsNode &call)
{
    advance();
    if (m_tok.kind != TfsTok::RParen) {
        do {
            // Parsed to find its end and to report its errors, kept as text.
            const int start = m_tok.offset;
            parseExpression();
            call.texts << m_lexer.source().mid(start, m_tok.offset - start).trimmed();
        } while (accept(TfsTok::Comma));
    }
    expect(TfsTok::RParen, ")");
}

void TfsParser::checkArgCount(int given, int minArgs, int maxArgs, const QString &name, const TfsToken &at) const
{
    if (given < minArgs)
        fail(QStringLiteral("'%1' için eksik parametre").arg(name), at);
    if (maxArgs >= 0 && given > maxArgs)
        fail(QStringLiteral("'%1' için fazla parametre").arg(name), at);
}

TfsNodePtr TfsParser::parseName(const TfsToken &at, const QString &name)
{
    const QString key = name.toLower();
    if (key == QLatin1String("true") || key == QLatin1String("false")) {
        TfsNodePtr n = node(TfsNodeKind::Literal, at);
        n->value = key == QLatin1String("true");
        return n;
    }
    if (m_scope) {
        if (auto it = m_scope->locals.constFind(key); it != m_scope->locals.constEnd()) {
            TfsNodePtr n = node(TfsNodeKind::Local, at);
            n->slot = *it;
            n->name = name;
            return n;
        }
        if (auto it = m_scope->constants.constFind(key); it != m_scope->constants.constEnd()) {
            TfsNodePtr n = node(TfsNodeKind::Literal, at);
            n->value = *it;
            return n;
        }
    }
    if (auto it = m_globalConstants.constFind(key); it != m_globalConstants.constEnd()) {
        TfsNodePtr n = node(TfsNodeKind::Literal, at);
        n->value = *it;
        return n;
    }
    if (auto it = m_globals.constFind(key); it != m_globals.constEnd()) {
        TfsNodePtr n = node(TfsNodeKind::Global, at);
        n->slot = *it;
        n->name = name;
        return n;
    }
    if (auto it = m_routines.constFind(key); it != m_routines.constEnd()) {
        TfsNodePtr n = node(TfsNodeKind::RoutineCall, at);
        n->slot = *it;
        n->name = name;
        const TfsRoutine &r = m_program->routines[*it];
        if (m_tok.kind == TfsTok::LParen) {
            n->hasArgs = true;
            parseArguments(*n, TfsTok::RParen);
        }
        checkArgCount(int(n->kids.size()), r.requiredParams, r.paramCount, name, at);
        for (size_t i = 0; i < n->kids.size(); ++i) {
            if (r.byRef[i])
                checkAssignable(*n->kids[i], at);
        }
        return n;
    }

    const TfsScript::Symbol s = m_script.findHost(key);
    TfsNodePtr n = node(TfsNodeKind::HostName, at);
    n->name = name;
    n->key = key;
    switch (s.kind) {
    case TfsScript::Symbol::Kind::None:
        fail(QStringLiteral("Tanımlanmamış tanıtıcı: '%1'").arg(name), at);
    case TfsScript::Symbol::Kind::Global:
        return n;
    case TfsScript::Symbol::Kind::Routine: {
        const TfsRoutine &r = s.script->m_program->routines[s.index];
        if (m_tok.kind == TfsTok::LParen) {
            n->hasArgs = true;
            parseArguments(*n, TfsTok::RParen);
        }
        checkArgCount(int(n->kids.size()), r.requiredParams, r.paramCount, name, at);
        return n;
    }
    case TfsScript::Symbol::Kind::Host:
        break;
    }
    switch (s.entry->kind) {
    case TfsHostEntry::Kind::Function:
        if (m_tok.kind == TfsTok::LParen) {
            n->hasArgs = true;
            parseArguments(*n, TfsTok::RParen);
        }
        checkArgCount(int(n->kids.size()), s.entry->minArgs, s.entry->maxArgs, name, at);
        return n;
    case TfsHostEntry::Kind::Macro:
        n->kind = TfsNodeKind::MacroCall;
        if (m_tok.kind == TfsTok::LParen)
            parseMacroArguments(*n);
        checkArgCount(int(n->texts.size()), s.entry->minArgs, s.entry->maxArgs, name, at);
        return n;
    default:
        return n;
    }
}

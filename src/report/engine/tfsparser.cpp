#include "report/engine/tfsparser.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsstackguard.h"

TfsParser::Nesting::Nesting(TfsParser &parser) : m_parser(parser)
{
    if (++m_parser.m_nesting > kMaxNesting) {
        m_parser.m_nesting--;
        m_parser.fail(QStringLiteral("İfade çok derin iç içe"), m_parser.m_tok);
    }
}

TfsParser::TfsParser(TfsScript &script, const QString &text) : m_script(script), m_lexer(text) {}

bool TfsParser::accept(TfsTok kind)
{
    if (m_tok.kind != kind)
        return false;
    advance();
    return true;
}

void TfsParser::expect(TfsTok kind, const char *what)
{
    if (m_tok.kind != kind)
        fail(QStringLiteral("'%1' bekleniyordu, bulunan: %2").arg(QString::fromUtf8(what), TfsLexer::describe(m_tok)), m_tok);
    advance();
}

void TfsParser::unexpected() const
{
    if (m_tok.kind == TfsTok::End)
        fail(QStringLiteral("Beklenmeyen metin sonu"), m_tok);
    fail(QStringLiteral("Beklenmeyen simge: %1").arg(TfsLexer::describe(m_tok)), m_tok);
}

void TfsParser::fail(const QString &message, const TfsToken &at) const
{
    throw TfsError(message, at.line, at.column);
}

QString TfsParser::expectIdent()
{
    if (m_tok.kind != TfsTok::Ident)
        fail(QStringLiteral("Tanıtıcı bekleniyordu, bulunan: %1").arg(TfsLexer::describe(m_tok)), m_tok);
    const QString name = m_tok.text;
    advance();
    return name;
}

TfsNodePtr TfsParser::node(TfsNodeKind kind, const TfsToken &at) const
{
    auto n = std::make_unique<TfsNode>();
    n->kind = kind;
    n->line = at.line;
    n->column = at.column;
    return n;
}

std::unique_ptr<TfsProgram> TfsParser::parseProgram()
{
    m_program = std::make_unique<TfsProgram>();
    advance();
    if (m_tok.kind == TfsTok::End)
        return std::move(m_program);
    if (accept(TfsTok::Program)) {
        expectIdent();
        expect(TfsTok::Semicolon, ";");
    }
    parseDeclarations(nullptr);
    if (m_tok.kind == TfsTok::Begin) {
        m_program->main = parseBlock();
        expect(TfsTok::Dot, ".");
    } else if (m_tok.kind != TfsTok::End) {
        unexpected();
    }
    return std::move(m_program);
}

void TfsParser::declareCheck(const QString &key, const TfsToken &at, const Scope *scope) const
{
    const bool taken = scope ? (scope->locals.contains(key) || scope->constants.contains(key))
                             : (m_globals.contains(key) || m_routines.contains(key) || m_globalConstants.contains(key));
    if (taken)
        fail(QStringLiteral("Tanıtıcı yeniden tanımlandı: '%1'").arg(at.text), at);
}

void TfsParser::parseDeclarations(Scope *scope)
{
    for (;;) {
        if (accept(TfsTok::Var)) {
            parseVarSection(scope);
        } else if (accept(TfsTok::Const)) {
            parseConstSection(scope);
        } else if (m_tok.kind == TfsTok::Function || m_tok.kind == TfsTok::Procedure) {
            if (scope)
                fail(QStringLiteral("İç içe yordam tanımı desteklenmiyor"), m_tok);
            parseRoutine();
        } else {
            return;
        }
    }
}

QVariant TfsParser::parseType()
{
    if (accept(TfsTok::Array)) {
        if (accept(TfsTok::LBracket)) {
            while (m_tok.kind != TfsTok::RBracket && m_tok.kind != TfsTok::End)
                advance();
            expect(TfsTok::RBracket, "]");
        }
        expect(TfsTok::Of, "of");
        expectIdent();
        return QVariant();
    }
    const QString name = expectIdent().toLower();
    bool qualified = false;
    while (accept(TfsTok::Dot)) {
        expectIdent();
        qualified = true;
    }
    if (qualified)
        return QVariant();
    // Variables of the simple types start from their zero, as Pascal globals do.
    static const QStringList integers = {QStringLiteral("integer"), QStringLiteral("int64"), QStringLiteral("longint"),
                                         QStringLiteral("cardinal"), QStringLiteral("word"), QStringLiteral("byte"),
                                         QStringLiteral("smallint"), QStringLiteral("shortint"), QStringLiteral("longword")};
    static const QStringList floats = {QStringLiteral("double"), QStringLiteral("extended"), QStringLiteral("real"),
                                       QStringLiteral("single"), QStringLiteral("currency")};
    static const QStringList strings = {QStringLiteral("string"), QStringLiteral("widestring"), QStringLiteral("ansistring"),
                                        QStringLiteral("char"), QStringLiteral("widechar"), QStringLiteral("shortstring")};
    if (integers.contains(name))
        return qint64(0);
    if (floats.contains(name))
        return 0.0;
    if (strings.contains(name))
        return QString();
    if (name == QLatin1String("boolean"))
        return false;
    return QVariant();
}

namespace {

// A constant in a declaration: a literal, possibly with a sign.
bool constantValue(const TfsNode &n, QVariant *value)
{
    if (n.kind == TfsNodeKind::Literal) {
        *value = n.value;
        return true;
    }
    if (n.kind == TfsNodeKind::Unary && n.op == TfsOp::Neg && n.kids[0]->kind == TfsNodeKind::Literal) {
        const QVariant &v = n.kids[0]->value;
        if (v.metaType().id() == QMetaType::LongLong) {
            *value = -v.toLongLong();
            return true;
        }
        if (v.metaType().id() == QMetaType::Double) {
            *value = -v.toDouble();
            return true;
        }
    }
    return false;
}

} // namespace

void TfsParser::parseVarSection(Scope *scope)
{
    do {
        std::vector<TfsToken> names;
        do {
            names.push_back(m_tok);
            expectIdent();
        } while (accept(TfsTok::Comma));
        QVariant init;
        if (accept(TfsTok::Colon))
            init = parseType();
        if (m_tok.kind == TfsTok::Eq) {
            const TfsToken at = m_tok;
            advance();
            const TfsNodePtr e = parseExpression();
            if (names.size() != 1 || !constantValue(*e, &init))
                fail(QStringLiteral("Sabit değer bekleniyordu"), at);
        }
        expect(TfsTok::Semicolon, ";");
        for (const TfsToken &n : names) {
            const QString key = n.text.toLower();
            declareCheck(key, n, scope);
            if (scope) {
                scope->locals.insert(key, scope->routine->slotCount++);
                scope->routine->slotInit.push_back(init);
            } else {
                m_globals.insert(key, int(m_program->globalNames.size()));
                m_program->globalNames.push_back(n.text);
                m_program->globalInit.push_back(init);
            }
        }
    } while (m_tok.kind == TfsTok::Ident);
}

void TfsParser::parseConstSection(Scope *scope)
{
    do {
        const TfsToken at = m_tok;
        const QString key = expectIdent().toLower();
        declareCheck(key, at, scope);
        if (accept(TfsTok::Colon))
            parseType();
        expect(TfsTok::Eq, "=");
        const TfsNodePtr e = parseExpression();
        QVariant value;
        if (!constantValue(*e, &value))
            fail(QStringLiteral("Sabit değer bekleniyordu"), at);
        expect(TfsTok::Semicolon, ";");
        (scope ? scope->constants : m_globalConstants).insert(key, value);
    } while (m_tok.kind == TfsTok::Ident);
}

void TfsParser::parseRoutine()
{
    const bool isFunction = m_tok.kind == TfsTok::Function;
    advance();
    const TfsToken at = m_tok;
    const QString name = expectIdent();
    const QString key = name.toLower();
    declareCheck(key, at, nullptr);

    const int index = int(m_program->routines.size());
    m_program->routines.emplace_back();
    m_routines.insert(key, index);
    TfsRoutine &r = m_program->routines.back();
    r.name = name;
    r.isFunction = isFunction;

    Scope scope;
    scope.routine = &r;
    scope.routineKey = key;
    scope.routineIndex = index;
    if (isFunction) {
        scope.locals.insert(QStringLiteral("result"), 0);
        r.slotCount = 1;
        r.slotInit.push_back(QVariant());
    }
    r.firstParamSlot = r.slotCount;

    if (accept(TfsTok::LParen)) {
        if (m_tok.kind != TfsTok::RParen) {
            do {
                bool byRef = accept(TfsTok::Var);
                if (!byRef && m_tok.kind == TfsTok::Ident && m_tok.text.compare(QLatin1String("out"), Qt::CaseInsensitive) == 0) {
                    advance();
                    byRef = true;
                }
                accept(TfsTok::Const);
                std::vector<TfsToken> names;
                do {
                    names.push_back(m_tok);
                    expectIdent();
                } while (accept(TfsTok::Comma));
                if (accept(TfsTok::Colon))
                    parseType();
                QVariant def;
                bool hasDefault = false;
                if (m_tok.kind == TfsTok::Eq) {
                    const TfsToken eq = m_tok;
                    advance();
                    const TfsNodePtr e = parseExpression();
                    if (!constantValue(*e, &def) || byRef)
                        fail(QStringLiteral("Sabit değer bekleniyordu"), eq);
                    hasDefault = true;
                }
                for (const TfsToken &n : names) {
                    const QString pk = n.text.toLower();
                    declareCheck(pk, n, &scope);
                    if (!hasDefault && !r.defaults.empty())
                        fail(QStringLiteral("Varsayılan değeri olmayan parametre: '%1'").arg(n.text), n);
                    scope.locals.insert(pk, r.slotCount++);
                    r.slotInit.push_back(QVariant());
                    r.byRef.push_back(byRef);
                    r.paramCount++;
                    if (hasDefault)
                        r.defaults.push_back(def);
                    else
                        r.requiredParams++;
                }
            } while (accept(TfsTok::Semicolon));
        }
        expect(TfsTok::RParen, ")");
    }
    if (accept(TfsTok::Colon)) {
        const QVariant resultInit = parseType();
        if (isFunction)
            m_program->routines[index].slotInit[0] = resultInit;
    }
    expect(TfsTok::Semicolon, ";");

    m_scope = &scope;
    parseDeclarations(&scope);
    TfsNodePtr body = parseBlock();
    m_scope = nullptr;
    expect(TfsTok::Semicolon, ";");
    // The vector has not grown since `r` was taken: routines are not nested.
    m_program->routines[index].body = std::move(body);
}

TfsNodePtr TfsParser::parseBlock()
{
    const TfsToken at = m_tok;
    expect(TfsTok::Begin, "begin");
    TfsNodePtr block = node(TfsNodeKind::Block, at);
    parseStatementList(*block, TfsTok::EndKw);
    expect(TfsTok::EndKw, "end");
    return block;
}

void TfsParser::parseStatementList(TfsNode &into, TfsTok terminator)
{
    for (;;) {
        if (TfsNodePtr s = parseStatement())
            into.kids.push_back(std::move(s));
        if (accept(TfsTok::Semicolon))
            continue;
        if (m_tok.kind != terminator)
            unexpected();
        return;
    }
}

TfsNodePtr TfsParser::parseStatement()
{
    Nesting nesting(*this);
    TfsStackGuard guard("İfade çok derin iç içe", m_tok.line, m_tok.column);
    const TfsToken at = m_tok;
    switch (m_tok.kind) {
    case TfsTok::Begin:
        return parseBlock();
    case TfsTok::If: {
        advance();
        TfsNodePtr n = node(TfsNodeKind::If, at);
        n->kids.push_back(parseExpression());
        expect(TfsTok::Then, "then");
        n->kids.push_back(parseStatement());
        if (accept(TfsTok::Else))
            n->kids.push_back(parseStatement());
        return n;
    }
    case TfsTok::While: {
        advance();
        TfsNodePtr n = node(TfsNodeKind::While, at);
        n->kids.push_back(parseExpression());
        expect(TfsTok::Do, "do");
        m_loops++;
        n->kids.push_back(parseStatement());
        m_loops--;
        return n;
    }
    case TfsTok::Repeat: {
        advance();
        TfsNodePtr n = node(TfsNodeKind::Repeat, at);
        n->kids.push_back(nullptr);  // the condition, once read
        m_loops++;
        parseStatementList(*n, TfsTok::Until);
        m_loops--;
        expect(TfsTok::Until, "until");
        n->kids[0] = parseExpression();
        return n;
    }
    case TfsTok::For:
        return parseFor();
    case TfsTok::Ident: {
        const QString key = m_tok.text.toLower();
        const bool shadowed = (m_scope && m_scope->locals.contains(key)) || m_globals.contains(key) || m_routines.contains(key);
        if (!shadowed && (key == QLatin1String("exit") || key == QLatin1String("break") || key == QLatin1String("continue"))) {
            advance();
            if (key == QLatin1String("exit"))
                return node(TfsNodeKind::Exit, at);
            if (m_loops == 0)
                fail(QStringLiteral("'%1' döngü dışında kullanılamaz").arg(at.text), at);
            return node(key == QLatin1String("break") ? TfsNodeKind::Break : TfsNodeKind::Continue, at);
        }
        TfsNodePtr target = parseDesignator();
        if (m_tok.kind == TfsTok::Assign) {
            // Assigning to the function's own name sets its result.
            if (m_scope && m_scope->routine->isFunction && target->kind == TfsNodeKind::RoutineCall
                && target->slot == m_scope->routineIndex && target->kids.empty() && !target->hasArgs) {
                target->kind = TfsNodeKind::Local;
                target->slot = 0;
            }
            checkAssignable(*target, at);
            advance();
            TfsNodePtr n = node(TfsNodeKind::Assign, at);
            n->kids.push_back(std::move(target));
            n->kids.push_back(parseExpression());
            return n;
        }
        switch (target->kind) {
        case TfsNodeKind::RoutineCall: case TfsNodeKind::HostName: case TfsNodeKind::MacroCall: case TfsNodeKind::Member:
            break;
        default:
            fail(QStringLiteral("Deyim bekleniyordu"), at);
        }
        TfsNodePtr n = node(TfsNodeKind::Call, at);
        n->kids.push_back(std::move(target));
        return n;
    }
    case TfsTok::Semicolon: case TfsTok::EndKw: case TfsTok::Until: case TfsTok::Else:
        return nullptr;
    default:
        unexpected();
    }
}

TfsNodePtr TfsParser::parseFor()
{
    const TfsToken at = m_tok;
    advance();
    TfsNodePtr n = node(TfsNodeKind::For, at);
    const TfsToken varAt = m_tok;
    const QString name = expectIdent();
    TfsNodePtr var = parseName(varAt, name);
    if (var->kind != TfsNodeKind::Local && var->kind != TfsNodeKind::Global)
        fail(QStringLiteral("Döngü değişkeni yerel ya da genel bir değişken olmalı: '%1'").arg(name), varAt);
    n->kids.push_back(std::move(var));
    expect(TfsTok::Assign, ":=");
    n->kids.push_back(parseExpression());
    if (accept(TfsTok::Downto))
        n->downTo = true;
    else
        expect(TfsTok::To, "to");
    n->kids.push_back(parseExpression());
    expect(TfsTok::Do, "do");
    m_loops++;
    n->kids.push_back(parseStatement());
    m_loops--;
    return n;
}

void TfsParser::checkAssignable(const TfsNode &target, const TfsToken &at) const
{
    switch (target.kind) {
    case TfsNodeKind::Local: case TfsNodeKind::Global: case TfsNodeKind::Member:
        return;
    case TfsNodeKind::HostName: {
        const TfsScript::Symbol s = m_script.findHost(target.key);
        if (!target.hasArgs && s.kind == TfsScript::Symbol::Kind::Host && s.entry->kind == TfsHostEntry::Kind::Variable
            && (!s.entry->getter || s.entry->setter))
            return;
        if (!target.hasArgs && s.kind == TfsScript::Symbol::Kind::Global)
            return;
        break;
    }
    default:
        break;
    }
    fail(QStringLiteral("Bu ifadeye değer atanamaz"), at);
}

#pragma once
// Compiles a program text into a TfsProgram for a given script.
//
// Grammar (Pascal): an optional "program X;", then var, const, function and
// procedure declarations, then the main block "begin ... end." (text after the
// final full stop is ignored; an empty text is an empty program). Statements:
// assignment, call, begin/end, if/then/else, while/do, repeat/until,
// for/to/downto/do, Exit, Break, Continue. Expressions follow Pascal's four
// precedence levels; "<name>" is a call of Get with the name's text, and a call
// of a macro function keeps its arguments as the texts written.
//
// Declarations are compiled in order: a routine sees the globals and routines
// declared before it and itself. Types are read and ignored: every value is a
// Variant. The parser's declaration and statement half lives in tfsparser.cpp,
// the expression half in tfsparserexpressions.cpp.
#include "report/engine/tfslexer.h"
#include "report/engine/tfsnode.h"

#include <QHash>
#include <QString>

#include <memory>

class TfsScript;

class TfsParser
{
public:
    // The deepest nesting of expressions and statements accepted.
    static constexpr int kMaxNesting = 200;

    TfsParser(TfsScript &script, const QString &text);

    // Raises TfsError with the position of the offending token.
    std::unique_ptr<TfsProgram> parseProgram();

private:
    struct Scope
    {
        TfsRoutine *routine = nullptr;
        QString routineKey;
        int routineIndex = -1;
        QHash<QString, int> locals;
        QHash<QString, QVariant> constants;
    };

    class Nesting
    {
    public:
        explicit Nesting(TfsParser &parser);
        ~Nesting() { m_parser.m_nesting--; }
    private:
        TfsParser &m_parser;
    };

    // tokens
    void advance() { m_tok = m_lexer.next(); }
    bool accept(TfsTok kind);
    void expect(TfsTok kind, const char *what);
    [[noreturn]] void unexpected() const;
    [[noreturn]] void fail(const QString &message, const TfsToken &at) const;
    QString expectIdent();
    TfsNodePtr node(TfsNodeKind kind, const TfsToken &at) const;

    // declarations (tfsparser.cpp)
    void parseDeclarations(Scope *scope);
    void parseVarSection(Scope *scope);
    void parseConstSection(Scope *scope);
    void parseRoutine();
    QVariant parseType();  // the initial value of a variable of that type
    void declareCheck(const QString &key, const TfsToken &at, const Scope *scope) const;

    // statements (tfsparser.cpp)
    TfsNodePtr parseBlock();
    TfsNodePtr parseStatement();
    void parseStatementList(TfsNode &into, TfsTok terminator);
    TfsNodePtr parseFor();
    void checkAssignable(const TfsNode &target, const TfsToken &at) const;

    // expressions (tfsparserexpressions.cpp)
    TfsNodePtr parseExpression();
    TfsNodePtr parseSimpleExpression();
    TfsNodePtr parseTerm();
    TfsNodePtr parseFactor();
    TfsNodePtr parseDesignator();
    TfsNodePtr parseName(const TfsToken &at, const QString &name);
    TfsNodePtr parseReportName(const TfsToken &at);
    TfsNodePtr parseSet(const TfsToken &at);
    void parseArguments(TfsNode &call, TfsTok close);
    void parseMacroArguments(TfsNode &call);
    void checkArgCount(int given, int minArgs, int maxArgs, const QString &name, const TfsToken &at) const;

    TfsScript &m_script;
    TfsLexer m_lexer;
    TfsToken m_tok;
    std::unique_ptr<TfsProgram> m_program;
    QHash<QString, int> m_routines;
    QHash<QString, int> m_globals;
    QHash<QString, QVariant> m_globalConstants;
    Scope *m_scope = nullptr;  // the routine being compiled; null in the main block
    int m_nesting = 0;
    int m_loops = 0;
    bool m_assignTarget = false;
};

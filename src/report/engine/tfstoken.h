#pragma once
// One token of a script: its kind, the source text or literal value, and where
// it stands (0-based offset, 1-based line and column).
#include <QString>
#include <QVariant>

enum class TfsTok {
    End, Ident, Integer, Float, String,
    // symbols
    Plus, Minus, Star, Slash, Eq, NotEq, Less, Greater, LessEq, GreaterEq,
    LParen, RParen, LBracket, RBracket, Comma, Semicolon, Colon, Assign, Dot, DotDot,
    // reserved words
    And, Array, Begin, Case, Const, Div, Do, Downto, Else, EndKw, For, Function, If, In, Is,
    Mod, Nil, Not, Of, Or, Procedure, Program, Repeat, Shl, Shr, Then, To, Until, Var, While, Xor,
};

struct TfsToken
{
    TfsTok kind = TfsTok::End;
    QString text;    // identifier as written, string literal's value, symbol text
    QVariant value;  // number literals
    int offset = 0;  // start in the source
    int end = 0;     // one past the last character
    int line = 1;
    int column = 1;
};

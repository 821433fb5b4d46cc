#pragma once
// The compiled form of a script: a tree of nodes, one struct for expressions
// and statements alike. Operator chains of one precedence level
// ("a + b - c + ...") are one node with n operands, so a long flat expression
// is a wide node, not a deep one; only parentheses, unary operators, calls and
// nested statements make the tree deeper, and the parser caps that depth.
// Names are resolved while compiling: locals to frame slots, program globals
// to global slots, program routines to their index, and every other name
// becomes a host lookup by its lower-case key.
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

enum class TfsOp {
    None,
    Eq, NotEq, Less, Greater, LessEq, GreaterEq, In, Is,
    Add, Sub, Or, Xor,
    Mul, Divide, IntDiv, Mod, And, Shl, Shr,
    Neg, Not,
};

enum class TfsNodeKind {
    // expressions
    Literal,      // value
    Chain,        // kids[0] ops[0] kids[1] ops[1] kids[2] ...
    Unary,        // op kids[0]
    SetCtor,      // kids: elements and Range nodes
    Range,        // kids[0] .. kids[1]
    Local,        // slot of the running routine's frame
    Global,       // slot of the owning script's globals
    RoutineCall,  // index of a routine of the owning program; kids = arguments
    HostName,     // key; kids = arguments when `hasArgs`
    MacroCall,    // key; texts = the arguments as written
    Member,       // kids[0] = object, name, kids[1..] = arguments when `hasArgs`
    Index,        // kids[0] = value, kids[1..] = indexes
    IsClass,      // kids[0] is name
    // statements
    Block,        // kids: statements
    Assign,       // kids[0] = target, kids[1] = value
    Call,         // kids[0] = an expression evaluated for its effect
    If,           // kids[0] condition, kids[1] then, kids[2] else (may be missing)
    While,        // kids[0] condition, kids[1] body
    Repeat,       // kids[0] condition, kids[1..] body
    For,          // kids[0] variable, kids[1] from, kids[2] to, kids[3] body; downTo
    Exit, Break, Continue,
};

struct TfsNode
{
    TfsNodeKind kind = TfsNodeKind::Literal;
    int line = 0;
    int column = 0;
    TfsOp op = TfsOp::None;
    bool hasArgs = false;  // HostName/Member: an argument list was written
    bool downTo = false;   // For
    int slot = -1;         // Local, Global, RoutineCall
    QVariant value;        // Literal
    QString name;          // as written
    QString key;           // lower case, for lookups
    QStringList texts;     // MacroCall
    std::vector<TfsOp> ops;
    std::vector<std::unique_ptr<TfsNode>> kids;
};

using TfsNodePtr = std::unique_ptr<TfsNode>;

// A function or procedure of a program. Slot 0 holds Result for a function;
// the parameters follow, then the local variables.
struct TfsRoutine
{
    QString name;
    bool isFunction = false;
    int paramCount = 0;
    int requiredParams = 0;
    std::vector<QVariant> defaults;  // of the optional trailing parameters
    std::vector<bool> byRef;         // var/out parameters
    int firstParamSlot = 0;
    int slotCount = 0;
    std::vector<QVariant> slotInit;  // initial values of the locals
    TfsNodePtr body;
};

struct TfsProgram
{
    std::vector<TfsRoutine> routines;
    std::vector<QString> globalNames;
    std::vector<QVariant> globalInit;
    TfsNodePtr main;  // null when the text had no main block
};

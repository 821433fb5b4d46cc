#pragma once
// A script of the report engine: a Pascal-style program plus the names that the
// host registers for it.
//
// The host binds functions (native callbacks taking the evaluated arguments),
// macro functions (callbacks taking the arguments as the texts written in the
// call, so the host decides what to evaluate: IIF, SUM), variables (stored in
// the script, or backed by a getter and setter), constants and objects (a
// QObject, whose properties and invokable methods are its members, or a
// TfsHostObject). A script may have a parent: a name that is not found in a
// script is looked up in its parent, and so on; the process-wide script
// `global()` holds the standard functions and is the parent by default.
//
// `compile` turns a program text into the tree the interpreter runs. Every
// name must be known by then (a local, a global or routine of the program, or
// a host name of this script or its parents); an unknown name is a compile
// error, as in Pascal. After a successful compile the program's routines can
// be called by name; calling a name that does not exist answers NotFound and
// changes nothing, so the host can call optional hooks blindly.
//
// Errors never escape as exceptions of the engine's own: compile and call
// answer with a status and keep the Turkish error text and its line and
// column. Exceptions that a host callback throws of its own type pass through
// unchanged, since they belong to the host. Deep nesting is refused with a
// compile error and runaway recursion with a runtime error before the stack
// runs out; `terminate` makes a running script stop at its next loop turn or
// call.
#include "report/engine/tfsnode.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class QObject;
class TfsHostObject;

using TfsNativeFunction = std::function<QVariant(const QVariantList &args)>;
using TfsMacroFunction = std::function<QVariant(const QStringList &argTexts)>;
using TfsGetter = std::function<QVariant()>;
using TfsSetter = std::function<void(const QVariant &)>;

enum class TfsCallStatus { Done, NotFound, Failed, Stopped };

// A name registered by the host.
struct TfsHostEntry
{
    enum class Kind { Function, Macro, Variable, Constant, Object };
    Kind kind = Kind::Variable;
    QString name;
    TfsNativeFunction function;
    TfsMacroFunction macro;
    int minArgs = 0;
    int maxArgs = 0;  // -1: any number
    QVariant value;   // stored variable, constant, host object reference
    TfsGetter getter;
    TfsSetter setter;
    QPointer<QObject> qobject;
    bool isQObject = false;
};

class TfsScript
{
public:
    static constexpr int kAnyArgs = -1;

    // The process-wide script with the standard functions and constants.
    static TfsScript *global();

    explicit TfsScript(TfsScript *parent = global());
    ~TfsScript();
    TfsScript(const TfsScript &) = delete;
    TfsScript &operator=(const TfsScript &) = delete;

    TfsScript *parent() const { return m_parent; }
    void setParent(TfsScript *parent) { m_parent = parent; }

    // Host bindings. A later registration of the same name (any case) replaces
    // the earlier one. Changing bindings that a compiled program uses takes
    // effect at its next run.
    void addFunction(const QString &name, TfsNativeFunction fn, int minArgs = 0, int maxArgs = 0);
    void addMacroFunction(const QString &name, TfsMacroFunction fn, int minArgs, int maxArgs);
    void addVariable(const QString &name, const QVariant &value = QVariant());
    void addVariable(const QString &name, TfsGetter getter, TfsSetter setter = {});
    void addConstant(const QString &name, const QVariant &value);
    void addObject(const QString &name, QObject *object);
    void addObject(const QString &name, std::shared_ptr<TfsHostObject> object);
    bool remove(const QString &name);

    // Forgets the program and every binding; the parent stays.
    void clear();

    // True when the name is known here or in a parent (program names included).
    bool isDefined(const QString &name) const;

    bool compile(const QString &programText);
    bool isCompiled() const { return m_program != nullptr; }
    bool hasMainStatements() const;
    TfsCallStatus runMain();

    // Calls a routine of the program, or a host function, found by name here or
    // in a parent. `result` receives a function's value (Null for a procedure).
    TfsCallStatus call(const QString &name, const QVariantList &args = {}, QVariant *result = nullptr);

    // Values of variables: the program's globals and the registered variables
    // (constants can be read too), here or in a parent.
    bool variable(const QString &name, QVariant *value) const;
    bool setVariable(const QString &name, const QVariant &value);

    // The last error of compile, runMain or call; empty after a success.
    QString errorText() const { return m_errorText; }
    int errorLine() const { return m_errorLine; }
    int errorColumn() const { return m_errorColumn; }
    QString errorPos() const;  // "line:column"

    // Makes a running program of this script stop with status Stopped.
    void terminate() { m_terminated = true; }
    bool isTerminated() const { return m_terminated; }
    // True when this script or one of its parents was told to terminate: a
    // report's expressions stop with the report's script.
    bool stopRequested() const;

private:
    friend class TfsInterpreter;
    friend class TfsParser;

    struct Symbol
    {
        enum class Kind { None, Host, Global, Routine };
        Kind kind = Kind::None;
        TfsScript *script = nullptr;
        std::shared_ptr<TfsHostEntry> entry;  // kept alive while a callback runs
        int index = -1;
    };

    struct GlobalScriptTag {};
    explicit TfsScript(GlobalScriptTag);

    // Program names first, then bindings, then the parent.
    Symbol find(const QString &key);
    // Bindings, then the parent (the program of this script skipped).
    Symbol findHost(const QString &key);

    void addEntry(TfsHostEntry entry);
    void setError(const QString &text, int line, int column);
    void clearError();
    TfsCallStatus runGuarded(const std::function<void()> &body);

    TfsScript *m_parent = nullptr;
    QHash<QString, std::shared_ptr<TfsHostEntry>> m_entries;  // by lower-case name
    std::unique_ptr<TfsProgram> m_program;
    QHash<QString, int> m_routineIndex;
    QHash<QString, int> m_globalIndex;
    std::vector<QVariant> m_globals;
    QString m_errorText;
    int m_errorLine = 0;
    int m_errorColumn = 0;
    bool m_terminated = false;
    int m_running = 0;  // nesting of runs of this script's program
};

#pragma once
// Runs the compiled tree of a program. A routine runs in a frame of cells
// (Result, parameters, locals) that belongs to the script owning the routine;
// names outside the program are looked up at run time from that script up
// through its parents, so a routine of a parent script called from a child
// still sees its own globals. Runtime errors raise TfsError carrying the
// position of the node being evaluated; the calling TfsScript turns them into
// its error text.
#include "report/engine/tfsnode.h"

#include <QVariant>
#include <QVariantList>

#include <vector>

class TfsScript;

class TfsInterpreter
{
public:
    // `stopper` is the script whose terminate() stops this run.
    explicit TfsInterpreter(TfsScript &stopper) : m_stopper(stopper) {}

    // Calls routine `index` of `owner`'s program. Missing optional arguments
    // take their defaults; by-reference parameters write their final values
    // back into `args`.
    QVariant callRoutine(TfsScript &owner, int index, QVariantList &args);

    void runMain(TfsScript &owner);

private:
    enum class Flow { Normal, Break, Continue, Exit };

    struct Frame
    {
        TfsScript *owner = nullptr;
        std::vector<QVariant> cells;
    };

    Flow exec(const TfsNode *n, Frame &f);
    QVariant eval(const TfsNode &n, Frame &f);
    QVariant evalChain(const TfsNode &n, Frame &f);
    QVariant evalHostName(const TfsNode &n, Frame &f);
    QVariant evalMember(const TfsNode &n, Frame &f);
    QVariant evalIndex(const TfsNode &n, Frame &f);
    QVariant evalRoutineCall(const TfsNode &n, Frame &f);
    QVariant evalSet(const TfsNode &n, Frame &f);
    QVariantList evalArgs(const TfsNode &n, size_t first, Frame &f);
    void assign(const TfsNode &target, const QVariant &value, Frame &f);
    void checkStopped() const;

    TfsScript &m_stopper;
};

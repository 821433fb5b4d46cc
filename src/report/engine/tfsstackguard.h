#pragma once
// Keeps the recursive parts of the script engine (parsing nested expressions,
// evaluating them, calling routines) within a fixed share of the thread's
// stack. The first guard on a thread marks the base; every guard measures how
// far the stack has grown from there and refuses to go on past the budget, so
// a hostile text or a runaway recursion ends in an error instead of a crash.
// Calls that re-enter the engine through host callbacks share the budget.
#include <QString>

class TfsStackGuard
{
public:
    // Raises TfsError with `what` (and the position) when the budget is spent.
    TfsStackGuard(const char *what, int line, int column);
    ~TfsStackGuard();
    TfsStackGuard(const TfsStackGuard &) = delete;
    TfsStackGuard &operator=(const TfsStackGuard &) = delete;

    static constexpr long kBudgetBytes = 2L * 1024 * 1024;

private:
    bool m_isBase = false;
};

#include "report/engine/tfsstackguard.h"

#include "report/engine/tfserror.h"

namespace {
thread_local const char *t_base = nullptr;
}

TfsStackGuard::TfsStackGuard(const char *what, int line, int column)
{
    const char *here = static_cast<const char *>(__builtin_frame_address(0));
    if (!t_base) {
        t_base = here;
        m_isBase = true;
        return;
    }
    const long used = t_base > here ? long(t_base - here) : long(here - t_base);
    if (used > kBudgetBytes)
        throw TfsError(QString::fromUtf8(what), line, column);
}

TfsStackGuard::~TfsStackGuard()
{
    if (m_isBase)
        t_base = nullptr;
}

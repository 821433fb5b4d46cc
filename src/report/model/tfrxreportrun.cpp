#include "report/model/tfrxreportrun.h"

#include "platform/loderaerror.h"

namespace {
TfrxReportRunFactory &factory()
{
    static TfrxReportRunFactory f;
    return f;
}
} // namespace

void frxSetReportRunFactory(TfrxReportRunFactory f) { factory() = std::move(f); }

bool frxHasReportRunFactory() { return bool(factory()); }

std::unique_ptr<TfrxReportRun> frxMakeReportRun(TfrxReport *report)
{
    if (!factory())
        throw LoderaError(QStringLiteral("Rapor çalıştırılamıyor: rapor motoru kurulmamış"));
    return factory()(report);
}

// `lodera-tool bench model`: what the object model costs a referral.
//   model.copy_rphasta_ms   the patient form written to memory and read back
//                           into a report, as every build does to restore it
//   model.findobject_32_ms  the 32 lookups with which the referral panel
//                           fills both copies of the form
//   model.copy_rphasta_cpu_ms  the copy in processor time of this thread, which
//                           a busy machine does not inflate the way it does the
//                           wall-clock figure
#include "toolcommand.h"

#include "report/model/frxtemplates.h"
#include "report/model/tfrxreport.h"

#include <QBuffer>
#include <QElapsedTimer>

namespace {

const char *const kFillNames[] = {"MKurum", "MMemur", "MHasta",   "MGorev", "MSicil", "MKadro",
                                  "MAdres", "MKimlik", "MKimlikH", "MVergi", "MKarne", "MYetkili",
                                  "MUnvan", "MTarih",  "MCikis",   "MSaglik"};

int benchModel(const QStringList &)
{
    const std::unique_ptr<TfrxReport> form = CreateTemplate(TemplateName::RpHasta);
    const qsizetype objects = form->AllObjects().size();

    std::vector<double> copyTimes;
    std::vector<double> copyCpuTimes;
    TfrxReport copy;
    for (int run = 0; run < 100; ++run) {
        QElapsedTimer timer;
        const double cpuStart = tool::threadCpuMs();
        timer.start();
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        form->SaveToStream(&buffer);
        buffer.seek(0);
        const QStringList errors = copy.LoadFromStream(&buffer);
        copyTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        copyCpuTimes.push_back(tool::threadCpuMs() - cpuStart);
        if (!errors.isEmpty() || copy.AllObjects().size() != objects) {
            tool::err(QStringLiteral("kopya eksik: %1 nesne yerine %2; %3")
                          .arg(objects)
                          .arg(copy.AllObjects().size())
                          .arg(errors.join(QLatin1String("; "))));
            return 1;
        }
    }

    QStringList names;
    for (const char *n : kFillNames)
        names << QLatin1String(n) << QLatin1String(n) + QLatin1Char('2');
    std::vector<double> findTimes;
    for (int run = 0; run < 500; ++run) {
        int found = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QString &n : std::as_const(names))
            found += form->FindObject(n) != nullptr;
        findTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (found != 32) {
            tool::err(QStringLiteral("yalnız %1 doldurma alanı bulundu").arg(found));
            return 1;
        }
    }

    tool::figure(QStringLiteral("model.copy_rphasta_ms"), tool::median(copyTimes));
    tool::figure(QStringLiteral("model.findobject_32_ms"), tool::median(findTimes));
    tool::figure(QStringLiteral("model.copy_rphasta_cpu_ms"), tool::median(copyCpuTimes));
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("model", benchModel);

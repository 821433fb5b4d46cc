// `lodera-tool render TEMPLATE --db FILE --out FILE.pdf [--set NAME=TEXT ...]
// [--staff SIRANO]`: builds one of the program's templates from a database
// through the report engine and paints every page into a PDF file. --set
// writes a text into a named memo first, as the referral panel fills its
// forms; --staff makes that staff member current (the personal list and the
// referral forms follow the current row).
#include "toolcommand.h"

#include "reportsession.h"

#include "report/model/tfrxreport.h"
#include "report/output/tfrxpreviewpages.h"

namespace {

const char *kUsage = "RpHasta|RpDis|RpDetay|RpKisisel --db FILE --out FILE.pdf [--set NAME=TEXT ...] [--staff SIRANO]";

int usageError(const QString &why)
{
    tool::err(why);
    tool::err(QStringLiteral("kullanım: lodera-tool render %1").arg(QString::fromLatin1(kUsage)));
    return 2;
}

int runRender(const QStringList &args)
{
    QString templateText, dbFile, outFile;
    std::vector<std::pair<QString, QString>> texts;
    int staff = -1;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--db") && hasValue) {
            dbFile = args[++i];
        } else if (a == QLatin1String("--out") && hasValue) {
            outFile = args[++i];
        } else if (a == QLatin1String("--set") && hasValue) {
            const QString pair = args[++i];
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return usageError(QStringLiteral("--set AD=METİN bekleniyordu: %1").arg(pair));
            texts.emplace_back(pair.left(eq), pair.mid(eq + 1));
        } else if (a == QLatin1String("--staff") && hasValue) {
            bool ok = false;
            staff = args[++i].toInt(&ok);
            if (!ok)
                return usageError(QStringLiteral("--staff bir sıra numarası bekliyor: %1").arg(args[i]));
        } else if (!a.startsWith(QLatin1String("--")) && templateText.isEmpty()) {
            templateText = a;
        } else {
            return usageError(QStringLiteral("anlaşılmayan seçenek: %1").arg(a));
        }
    }
    if (templateText.isEmpty() || dbFile.isEmpty() || outFile.isEmpty())
        return usageError(QStringLiteral("şablon, --db ve --out gerekli"));
    const std::optional<TemplateName> name = TemplateByName(templateText);
    if (!name)
        return usageError(QStringLiteral("bilinmeyen şablon: %1").arg(templateText));

    ReportSession session(dbFile);
    if (staff >= 0 && !session.selectStaff(staff)) {
        tool::err(QStringLiteral("bu sıra numarasıyla personel yok: %1").arg(staff));
        return 1;
    }
    std::unique_ptr<TfrxReport> report = session.makeReport(*name, texts);
    const bool built = report->BuildPages(true);
    for (const QString &line : report->Errors())
        tool::err(line);
    if (!built)
        return 1;
    PaintPagesToPdf(*report, outFile);
    tool::out(QStringLiteral("%1 sayfa: %2").arg(report->PreviewPages()->PageCount()).arg(outFile));
    return 0;
}

} // namespace

LODERA_TOOL_COMMAND("render", kUsage, runRender);

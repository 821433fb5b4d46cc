// `lodera-tool printers`: the printers as the report engine sees them - the
// list with the current printer, and for the current one its resolution,
// papers, trays and the unprintable margins of A4 upright and turned.
#include "toolcommand.h"

#include "report/output/tfrxprinters.h"

namespace {

QString mm(double v)
{
    return QString::number(v, 'f', 2);
}

QString layout(TfrxCustomPrinter *p, bool landscape)
{
    p->ApplyPageLayout(9, 210, 297, landscape);
    return QStringLiteral("A4 %1: kağıt %2 x %3 mm, basılamayan kenarlar sol %4 üst %5 sağ %6 alt %7 mm")
        .arg(landscape ? QStringLiteral("yatay") : QStringLiteral("dikey"), mm(p->PaperWidthMM()),
             mm(p->PaperHeightMM()), mm(p->OffsetLeft()), mm(p->OffsetTop()), mm(p->OffsetRight()),
             mm(p->OffsetBottom()));
}

int printers(const QStringList &)
{
    TfrxPrinters *list = PrinterList();
    tool::out(list->HasRealPrinters() ? QStringLiteral("Yazıcılar:")
                                      : QStringLiteral("Yazıcılar (kurulu yazıcı yok, sanal yazıcı kullanılıyor):"));
    for (int i = 0; i < list->Count(); ++i)
        tool::out(QStringLiteral("%1 %2").arg(i == list->CurrentIndex() ? QStringLiteral("*") : QStringLiteral(" "),
                                             list->PrinterNames()[i]));
    TfrxCustomPrinter *p = list->Current();
    if (!p) {
        tool::out(QStringLiteral("Geçerli yazıcı yok"));
        return 1;
    }
    tool::out(QStringLiteral("Geçerli yazıcı: %1").arg(p->DeviceName()));
    if (!p->Prepared()) {
        tool::out(QStringLiteral("Yazıcının ayarları okunamadı"));
        return 1;
    }
    tool::out(QStringLiteral("Çözünürlük: %1 x %2 dpi").arg(p->Resolution().x()).arg(p->Resolution().y()));
    tool::out(QStringLiteral("Varsayılan kağıt: %1 (%2 x %3 mm, %4)")
                  .arg(p->DefaultPaper())
                  .arg(mm(p->DefaultPaperWidth()), mm(p->DefaultPaperHeight()),
                       p->DefaultLandscape() ? QStringLiteral("yatay") : QStringLiteral("dikey")));
    tool::out(QStringLiteral("Kağıtlar:"));
    for (qsizetype i = 0; i < p->PaperNames().size(); ++i)
        tool::out(QStringLiteral("  %1 %2").arg(p->PaperCodes()[i], 4).arg(p->PaperNames()[i]));
    tool::out(QStringLiteral("Kasetler:"));
    for (qsizetype i = 0; i < p->BinNames().size(); ++i)
        tool::out(QStringLiteral("  %1 %2").arg(p->BinCodes()[i], 4).arg(p->BinNames()[i]));
    tool::out(layout(p, false));
    tool::out(layout(p, true));
    return 0;
}

} // namespace

LODERA_TOOL_COMMAND("printers", "yazıcı listesi, geçerli yazıcının çözünürlüğü, kağıtları, kasetleri ve A4 kenar boşlukları",
                    printers);

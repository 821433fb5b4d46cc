// `lodera-tool bench xml`: the XML layer's share of copying a template. The
// document is shaped like the patient referral form: one page of 112 memos
// with the attributes such a memo carries.
#include "toolcommand.h"

#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlitem.h"

#include <QBuffer>
#include <QElapsedTimer>

namespace {

void fillFormLike(TfrxXMLDocument &doc)
{
    TfrxXMLItem *report = doc.Root();
    report->SetElementName(QStringLiteral("TfrxReport"));
    report->SetAttrText(QStringLiteral("Name=\"\" PrintOptions.Printer=\"Varsayılan\" ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\""));
    TfrxXMLItem *page = report->Add(QStringLiteral("TfrxReportPage"));
    page->SetAttrText(QStringLiteral("Name=\"Page1\" Orientation=\"poLandscape\" PaperWidth=\"297\" PaperHeight=\"210\" PaperSize=\"9\""));
    for (int i = 0; i < 112; ++i) {
        TfrxXMLItem *memo = page->Add(QStringLiteral("TfrxMemoView"));
        memo->SetAttr(QStringLiteral("Name"), QStringLiteral("Memo%1").arg(i + 1));
        memo->SetAttr(QStringLiteral("Left"), QStringLiteral("234,3309"));
        memo->SetAttr(QStringLiteral("Top"), QStringLiteral("75,5906"));
        memo->SetAttr(QStringLiteral("Width"), QStringLiteral("219,2126"));
        memo->SetAttr(QStringLiteral("Height"), QStringLiteral("30,2362"));
        memo->SetAttr(QStringLiteral("Font.Charset"), QStringLiteral("1"));
        memo->SetAttr(QStringLiteral("Font.Height"), QStringLiteral("-9"));
        memo->SetAttr(QStringLiteral("Font.Name"), QStringLiteral("Arial"));
        memo->SetAttr(QStringLiteral("ParentFont"), QStringLiteral("False"));
        memo->SetAttr(QStringLiteral("Frame.Typ"), QStringLiteral("15"));
        memo->SetAttr(QStringLiteral("GapX"), QStringLiteral("5"));
        memo->SetAttr(QStringLiteral("Memo.Text"), QStringLiteral("Memurun Soyadı - Adı\r\nİkinci satır"));
    }
}

int benchXml(const QStringList &)
{
    TfrxXMLDocument source;
    fillFormLike(source);
    std::vector<double> times;
    for (int run = 0; run < 200; ++run) {
        QElapsedTimer timer;
        timer.start();
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        source.SaveToStream(&out);
        QBuffer in;
        in.setData(bytes);
        in.open(QIODevice::ReadOnly);
        TfrxXMLDocument copy;
        copy.LoadFromStream(&in);
        qsizetype seen = 0;
        const TfrxXMLItem *page = copy.Root()->Item(0);
        for (qsizetype i = 0; i < page->Count(); ++i)
            seen += page->Item(i)->GetAttr(QStringLiteral("Memo.Text")).size();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (seen == 0)
            return 1;
    }
    tool::figure(QStringLiteral("xml.roundtrip_112_ms"), tool::median(times));
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("xml", benchXml);

#pragma once
// A small list template and a hand-driven run over it, as the band engine
// drives the store: one page with a page footer and a data band of two memos.
#include "report/base/tfrxxmlitem.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxxmlserializer.h"
#include "report/output/tfrxpreviewpages.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace previewpagestest {

template <typename T> T *make(TfrxComponent *owner, const char *name)
{
    auto *c = new T(owner);
    c->SetName(QString::fromLatin1(name));
    return c;
}

// A host standing in for the engine.
struct FakeEngine : TfrxPreviewPagesHost
{
    double y = 0;
    bool finalPass = true;
    QList<int> progressPages;
    double CurY() const override { return y; }
    bool FinalPass() const override { return finalPass; }
    void StoreProgress(TfrxProgressEvent event, TfrxProgressType, int page) override
    {
        if (event == TfrxProgressEvent::Progress)
            progressPages.append(page);
    }
};

struct ListReport : ::testing::Test
{
    TfrxReport report;
    TfrxReportPage *page = make<TfrxReportPage>(&report, "Page1");
    TfrxMasterData *band = make<TfrxMasterData>(page, "MasterData1");
    TfrxMemoView *name = make<TfrxMemoView>(band, "MemoName");
    TfrxMemoView *count = make<TfrxMemoView>(band, "MemoCount");
    TfrxPageFooter *footer = make<TfrxPageFooter>(page, "PageFooter1");
    TfrxMemoView *pageNo = make<TfrxMemoView>(footer, "MemoPage");
    TfrxPreviewPages store{&report};
    FakeEngine engine;

    ListReport()
    {
        band->SetBounds(0, 100, 718, 20);
        name->SetBounds(10, 0, 200, 18);
        name->SetText(QStringLiteral("[Adi]"));
        count->SetBounds(220, 0, 60, 18);
        count->SetText(QStringLiteral("[Sayi]"));
        footer->SetBounds(0, 1000, 718, 30);
        pageNo->SetBounds(300, 5, 100, 18);
        pageNo->SetText(QStringLiteral("Sayfa: [Page#]"));
        store.SetHost(&engine);
    }

    void begin()
    {
        store.BeginRun();
        store.CopyTemplatePage(page);
        store.MarkPassStart();
    }

    // One output row at y, the memo texts as the engine would have expanded them.
    void row(double y, const QString &adi, const QString &sayi)
    {
        const QStringList n = name->Memo();
        const QStringList c = count->Memo();
        band->SetTop(y);
        name->SetText(adi);
        count->SetText(sayi);
        store.RecordBand(band);
        band->SetTop(100);
        name->SetMemo(n);
        count->SetMemo(c);
    }

    void footerAt(double y, int pageNumber)
    {
        const QStringList t = pageNo->Memo();
        footer->SetTop(y);
        pageNo->SetText(QStringLiteral("Sayfa: %1").arg(pageNumber));
        store.RecordBand(footer);
        footer->SetTop(1000);
        pageNo->SetMemo(t);
    }

    // pages x rows, a footer on each page.
    void run(int pages, int rows)
    {
        begin();
        for (int p = 0; p < pages; ++p) {
            store.StartOutputPage(page);
            for (int r = 0; r < rows; ++r)
                row(r * 20.0, QStringLiteral("Kişi %1-%2").arg(p).arg(r), QString::number(r));
            footerAt(1000, p + 1);
        }
        store.EndRun();
    }

    // The rebuilt page as text: the whole tree as the serializer writes it.
    static QByteArray pageText(TfrxReportPage *p)
    {
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        TfrxXMLSerializer(&out).WriteComponentTree(p, TfrxWithChildren::Yes);
        return bytes;
    }

    // Element name and attribute text of the page's object at a path of child indexes.
    std::pair<QString, QString> element(int pageIndex, std::initializer_list<int> path)
    {
        std::unique_ptr<TfrxXMLItem> e = store.PageElement(pageIndex);
        const TfrxXMLItem *item = e.get();
        for (int i : path) {
            if (!item || i >= item->Count())
                return {};
            item = item->Item(i);
        }
        return {item->ElementName(), item->AttrText()};
    }
};

} // namespace previewpagestest

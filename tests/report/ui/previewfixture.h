#pragma once
// A report whose store is filled by hand, as the band engine fills it: every
// output page a copy of one A4 page holding memo lines at given texts.
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxpreviewpages.h"

#include "modalwatcher.h"

#include <gtest/gtest.h>

namespace previewtest {

struct PagedReport
{
    TfrxReport report;
    TfrxReportPage *page;
    TfrxMasterData *band;
    TfrxMemoView *memo;

    PagedReport()
    {
        page = new TfrxReportPage(&report);
        page->SetName(QStringLiteral("Page1"));
        band = new TfrxMasterData(page);
        band->SetName(QStringLiteral("MasterData1"));
        band->SetBounds(0, 0, 718, 20);
        memo = new TfrxMemoView(band);
        memo->SetName(QStringLiteral("Memo1"));
        memo->SetBounds(10, 0, 300, 18);
    }

    TfrxPreviewPages *store() { return report.PreviewPages(); }

    // One output page per entry, each with one memo line per text.
    void fill(const QList<QStringList> &pages)
    {
        TfrxPreviewPages *s = store();
        s->Reset();
        s->BeginRun();
        s->CopyTemplatePage(page);
        for (const QStringList &lines : pages) {
            s->StartOutputPage(page);
            for (int i = 0; i < lines.size(); ++i) {
                band->SetTop(40 + i * 20.0);
                memo->SetText(lines[i]);
                s->RecordBand(band);
            }
        }
        s->EndRun();
        band->SetTop(0);
    }

    void fillBlank(int count)
    {
        QList<QStringList> pages;
        for (int i = 0; i < count; ++i)
            pages.append(QStringList{QStringLiteral("Sayfa %1").arg(i + 1)});
        fill(pages);
    }
};

} // namespace previewtest

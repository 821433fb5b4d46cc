#pragma once
// A report with one page of exactly 100 pixels of printable height (paper
// height 100 / 3.77953 mm, no margins) and helpers that add bands and memos.
#include "enginetestpages.h"

#include "report/engine/tfrxengine.h"
#include "report/engine/tfrxuserdataset.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"

#include <gtest/gtest.h>

class EngineFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page = new TfrxReportPage(&report);
        page->SetName("Page1");
        page->SetTopMargin(0);
        page->SetBottomMargin(0);
        page->SetPaperHeight(100 / 3.77953);
    }
    template <class T> T *add(const char *name, double top, double height, TfrxComponent *parent = nullptr)
    {
        auto *b = new T(parent ? parent : page);
        b->SetName(name);
        b->SetTop(top);
        b->SetHeight(height);
        return b;
    }
    template <class T> T *rows(const char *name, double top, double height, int count)
    {
        T *b = add<T>(name, top, height);
        b->SetRowCount(count);
        return b;
    }
    TfrxMemoView *memo(TfrxComponent *band, const char *name, double left, double top, double width, double height,
                       const QString &text = {})
    {
        auto *m = new TfrxMemoView(band);
        m->SetName(name);
        m->SetLeft(left);
        m->SetTop(top);
        m->SetWidth(width);
        m->SetHeight(height);
        m->SetText(text);
        return m;
    }
    QStringList run()
    {
        EXPECT_TRUE(engine.Run()) << report.Errors().join("\n").toStdString();
        return store.Records();
    }

    TfrxReport report;
    TfrxReportPage *page = nullptr;
    EngineTestPages store{&report};
    TfrxEngine engine{&report, &store};
};

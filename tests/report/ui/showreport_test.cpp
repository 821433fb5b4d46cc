// Showing a report: the preview window opens at once, modal, the pages are
// built into it from its own message loop, and ShowReport returns when it
// closes.
#include "modalwatcher.h"

#include "report/model/tfrxgroupfooter.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreporttitle.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewreportrun.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace previewtest;

namespace {

struct ShowReport : ::testing::Test
{
    std::unique_ptr<TfrxReport> report;
    TfrxMemoView *memo = nullptr;

    ShowReport()
    {
        frxInstallReportPreview();
        report = std::make_unique<TfrxReport>();
        auto *page = new TfrxReportPage(report.get());
        page->SetName(QStringLiteral("Page1"));
        auto *title = new TfrxReportTitle(page);
        title->SetName(QStringLiteral("ReportTitle1"));
        title->SetBounds(0, 0, 718, 40);
        memo = new TfrxMemoView(title);
        memo->SetName(QStringLiteral("Memo1"));
        memo->SetBounds(10, 10, 300, 20);
        memo->SetText(QStringLiteral("HASTA SEVK KAĞIDI"));
        report->PreviewOptions()->SetMaximized(false);
    }
    ~ShowReport() override { frxInstallReportUi(); }

    struct Seen
    {
        QString window;
        bool openBeforeBuild = false;
        int pages = -1;
    };

    // Shows the report and, inside the modal window, waits for the build to
    // end, notes what it saw and closes the window.
    Seen show()
    {
        Seen seen;
        ModalWatcher watcher([&](QWidget *w) {
            seen.window = QString::fromLatin1(w->metaObject()->className());
            auto *form = qobject_cast<TfrxPreviewForm *>(w);
            if (!form)
                return;
            TfrxPreview *preview = form->Preview();
            seen.openBeforeBuild = preview->PageCount() == 0 && !preview->Preparing();
            QElapsedTimer t;
            t.start();
            while ((preview->Preparing() || preview->PageCount() == 0) && t.elapsed() < 10000)
                QApplication::processEvents(QEventLoop::AllEvents, 10);
            seen.pages = preview->PageCount();
            form->Button("CancelB")->click();
        });
        report->ShowReport(true);
        return seen;
    }
};

TEST_F(ShowReport, OpensTheWindowFirstAndBuildsIntoIt)
{
    const Seen first = show();
    EXPECT_EQ(first.window, "TfrxPreviewForm");
    EXPECT_TRUE(first.openBeforeBuild) << "the window shows before the delayed build starts";
    EXPECT_EQ(first.pages, 1);
    EXPECT_EQ(report->Preview(), nullptr) << "the closed window is gone";

    // Shown again with the previous result cleared: one page again.
    const Seen second = show();
    EXPECT_EQ(second.pages, 1);
    EXPECT_EQ(report->PreviewPages()->PageCount(), 1);
}

// A build that fails inside the open window closes the window, and the
// errors then show in the error box.
TEST_F(ShowReport, FailedBuildClosesTheWindowAndShowsTheErrorBox)
{
    auto *page = qobject_cast<TfrxReportPage *>(report->Pages(0));
    auto *footer = new TfrxGroupFooter(page); // a group footer without its header
    footer->SetName(QStringLiteral("GroupFooter1"));
    footer->SetBounds(0, 100, 718, 20);

    QStringList seen;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool previewVisibleUnderBox = true;
    ModalWatcher watcher([&](QWidget *w) {
        seen.append(QString::fromLatin1(w->metaObject()->className()));
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return; // the preview window: left to its build
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        previewVisibleUnderBox = false;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (qobject_cast<TfrxPreviewForm *>(top) && top->isVisible())
                previewVisibleUnderBox = true;
        box->accept();
    });
    QElapsedTimer t;
    t.start();
    report->ShowReport(true);
    EXPECT_LT(t.elapsed(), 10000);
    EXPECT_EQ(seen, (QStringList{"TfrxPreviewForm", "QMessageBox"}));
    EXPECT_FALSE(previewVisibleUnderBox) << "the window closed before the box showed";
    EXPECT_EQ(text, QString::fromUtf8("Aşağıdaki hata(lar) oluştu:\nGrup başlığı olmayan GroupFooter1"));
    EXPECT_EQ(title, "Hata");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(report->Preview(), nullptr);
}

} // namespace

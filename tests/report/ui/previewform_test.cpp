// The preview window offscreen: layout of the pages in the workspace, zoom
// and its box, the current page while scrolling, keys, the toolbar the
// options ask for, and a preparation in progress.
#include "previewfixture.h"

#include "report/output/tfrxprinters.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpagesettingsform.h"
#include "report/ui/tfrxpreviewworkspace.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace previewtest;

namespace {

using B = TfrxPreviewButton;

struct PreviewWindow : ::testing::Test
{
    PagedReport r;
    std::unique_ptr<TfrxPreviewForm> form;

    void open(int pages, TfrxPreviewButtons buttons = B::pbPrint | B::pbZoom | B::pbPageSetup | B::pbTools | B::pbFind)
    {
        r.fillBlank(pages);
        r.report.PreviewOptions()->SetButtons(buttons);
        r.report.PreviewOptions()->SetMaximized(false);
        form = std::make_unique<TfrxPreviewForm>();
        r.report.SetPreview(form->Preview());
        form->ApplyOptions(&r.report);
        form->show();
        QApplication::processEvents();
    }

    TfrxPreview *preview() { return form->Preview(); }
    TfrxPreviewWorkspace *workspace() { return preview()->Workspace(); }

    // Makes the workspace's client area exactly w x h pixels.
    void clientSize(int w, int h)
    {
        form->resize(form->width() + w - workspace()->ClientWidth(), form->height() + h - workspace()->ClientHeight());
        QApplication::processEvents();
        ASSERT_EQ(workspace()->ClientWidth(), w);
        ASSERT_EQ(workspace()->ClientHeight(), h);
    }

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(workspace(), Qt::Key(k), mods);
        QApplication::processEvents();
    }

    QString visibleToolbar()
    {
        QStringList names;
        for (QAction *a : form->findChild<QToolBar *>()->actions()) {
            if (!a->isVisible())
                continue;
            const QString n = a->objectName();
            names.append(n == QLatin1String("Separator") ? QStringLiteral("|") : n.chopped(6));
        }
        return names.join(QLatin1Char(' '));
    }
};

TEST_F(PreviewWindow, CentresAnA4PageWhenItFitsElseTenFromTheLeft)
{
    open(1);
    clientSize(1000, 600);
    EXPECT_EQ(preview()->PageRect(0).left(), 103); // round((1000 - 794) / 2)
    clientSize(700, 600);
    EXPECT_EQ(preview()->PageRect(0).left(), 10);
}

TEST_F(PreviewWindow, TwoPagesSideBySideCentredAsAPair)
{
    open(3);
    clientSize(1620, 600);
    preview()->SetZoomMode(TfrxZoomMode::zmManyPages);
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 1.0); // (1620 - 32) / (2 * 794)
    // the pair is 794 + 10 + 794 = 1598 wide: left round((1620 - 1598) / 2) = 11
    EXPECT_EQ(preview()->PageRect(0), QRect(11, 10, 794, 1123));
    EXPECT_EQ(preview()->PageRect(1), QRect(11 + 794 + 10, 10, 794, 1123));
    EXPECT_EQ(preview()->PageRect(2).top(), 10 + 1123 + 10);
    // Any zoom goes back to one column.
    preview()->SetZoom(1.0);
    EXPECT_EQ(preview()->ZoomMode(), TfrxZoomMode::zmDefault);
    EXPECT_EQ(preview()->PageRect(1).top(), 10 + 1123 + 10);
}

struct ZoomModeCase
{
    const char *name;
    TfrxZoomMode mode;
    int w, h;
    double expected;
};

class ZoomModeTest : public PreviewWindow, public ::testing::WithParamInterface<ZoomModeCase>
{
};

TEST_P(ZoomModeTest, ComputesTheZoomFromTheClientSize)
{
    const ZoomModeCase &c = GetParam();
    open(2);
    clientSize(c.w, c.h);
    preview()->SetZoomMode(c.mode);
    EXPECT_NEAR(preview()->Zoom(), c.expected, 1e-12);
    EXPECT_EQ(form->ZoomBox()->currentText(), QString::number(qRound(c.expected * 100)) + QLatin1Char('%'));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ZoomModeTest,
    ::testing::Values(ZoomModeCase{"WholePage", TfrxZoomMode::zmWholePage, 900, 581, 561.0 / 1123},
                      ZoomModeCase{"PageWidth", TfrxZoomMode::zmPageWidth, 417, 500, 397.0 / 794},
                      ZoomModeCase{"ManyPages", TfrxZoomMode::zmManyPages, 826, 500, 794.0 / 1588}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewWindow, ZoomNeverGoesBelowAQuarter)
{
    open(1);
    preview()->SetZoom(0.1);
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 0.25);
    EXPECT_EQ(form->ZoomBox()->currentText(), "25%");

    // The zoom tool: right click zooms out by 0.25 but stays at 0.25; left
    // click zooms in.
    form->Button("ZoomToolB")->click();
    QWidget *vp = workspace()->viewport();
    QTest::mouseClick(vp, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 0.25);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 0.5);
}

struct ZoomTextCase
{
    const char *name;
    const char *typed;
    double expected;     // zoom afterwards
    bool refused;        // a message box says why
};

class ZoomTextTest : public PreviewWindow, public ::testing::WithParamInterface<ZoomTextCase>
{
};

TEST_P(ZoomTextTest, EnterInTheZoomBox)
{
    const ZoomTextCase &c = GetParam();
    open(1);
    preview()->SetZoom(0.75);
    ModalWatcher watcher;
    QLineEdit *edit = form->ZoomBox()->lineEdit();
    edit->setFocus();
    edit->setText(QString::fromUtf8(c.typed));
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(preview()->Zoom(), c.expected);
    EXPECT_EQ(watcher.classes.size(), c.refused ? 1 : 0);
    if (c.refused) {
        EXPECT_TRUE(watcher.texts.value(0).contains(QString::fromUtf8(c.typed).trimmed())) << watcher.texts.value(0).toStdString();
        EXPECT_EQ(form->ZoomBox()->currentText(), "75%");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ZoomTextTest,
    ::testing::Values(ZoomTextCase{"Number", "150", 1.5, false},
                      ZoomTextCase{"BlanksAndPercent", " 150 %", 1.5, false},
                      ZoomTextCase{"DecimalComma", "62,5%", 0.625, false},
                      ZoomTextCase{"NothingLeftKeepsTheZoom", " % ", 0.75, false},
                      ZoomTextCase{"NoNumberIsRefused", "yüz", 0.75, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreviewWindow, ZoomListModesAndValues)
{
    open(2);
    clientSize(417, 500);
    emit form->ZoomBox()->activated(6); // "Sayfa genişliği"
    EXPECT_EQ(preview()->ZoomMode(), TfrxZoomMode::zmPageWidth);
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 397.0 / 794);
    emit form->ZoomBox()->activated(7);
    EXPECT_EQ(preview()->ZoomMode(), TfrxZoomMode::zmWholePage);
    form->ZoomBox()->setCurrentIndex(4);
    emit form->ZoomBox()->activated(4); // "150%"
    EXPECT_EQ(preview()->ZoomMode(), TfrxZoomMode::zmDefault);
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 1.5);
}

TEST_F(PreviewWindow, APageIsCurrentOnceItsTopIsWithinAFifthOfItsHeight)
{
    open(3);
    clientSize(900, 500);
    const int page2Top = preview()->PageRect(1).top(); // 1143 at zoom 1
    ASSERT_EQ(page2Top, 1143);
    workspace()->SetVertPosition(page2Top - 226); // round(1123 / 5) = 225
    EXPECT_EQ(preview()->PageNo(), 1);
    workspace()->SetVertPosition(page2Top - 225);
    EXPECT_EQ(preview()->PageNo(), 2);
    EXPECT_EQ(form->PagePanel()->text(), "Sayfa 2 / 3");
}

TEST_F(PreviewWindow, KeysMoveBetweenPagesAndScroll)
{
    open(3);
    clientSize(900, 500);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(preview()->PageNo(), 2);
    EXPECT_EQ(workspace()->VertPosition(), 1143 - 10);
    key(Qt::Key_End);
    EXPECT_EQ(preview()->PageNo(), 3);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(preview()->PageNo(), 3) << "stays on the last page";
    key(Qt::Key_Home);
    EXPECT_EQ(preview()->PageNo(), 1);
    EXPECT_EQ(workspace()->VertPosition(), 0);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(preview()->PageNo(), 1);
    key(Qt::Key_PageDown);
    EXPECT_EQ(workspace()->VertPosition(), 300);
    key(Qt::Key_Down);
    EXPECT_EQ(workspace()->VertPosition(), 308);
    QWheelEvent wheel(QPointF(50, 50), workspace()->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -360),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(workspace()->viewport(), &wheel);
    EXPECT_EQ(workspace()->VertPosition(), 328) << "a wheel message scrolls 20 pixels, whatever its amount";
}

TEST_F(PreviewWindow, WithoutPagesThePageNumberIsZero)
{
    open(0);
    preview()->SetPageNo(5);
    EXPECT_EQ(preview()->PageNo(), 0);
}

TEST_F(PreviewWindow, FindKeysOnlyWithTheFindButton)
{
    for (const bool withFind : {false, true}) {
        open(2, B::pbPrint | B::pbZoom | (withFind ? B::pbFind : B(0)));
        ModalWatcher watcher;
        key(Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(watcher.classes, withFind ? QStringList{"TfrxSearchDialog"} : QStringList{}) << withFind;
        // F3 continues a search only once one was made; without the button
        // nothing has been searched and nothing happens either.
        key(Qt::Key_F3);
        EXPECT_EQ(preview()->Search().Made(), withFind) << withFind;
        form.reset();
    }
}

TEST_F(PreviewWindow, ToolbarShowsWhatTheOptionsAskFor)
{
    struct Case
    {
        TfrxPreviewButtons buttons;
        const char *expected;
    };
    const Case cases[] = {
        {B::pbPrint | B::pbZoom | B::pbPageSetup | B::pbTools,
         "PrintB | ZoomWholePageB ZoomPageWidthB Zoom100B Zoom50B ZoomCB | PageSettingsB | HandToolB ZoomToolB"},
        {B::pbPrint | B::pbZoom | B::pbPageSetup | B::pbTools | B::pbFind,
         "PrintB FindB | ZoomWholePageB ZoomPageWidthB Zoom100B Zoom50B ZoomCB | PageSettingsB | HandToolB ZoomToolB"},
        {B::pbPrint | B::pbNavigator, "PrintB | FirstB PriorB PageE NextB LastB"},
        {B::pbPrint | B::pbZoom | B::pbEdit,
         "PrintB | ZoomWholePageB ZoomPageWidthB Zoom100B Zoom50B ZoomCB | NewPageB DelPageB DesignerB"},
    };
    for (const Case &c : cases) {
        open(1, c.buttons);
        // The close button after its spacer always ends the bar.
        EXPECT_EQ(visibleToolbar().toStdString(), std::string(c.expected) + " Spacer CancelB");
        form.reset();
    }
}

TEST_F(PreviewWindow, TextsOfTheWindowAndItsButtons)
{
    open(1);
    EXPECT_EQ(form->windowTitle(), "Önizleme");
    EXPECT_EQ(form->Button("PrintB")->toolTip(), "Yazdır");
    EXPECT_EQ(form->Button("HandToolB")->toolTip(), "Taşıma Aracı");
    EXPECT_EQ(form->Button("CancelB")->text(), "Kapat");
    EXPECT_EQ(form->ZoomBox()->toolTip(), "Yakınlaştır");
    EXPECT_EQ(form->ZoomBox()->itemText(6), "Sayfa genişliği");
    EXPECT_EQ(form->ZoomBox()->itemText(7), "Tüm sayfa");
    EXPECT_EQ(form->PagePanel()->text(), "Sayfa 1 / 1");
    r.report.ReportOptions()->SetName(QStringLiteral("Personel Listesi"));
    form->ApplyOptions(&r.report);
    EXPECT_EQ(form->windowTitle(), "Personel Listesi");
}

TEST_F(PreviewWindow, PreparingDisablesButtonsAndEscCancelsInsteadOfClosing)
{
    open(0);
    preview()->RunStarted();
    EXPECT_FALSE(form->Button("PrintB")->isEnabled());
    EXPECT_FALSE(form->Button("FindB")->isEnabled());
    EXPECT_FALSE(form->Button("PageSettingsB")->isEnabled());
    EXPECT_TRUE(form->Button("ZoomWholePageB")->isEnabled());
    preview()->PageAdded(0);
    EXPECT_EQ(form->Button("CancelB")->text(), "Vazgeç");

    QTest::keyClick(workspace(), Qt::Key_Escape);
    EXPECT_TRUE(r.report.Terminated()) << "Esc cancels the preparation";
    EXPECT_TRUE(form->isVisible());
    form->close();
    EXPECT_TRUE(form->isVisible()) << "the window refuses to close while preparing";

    preview()->RunFinished();
    EXPECT_EQ(form->Button("CancelB")->text(), "Kapat");
    EXPECT_TRUE(form->Button("PrintB")->isEnabled());
    QTest::keyClick(workspace(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PreviewWindow, PrintButtonWithoutPrintersSaysSo)
{
    if (PrinterList()->HasRealPrinters())
        GTEST_SKIP() << "this machine has printers";
    open(1);
    ModalWatcher watcher;
    form->Button("PrintB")->click();
    EXPECT_EQ(watcher.texts, QStringList{"Bilgisayarınızda kurulu hiçbir yazıcı yok"});
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(preview()->Locked());
}

// Answers the page settings dialog: a left margin and where it applies.
ModalWatcher::Answer pageSettings(const QString &left, const char *applyTo)
{
    return [=](QWidget *w) {
        auto *d = qobject_cast<TfrxPageSettingsForm *>(w);
        ASSERT_NE(d, nullptr);
        d->findChild<QLineEdit *>(QStringLiteral("LeftE"))->setText(left);
        d->findChild<QRadioButton *>(QLatin1String(applyTo))->setChecked(true);
        d->accept();
    };
}

TEST_F(PreviewWindow, PageSettingsForTheCurrentPageChangeOnlyThatPage)
{
    open(3);
    preview()->SetPageNo(2);
    {
        ModalWatcher watcher(pageSettings(QStringLiteral("3"), "ApplyToCurRB"));
        form->Button("PageSettingsB")->click();
        EXPECT_EQ(watcher.classes, QStringList{"TfrxPageSettingsForm"});
    }
    TfrxPreviewPages *store = r.store();
    EXPECT_DOUBLE_EQ(store->BuildPage(1)->LeftMargin(), 30);
    EXPECT_DOUBLE_EQ(store->BuildPage(0)->LeftMargin(), r.page->LeftMargin());
    EXPECT_DOUBLE_EQ(store->BuildPage(2)->LeftMargin(), r.page->LeftMargin());
    EXPECT_EQ(store->PageCount(), 3);
    EXPECT_EQ(preview()->PageNo(), 1) << "unlocking goes back to page 1";
    EXPECT_FALSE(preview()->Locked());
}

TEST_F(PreviewWindow, PageSettingsForAllPagesPrepareTheReportAgain)
{
    open(3);
    r.report.EngineOptions()->SetSilentMode(true);
    {
        ModalWatcher watcher(pageSettings(QStringLiteral("3"), "ApplyToAllRB"));
        form->Button("PageSettingsB")->click();
    }
    // The template keeps the change; the store holds a new build of it (the
    // hand-made three pages are gone).
    auto *templatePage = qobject_cast<TfrxReportPage *>(r.report.Pages(0));
    ASSERT_NE(templatePage, nullptr);
    EXPECT_DOUBLE_EQ(templatePage->LeftMargin(), 30);
    ASSERT_GE(r.store()->PageCount(), 1);
    EXPECT_NE(r.store()->PageCount(), 3);
    EXPECT_DOUBLE_EQ(r.store()->BuildPage(0)->LeftMargin(), 30);
    EXPECT_FALSE(preview()->Preparing());
}

} // namespace

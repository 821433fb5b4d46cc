// The preview window offscreen: layout of the pages in the workspace, zoom
// and its box, the current page while scrolling, keys, the toolbar the
// options ask for, and a preparation in progress.
#include "previewfixture.h"

#include "report/base/frxunits.h"
#include "report/base/tfrxxmlitem.h"
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
        SCOPED_TRACE(withFind);
        open(2, B::pbPrint | B::pbZoom | (withFind ? B::pbFind : B(0)));
        ModalWatcher watcher;
        key(Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(watcher.classes, withFind ? QStringList{"TfrxSearchDialog"} : QStringList{});
        // A search found "Sayfa" on the first page; F3 goes on to the second
        // page only when the window offers the find button.
        preview()->Search().Start(QStringLiteral("Sayfa"), false, 0);
        ASSERT_TRUE(preview()->RunSearch());
        ASSERT_EQ(preview()->Search().FoundPage(), 0);
        key(Qt::Key_F3);
        EXPECT_EQ(preview()->Search().FoundPage(), withFind ? 1 : 0);
        form.reset();
    }
}

// The pointer over the objects of a page: a URL shows in the message panel
// with the hand pointer (or the object's own pointer), and a click with the
// hand tool follows it - "@n" to page n, "#name" to the anchor's page and place.
struct PreviewMouse : PreviewWindow
{
    static constexpr double kAnchorTop = 300;

    void SetUp() override
    {
        TfrxPreviewPages *s = r.store();
        s->Reset();
        s->BeginRun();
        s->CopyTemplatePage(r.page);
        for (int page = 0; page < 3; ++page) {
            s->StartOutputPage(r.page);
            if (page == 2) {
                s->StoreAnchor(QStringLiteral("Bitis"));
                s->FindAnchorItem(QStringLiteral("Bitis"))->SetAttr(QStringLiteral("top"), QString::number(kAnchorTop));
            }
            const struct
            {
                const char *text, *url;
                int cursor;
            } lines[] = {{"Sayfa", "", 0}, {"Üçüncü sayfa", "@3", 0}, {"Son", "#Bitis", -4}};
            for (int i = 0; i < (page == 0 ? 3 : 1); ++i) {
                r.band->SetTop(40 + i * 20.0);
                r.memo->SetText(QString::fromUtf8(lines[i].text));
                r.memo->SetURL(QString::fromUtf8(lines[i].url));
                r.memo->SetCursor(lines[i].cursor);
                r.store()->RecordBand(r.band);
            }
        }
        s->EndRun();
        r.band->SetTop(0);
        r.memo->SetURL(QString());
        r.memo->SetCursor(0);

        r.report.PreviewOptions()->SetButtons(B::pbPrint | B::pbZoom | B::pbTools);
        r.report.PreviewOptions()->SetMaximized(false);
        form = std::make_unique<TfrxPreviewForm>();
        r.report.SetPreview(form->Preview());
        form->ApplyOptions(&r.report);
        form->show();
        QApplication::processEvents();
        clientSize(1000, 600);
        preview()->SetZoom(1.0);
    }

    // The viewport point 5 pixels into line `line` of the first page: the
    // memo is 10 pixels right of the page's left margin, its band 40 + 20 *
    // line below the top margin.
    QPoint onLine(int line)
    {
        const QRect page = preview()->PageRect(0);
        const int x = page.left() + qRound(r.page->LeftMargin() * fr1mm) + 10 + 5;
        const int y = page.top() + qRound(r.page->TopMargin() * fr1mm) + 40 + 20 * line + 5;
        return {x - workspace()->HorzPosition(), y - workspace()->VertPosition()};
    }

    QWidget *viewport() { return workspace()->viewport(); }
    QString message() { return form->MessagePanel()->text(); }
    void move(QPoint at)
    {
        QTest::mouseMove(viewport(), at);
        QApplication::processEvents();
    }
    void click(QPoint at)
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    }
};

TEST_F(PreviewMouse, MovingOverAnObjectShowsItsUrlAndPointer)
{
    const struct
    {
        int line;
        const char *message;
        Qt::CursorShape pointer;
    } cases[] = {
        {1, "@3", Qt::PointingHandCursor}, // a URL and no pointer of its own: the hand
        {0, "", Qt::OpenHandCursor},       // no URL: the tool's pointer, the panel cleared
        {2, "#Bitis", Qt::IBeamCursor},    // the object's own pointer wins
        {5, "", Qt::OpenHandCursor},       // the empty page below the lines
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        move(onLine(c.line));
        EXPECT_EQ(message(), QString::fromUtf8(c.message));
        EXPECT_EQ(viewport()->cursor().shape(), c.pointer);
    }
    // With the zoom tool the tool's pointer stays the default.
    form->ZoomToolBClick();
    move(onLine(0));
    EXPECT_EQ(viewport()->cursor().shape(), Qt::CrossCursor);
    move(onLine(1));
    EXPECT_EQ(message(), "@3");
    EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(PreviewMouse, HandToolClickFollowsPageAndAnchorLinks)
{
    click(onLine(1));
    EXPECT_EQ(preview()->PageNo(), 3);
    EXPECT_EQ(form->PagePanel()->text(), "Sayfa 3 / 3");

    preview()->GoFirst();
    click(onLine(2));
    // The anchor's page scrolled to its place: page top + round((300 + top
    // margin) * zoom) - 10.
    const int expected = preview()->PageRect(2).top() + qRound(kAnchorTop + r.page->TopMargin() * fr1mm) - 10;
    EXPECT_EQ(workspace()->VertPosition(), std::min(expected, workspace()->verticalScrollBar()->maximum()));
    EXPECT_EQ(preview()->PageNo(), 3);

    // A click on an object without a URL goes nowhere.
    preview()->GoFirst();
    click(onLine(0));
    EXPECT_EQ(preview()->PageNo(), 1);
}

TEST_F(PreviewMouse, ZoomToolAndLockIgnoreTheLinks)
{
    form->ZoomToolBClick();
    click(onLine(1));
    EXPECT_EQ(preview()->PageNo(), 1);
    EXPECT_DOUBLE_EQ(preview()->Zoom(), 1.25);

    preview()->SetZoom(1.0);
    form->HandToolBClick();
    move(onLine(0));
    preview()->Lock();
    move(onLine(1));
    EXPECT_EQ(message(), "");
    click(onLine(1));
    EXPECT_EQ(preview()->PageNo(), 1);
    preview()->Unlock();
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

// Finding text in the drawn pages: Turkish case folding, find-next across
// pages, the end of the pages, and the preview scrolling the match into view.
#include "previewfixture.h"

#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewform.h"
#include "report/ui/tfrxpreviewworkspace.h"
#include "report/ui/tfrxsearchdialog.h"
#include "report/ui/tfrxtextsearch.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

using namespace previewtest;

namespace {

struct FoldCase
{
    const char *name;
    const char *line;
    const char *wanted;
    bool matchCase;
    bool found;
};

class ContainsTest : public ::testing::TestWithParam<FoldCase>
{
};

TEST_P(ContainsTest, ComparesUnderTheCaseRule)
{
    const FoldCase &c = GetParam();
    EXPECT_EQ(TfrxTextSearch::Contains(QString::fromUtf8(c.line), QString::fromUtf8(c.wanted), c.matchCase), c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Turkish, ContainsTest,
    ::testing::Values(FoldCase{"IgnoringCase", "HASTA SEVK KAĞIDI", "hasta", false, true},
                      FoldCase{"MatchingCase", "HASTA SEVK KAĞIDI", "hasta", true, false},
                      FoldCase{"DottedCapitalI", "İSTANBUL", "istanbul", false, true},
                      FoldCase{"DotlessSmallI", "ILIK SU", "ılık", false, true},
                      FoldCase{"DottedIIsNotDotless", "ILIK", "ilik", false, false},
                      FoldCase{"DotlessIIsNotDotted", "İNCE", "ınce", false, false},
                      FoldCase{"OtherLetters", "ÇÖĞÜŞ", "çöğüş", false, true},
                      FoldCase{"EmptyFindsNothing", "HASTA", "", false, false}),
    [](const auto &info) { return std::string(info.param.name); });

struct SearchOverPages : ::testing::Test
{
    PagedReport r;
    TfrxTextSearch search;

    SearchOverPages()
    {
        r.fill({{QStringLiteral("Ali YILMAZ"), QStringLiteral("hasta sevki")},
                {QStringLiteral("Ayşe DEMİR"), QStringLiteral("HASTA SEVKİ"), QStringLiteral("Hasta")},
                {QStringLiteral("son sayfa")}});
        search.SetPages(r.store());
    }

    // (page, memo line) of every match of a search from the first page.
    QList<QPair<int, int>> all(const QString &text, bool matchCase)
    {
        QList<QPair<int, int>> out;
        search.Start(text, matchCase, 0);
        while (search.Run())
            out.append({search.FoundPage(), (search.FoundRect().top() - 40) / 20});
        return out;
    }
};

TEST_F(SearchOverPages, FindNextGoesThroughEveryRunInOrder)
{
    using L = QList<QPair<int, int>>;
    EXPECT_EQ(all(QStringLiteral("hasta"), false), (L{{0, 1}, {1, 1}, {1, 2}}));
    EXPECT_EQ(all(QStringLiteral("HASTA"), true), (L{{1, 1}}));
    EXPECT_EQ(all(QStringLiteral("SEVKİ"), false), (L{{0, 1}, {1, 1}}));
    EXPECT_EQ(all(QStringLiteral("yok"), false), L{});
}

TEST_F(SearchOverPages, AfterTheLastMatchNothingMoreIsFound)
{
    search.Start(QStringLiteral("son"), false, 0);
    ASSERT_TRUE(search.Run());
    EXPECT_EQ(search.FoundPage(), 2);
    EXPECT_FALSE(search.Run());
    EXPECT_FALSE(search.Found());
    EXPECT_EQ(search.Page(), 3) << "the search stays past the last page";
    EXPECT_FALSE(search.Run());
}

TEST_F(SearchOverPages, StartsOnTheGivenPage)
{
    search.Start(QStringLiteral("hasta"), false, 1);
    ASSERT_TRUE(search.Run());
    EXPECT_EQ(search.FoundPage(), 1);
}

TEST_F(SearchOverPages, FoundRectangleIsTheDrawnRun)
{
    search.Start(QStringLiteral("Ali"), true, 0);
    ASSERT_TRUE(search.Run());
    // The memo sits at x 10 and y 40 on the page, 300 wide: its line starts
    // inside it, on the first row.
    const QRect found = search.FoundRect();
    EXPECT_GE(found.left(), 10);
    EXPECT_LT(found.left(), 20);
    EXPECT_GE(found.top(), 40);
    EXPECT_LT(found.bottom(), 60);
}

struct SearchInWindow : SearchOverPages
{
    std::unique_ptr<TfrxPreviewForm> form;

    void open()
    {
        r.report.PreviewOptions()->SetMaximized(false);
        form = std::make_unique<TfrxPreviewForm>();
        r.report.SetPreview(form->Preview());
        form->ApplyOptions(&r.report);
        form->show();
        form->resize(700, 500);
        QApplication::processEvents();
    }

    // Answers the search dialog with a text and its two options.
    ModalWatcher::Answer answer(const QString &text, bool fromTop, bool matchCase)
    {
        return [=](QWidget *w) {
            auto *d = qobject_cast<TfrxSearchDialog *>(w);
            ASSERT_NE(d, nullptr);
            d->findChild<QLineEdit *>(QStringLiteral("TextE"))->setText(text);
            d->findChild<QCheckBox *>(QStringLiteral("TopCB"))->setChecked(fromTop);
            d->findChild<QCheckBox *>(QStringLiteral("CaseCB"))->setChecked(matchCase);
            d->accept();
        };
    }
};

TEST_F(SearchInWindow, DialogThenF3ScrollsEachMatchIntoView)
{
    open();
    TfrxPreview *preview = form->Preview();
    {
        ModalWatcher watcher(answer(QStringLiteral("HASTA"), true, false));
        QTest::keyClick(preview->Workspace(), Qt::Key_F, Qt::ControlModifier);
    }
    ASSERT_TRUE(preview->Search().Found());
    EXPECT_EQ(preview->Search().FoundPage(), 0);
    EXPECT_EQ(TfrxSearchDialog::LastText(), "HASTA");

    QTest::keyClick(preview->Workspace(), Qt::Key_F3);
    ASSERT_TRUE(preview->Search().Found());
    EXPECT_EQ(preview->Search().FoundPage(), 1);
    // Page 2 starts at 1143; its line lies below the first viewport, so the
    // view scrolled to put the match's bottom 20 pixels above the client's.
    const QRect page = preview->PageRect(1);
    const int bottom = page.top() + preview->Search().FoundRect().bottom() + 1;
    EXPECT_EQ(preview->Workspace()->VertPosition(), bottom - preview->Workspace()->ClientHeight() + 20);

    QTest::keyClick(preview->Workspace(), Qt::Key_F3);
    QTest::keyClick(preview->Workspace(), Qt::Key_F3);
    EXPECT_FALSE(preview->Search().Found()) << "after the last occurrence F3 finds nothing";
}

// The mark over the found text inverts every row from the run's top to its
// bottom row, from one pixel left of the run to one pixel right of it.
TEST_F(SearchInWindow, FoundTextIsInvertedDownToItsBottomRow)
{
    open();
    TfrxPreview *preview = form->Preview();
    QWidget *viewport = preview->Workspace()->viewport();
    const QImage before = viewport->grab().toImage();
    preview->Search().Start(QStringLiteral("HASTA"), false, 0);
    ASSERT_TRUE(preview->RunSearch());
    ASSERT_EQ(preview->Workspace()->VertPosition(), 0) << "the match shows without scrolling";
    QApplication::processEvents();
    const QImage after = viewport->grab().toImage();
    ASSERT_EQ(before.size(), after.size());

    QRect changed;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    const QRect page = preview->PageRect(0).translated(-preview->Workspace()->HorzPosition(), 0);
    const QRect found = preview->Search().FoundRect(); // zoom 1: report pixels are screen pixels
    const int top = page.top() + found.top(), bottom = top + found.height();
    const int left = page.left() + found.left() - 1, right = page.left() + found.left() + found.width();
    EXPECT_EQ(changed, QRect(QPoint(left, top), QPoint(right, bottom)));
}

TEST_F(SearchInWindow, TheDialogOffersTheLastConfirmedTextSelected)
{
    TfrxSearchDialog::SetLastText(QStringLiteral("sevk"));
    TfrxSearchDialog dialog;
    dialog.show();
    QApplication::processEvents();
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("TextE"));
    EXPECT_EQ(edit->text(), "sevk");
    EXPECT_EQ(edit->selectedText(), "sevk");
    EXPECT_EQ(dialog.windowTitle(), "Bul");
    EXPECT_FALSE(dialog.FromTop());
    EXPECT_FALSE(dialog.MatchCase());
    edit->setText(QStringLiteral("vazgeçilen"));
    dialog.reject();
    EXPECT_EQ(TfrxSearchDialog::LastText(), "sevk") << "only OK keeps the text";
}

} // namespace

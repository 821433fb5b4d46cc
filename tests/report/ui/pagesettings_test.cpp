// The page settings dialog: lengths in centimetres under the user's format,
// papers from the printer, the custom paper turning with the orientation, and
// refusing what is no length.
#include "modalwatcher.h"

#include "report/model/tfrxreportpage.h"

#include "report/output/tfrxvirtualprinter.h"
#include "report/ui/tfrxpagesettingsform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace previewtest;

namespace {

// A printer with three named papers, sized from the built-in table.
struct ThreePaperPrinter : TfrxVirtualPrinter
{
    ThreePaperPrinter() : TfrxVirtualPrinter(QStringLiteral("Deneme"), QString()) { LoadCapabilities(); }
    void LoadCapabilities() override
    {
        TfrxVirtualPrinter::LoadCapabilities();
        resetLists();
        addPaper(QStringLiteral("Letter"), 1);
        addPaper(QStringLiteral("A4"), 9);
        addPaper(QStringLiteral("A5"), 11);
    }
};

struct PageSettings : ::testing::Test
{
    ThreePaperPrinter printer;
    TfrxReportPage page{nullptr};
    TfrxPageSettingsForm dialog{nullptr, &printer};

    PageSettings()
    {
        page.SetPaperSize(9); // A4 210 x 297
        page.SetLeftMargin(14);
        page.SetRightMargin(14);
        page.SetTopMargin(14);
        page.SetBottomMargin(10);
        dialog.SetPage(&page);
    }

    QLineEdit *edit(const char *name) { return dialog.findChild<QLineEdit *>(QLatin1String(name)); }
    QComboBox *paper() { return dialog.findChild<QComboBox *>(QStringLiteral("PaperCB")); }
    QRadioButton *radio(const char *name) { return dialog.findChild<QRadioButton *>(QLatin1String(name)); }
    QString shown(const char *name) { return edit(name)->text(); }
};

TEST_F(PageSettings, ShowsCentimetresInTheUsersFormat)
{
    EXPECT_EQ(dialog.windowTitle(), "Sayfa Ayarları");
    EXPECT_EQ(paper()->currentText(), "A4");
    EXPECT_EQ(shown("WidthE"), "21");
    EXPECT_EQ(shown("HeightE"), "29,70");
    EXPECT_EQ(shown("LeftE"), "1,40");
    EXPECT_EQ(shown("BottomE"), "1");
    EXPECT_TRUE(radio("PortraitRB")->isChecked());
    EXPECT_TRUE(radio("ApplyToCurRB")->isChecked());
}

TEST(PageSettingsFormat, FormatCm)
{
    const std::pair<double, const char *> cases[] = {
        {210, "21"}, {297, "29,70"}, {14, "1,40"}, {0, "0"}, {5.25, "0,53"}, {1000, "100"}};
    for (const auto &[mm, text] : cases)
        EXPECT_EQ(TfrxPageSettingsForm::FormatCm(mm), QString::fromUtf8(text)) << mm;
}

TEST_F(PageSettings, StandardPaperInLandscapeShowsThePrintersSize)
{
    radio("LandscapeRB")->click();
    EXPECT_EQ(shown("WidthE"), "29,70");
    EXPECT_EQ(shown("HeightE"), "21");
    EXPECT_EQ(paper()->currentText(), "A4");
}

TEST_F(PageSettings, TypingASizeSelectsCustomWhichTurnsWithTheOrientation)
{
    edit("WidthE")->setFocus();
    edit("WidthE")->selectAll();
    QTest::keyClicks(edit("WidthE"), QStringLiteral("20"));
    EXPECT_EQ(paper()->currentText(), "Özel");
    EXPECT_EQ(shown("HeightE"), "29,70");

    radio("LandscapeRB")->click();
    EXPECT_EQ(shown("WidthE"), "29,70");
    EXPECT_EQ(shown("HeightE"), "20");
    radio("PortraitRB")->click();
    EXPECT_EQ(shown("WidthE"), "20");
    EXPECT_EQ(shown("HeightE"), "29,70");
}

TEST_F(PageSettings, OkAppliesOrientationPaperAndMargins)
{
    radio("LandscapeRB")->click();
    edit("LeftE")->setText(QStringLiteral("2,5"));
    edit("TopE")->setText(QStringLiteral("1.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(page.Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 297);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 210);
    EXPECT_DOUBLE_EQ(page.LeftMargin(), 25);
    EXPECT_DOUBLE_EQ(page.TopMargin(), 15);
    EXPECT_DOUBLE_EQ(page.RightMargin(), 14);
    EXPECT_DOUBLE_EQ(page.BottomMargin(), 10);
}

struct BadInput
{
    const char *name;
    const char *box;
    const char *text;
    const char *said; // part of the message
};

class PageSettingsRefuses : public PageSettings, public ::testing::WithParamInterface<BadInput>
{
};

TEST_P(PageSettingsRefuses, KeepsThePageAndTheDialog)
{
    const BadInput &c = GetParam();
    dialog.show();
    radio("LandscapeRB")->click();
    edit(c.box)->setText(QString::fromUtf8(c.text));
    ModalWatcher watcher;
    dialog.accept();
    ASSERT_EQ(watcher.texts.size(), 1);
    EXPECT_TRUE(watcher.texts[0].contains(QString::fromUtf8(c.said))) << watcher.texts[0].toStdString();
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(page.Orientation(), TPrinterOrientation::poPortrait);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 210);
    EXPECT_DOUBLE_EQ(page.LeftMargin(), 14);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PageSettingsRefuses,
    ::testing::Values(BadInput{"LetterInAMargin", "LeftE", "1,4x", "'1,4x'"},
                      BadInput{"EmptyWidth", "WidthE", "", "Genişlik"},
                      BadInput{"NegativeMargin", "BottomE", "-1", "'-1'"},
                      BadInput{"MarginsFillThePaper", "TopE", "28", "yer bırakmıyor"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PageSettings, CancelLeavesThePage)
{
    edit("LeftE")->setText(QStringLiteral("3"));
    dialog.reject();
    EXPECT_DOUBLE_EQ(page.LeftMargin(), 14);
}

} // namespace

namespace {

TEST_F(PageSettings, ChoosingAPaperShowsItsSize)
{
    EXPECT_EQ(paper()->count(), 4);
    EXPECT_EQ(paper()->itemText(0), "Özel");
    paper()->setCurrentIndex(3);
    emit paper()->activated(3); // A5, 148 x 210 mm
    EXPECT_EQ(shown("WidthE"), "14,80");
    EXPECT_EQ(shown("HeightE"), "21");
    dialog.accept();
    EXPECT_EQ(page.PaperSize(), 11);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 148);
}

} // namespace

// The two list buttons with the preview option ticked: the list is built
// for the preview (printing goes through the end-to-end tests), the personal
// list under the name of the name label.
#include "statsfixture.h"

#include "app/mainreports.h"
#include "records/db/maindatasets.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxpreviewpages.h"
#include "settings/tayarfrm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QString memoText(TfrxReport *report, const char *name)
{
    auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(QString::fromLatin1(name)));
    return memo ? memo->Text().trimmed() : QStringLiteral("(yok)");
}

// The bands printed on an output page, top to bottom, and the texts of their
// memos, one line per band: "Name: text | text".
QStringList bandsOf(TfrxReport *report, int page)
{
    QStringList out;
    TfrxReportPage *p = report->PreviewPages()->BuildPage(page);
    if (!p)
        return {QStringLiteral("(no page)")};
    QList<TfrxBand *> bands;
    for (TfrxComponent *c : p->Objects())
        if (auto *band = qobject_cast<TfrxBand *>(c))
            bands << band;
    std::stable_sort(bands.begin(), bands.end(), [](TfrxBand *a, TfrxBand *b) { return a->Top() < b->Top(); });
    for (TfrxBand *band : bands) {
        QStringList texts;
        for (TfrxComponent *c : band->Objects())
            if (auto *memo = qobject_cast<TfrxCustomMemoView *>(c))
                texts << memo->Text().trimmed();
        out << band->Name() + QStringLiteral(": ") + texts.join(QStringLiteral(" | "));
    }
    return out;
}

TEST_F(StatsTest, PersonalListCarriesTheNameOfTheNameLabelEveryTime)
{
    ASSERT_TRUE(settings->ChkYazdir->isChecked());
    TfrxReport *report = form->reports().RpKisisel();
    for (int row : {2, 3}) {
        selectStaff(row);
        QTest::mouseClick(find<QPushButton>("BitBtn2"), Qt::LeftButton);
        SCOPED_TRACE(row);
        EXPECT_EQ(memoText(report, "MAd"), row == 2 ? s("Mehmet KAYA") : s("Ayşe DEMİR"));
        ASSERT_NE(report->PreviewPages(), nullptr);
        // A member without rows still gets his page with title and header.
        EXPECT_EQ(report->PreviewPages()->PageCount(), 1);
    }
}

TEST_F(StatsTest, FullListWalksTheStaffListToItsEnd)
{
    QTest::mouseClick(find<QPushButton>("BitBtn1"), Qt::LeftButton);
    TfrxReport *report = form->reports().RpDetay();
    ASSERT_NE(report->PreviewPages(), nullptr);
    EXPECT_EQ(report->PreviewPages()->PageCount(), 1);
    EXPECT_TRUE(report->Errors().isEmpty()) << report->Errors().join(QLatin1Char('\n')).toStdString();
    // Ahmet YILMAZ's block with his three rows, Mehmet KAYA's with two; the
    // ten members without rows leave nothing.
    QStringList names;
    for (const QString &band : bandsOf(report, 0))
        names << band.section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("ReportTitle1 MasterData1 Header1 DetailData1 DetailData1 DetailData1 Footer1 "
                             "MasterData1 Header1 DetailData1 DetailData1 Footer1 PageFooter1"));
    // The panel shows the last staff member afterwards.
    EXPECT_EQ(form->data().Query1.recNo(), 12);
    EXPECT_EQ(find<QLabel>("Label31")->text(), s("Hüseyin ASLAN"));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 0 ]"));
}

// Without any statistics row the full list is one page with the title and
// the page footer only.
class EmptyStatsTest : public StatsTest
{
protected:
    void fill() override { folder.fillSample(); }
};

TEST_F(EmptyStatsTest, FullListIsTheTitleAndThePageFooterOnly)
{
    QTest::mouseClick(find<QPushButton>("BitBtn1"), Qt::LeftButton);
    TfrxReport *report = form->reports().RpDetay();
    ASSERT_NE(report->PreviewPages(), nullptr);
    EXPECT_TRUE(report->Errors().isEmpty()) << report->Errors().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(report->PreviewPages()->PageCount(), 1);
    const QStringList bands = bandsOf(report, 0);
    ASSERT_EQ(bands.size(), 2) << bands.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(bands[0], s("ReportTitle1: ALINAN SEVKLER - TÜM LİSTE"));
    EXPECT_EQ(bands[1], s("PageFooter1: Sayfa: 1"));
}

} // namespace

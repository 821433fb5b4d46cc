// The two list buttons with the preview option ticked: the list is built
// for the preview (printing goes through the end-to-end tests), the personal
// list under the name of the name label.
#include "statsfixture.h"

#include "app/mainreports.h"
#include "records/db/maindatasets.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"
#include "report/output/tfrxpreviewpages.h"
#include "settings/tayarfrm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QString memoText(TfrxReport *report, const char *name)
{
    auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(QString::fromLatin1(name)));
    return memo ? memo->Text().trimmed() : QStringLiteral("(yok)");
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
    // The panel shows the last staff member afterwards.
    EXPECT_EQ(form->data().Query1.recNo(), 12);
    EXPECT_EQ(find<QLabel>("Label31")->text(), s("Hüseyin ASLAN"));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 0 ]"));
}

} // namespace

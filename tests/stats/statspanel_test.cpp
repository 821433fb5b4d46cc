// The statistics panel: its labels following the staff list, the date-range
// filter and the plain list, the counts grid and opening the editor.
#include "statsfixture.h"

#include "boxanswer.h"

#include "app/panelstatusbar.h"
#include "records/db/maindatasets.h"
#include "records/ui/tsrdbgrid.h"
#include "stats/statspanel.h"
#include "stats/tform3.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

TEST_F(StatsTest, ControlsCarryTheirTextsAndPlaces)
{
    const struct {
        const char *name;
        const char *text;
        QRect geometry;
    } rows[] = {
        {"Button1", "Filtrele", {16, 44, 97, 21}},
        {"Button3", "Listele", {120, 44, 97, 21}},
        {"BitBtn1", "Tümünü Yazdır", {8, 8, 105, 25}},
        {"BitBtn2", "Kişisel Yazdır", {120, 8, 105, 25}},
        {"Button4", "Tamam", {296, 8, 75, 25}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        auto *b = find<QPushButton>(r.name);
        EXPECT_EQ(b->text(), s(r.text));
        EXPECT_EQ(b->geometry(), r.geometry);
    }
    EXPECT_EQ(find<QLabel>("Label34")->text(), s("İki tarih arasında alınan sevkleri bul"));
    EXPECT_EQ(find<QLabel>("Label32")->text(), s("Alınan Sevk Sayıları:"));
    EXPECT_EQ(find<QDateEdit>("DateTimePicker1")->date(), QDate(2005, 7, 18));
    EXPECT_EQ(find<QDateEdit>("DateTimePicker1")->text(), s("18.07.2005"));
    EXPECT_EQ(find<QDateEdit>("DateTimePicker2")->date(), QDate::currentDate());
    // The counts part keeps its width at the right; the parts do not overlap.
    auto *counts = find<QWidget>("Panel20");
    auto *list = find<QWidget>("Panel18");
    auto *bottom = find<QWidget>("Panel26");
    EXPECT_EQ(counts->width(), 149);
    EXPECT_EQ(counts->x() - (list->x() + list->width()), 5);
    EXPECT_EQ(bottom->y() - (counts->y() + counts->height()), 5);
    EXPECT_EQ(bottom->height(), 42);
}

TEST_F(StatsTest, LabelsFollowTheStaffMember)
{
    const struct {
        int row;
        const char *name;
        const char *count;
    } rows[] = {
        {1, "Ahmet YILMAZ", "[ 3 ]"},
        {2, "Mehmet KAYA", "[ 2 ]"},
        {3, "Ayşe DEMİR", "[ 0 ]"},
        {1, "Ahmet YILMAZ", "[ 3 ]"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        selectStaff(r.row);
        EXPECT_EQ(find<QLabel>("Label31")->text(), s(r.name));
        EXPECT_EQ(find<QLabel>("Label33")->text(), s(r.count));
    }
}

TEST_F(StatsTest, ListShowsDatesRecipientsAndKindsInDateOrder)
{
    auto *grid = find<TSrDBGrid>("SrDBGrid2");
    EXPECT_EQ(column(grid, 0), QStringList({"01.03.2026", "15.03.2026", "02.04.2026"}));
    EXPECT_EQ(column(grid, 1), QStringList({"Kendisi", s("Yakını"), "Kendisi"}));
    EXPECT_EQ(column(grid, 2), QStringList({"Normal", s("Diş"), "Normal"}));
}

TEST_F(StatsTest, FilterListsTheRowsOfTheRangeWithBothEndsIncluded)
{
    const struct {
        const char *label;
        const char *from;
        const char *to;
        QStringList dates;
    } rows[] = {
        {"one day", "15.03.2026", "15.03.2026", {"15.03.2026"}},
        {"both ends", "01.03.2026", "15.03.2026", {"01.03.2026", "15.03.2026"}},
        {"wide", "01.01.2026", "31.12.2026", {"01.03.2026", "15.03.2026", "02.04.2026"}},
        {"gap", "16.03.2026", "01.04.2026", {}},
        {"start after end", "02.04.2026", "01.03.2026", {}},
    };
    auto *grid = find<TSrDBGrid>("SrDBGrid2");
    for (const auto &r : rows) {
        SCOPED_TRACE(r.label);
        filter(s(r.from), s(r.to));
        EXPECT_EQ(column(grid, 0), r.dates);
        EXPECT_EQ(find<QLabel>("Label33")->text(), QStringLiteral("[ %1 ]").arg(r.dates.size()));
        EXPECT_EQ(find<QLabel>("Label31")->text(), s("Ahmet YILMAZ"));
    }
    QTest::mouseClick(find<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_EQ(column(grid, 0), QStringList({"01.03.2026", "15.03.2026", "02.04.2026"}));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 3 ]"));
}

TEST_F(StatsTest, FilterStaysInForceAcrossStaffChangesUntilListele)
{
    auto *grid = find<TSrDBGrid>("SrDBGrid2");
    filter(s("15.03.2026"), s("15.03.2026"));
    selectStaff(2);
    EXPECT_EQ(column(grid, 0), QStringList({"15.03.2026"}));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 1 ]"));
    selectStaff(3);
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 0 ]"));

    QTest::mouseClick(find<QPushButton>("Button3"), Qt::LeftButton);
    selectStaff(2);
    EXPECT_EQ(column(grid, 0), QStringList({"15.03.2026", "01.05.2026"}));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 2 ]"));
}

TEST_F(StatsTest, FilterIncludesAReferralDatedOnTheEndDateWithATimeOfDayOnlyUpToMidnight)
{
    // The referral panel stores dates without a time; a row that carries one
    // lies after the end date's midnight and so after the range.
    folder.exec(QStringLiteral("INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) "
                               "VALUES (3, 'Kendisi', 'Normal', 1, '2026-06-10'),"
                               "(3, 'Kendisi', 'Normal', 1, '2026-06-11 09:30:00')"));
    selectStaff(3);
    filter(s("10.06.2026"), s("11.06.2026"));
    EXPECT_EQ(column(find<TSrDBGrid>("SrDBGrid2"), 0), QStringList({"10.06.2026"}));
}

TEST_F(StatsTest, CountsGridShowsEveryStaffMemberByName)
{
    auto *grid = find<TSrDBGrid>("SrDBGrid1");
    EXPECT_EQ(column(grid, 0).size(), 12);
    EXPECT_EQ(column(grid, 0).first(), s("Ahmet YILMAZ"));
    EXPECT_EQ(countOf(s("Ahmet YILMAZ")), s("3"));
    EXPECT_EQ(countOf(s("Mehmet KAYA")), s("2"));
    EXPECT_EQ(countOf(s("Ayşe DEMİR")), s("0"));
    // The filter narrows the list, not the counts.
    filter(s("15.03.2026"), s("15.03.2026"));
    EXPECT_EQ(countOf(s("Ahmet YILMAZ")), s("3"));
}

// The counts come from the staff table; a delete there would remove the staff
// member, so the grid is for reading only.
TEST_F(StatsTest, CountsGridDeletesNothingOnCtrlDelete)
{
    auto *grid = find<TSrDBGrid>("SrDBGrid1");
    BoxAnswer boxes(QMessageBox::Ok);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(column(grid, 0).size(), 12);
}

TEST_F(StatsTest, ListGridHintGoesToTheStatusBarWithoutATip)
{
    auto *grid = find<TSrDBGrid>("SrDBGrid2");
    QTest::mouseMove(grid->viewport(), QPoint(20, 5));
    QTest::qWait(20);
    EXPECT_EQ(form->StatusBar1->panelText(1), s(" Kayıtları diüzenlemek için çift tıkla."));
    EXPECT_TRUE(grid->toolTip().isEmpty());
}

TEST_F(StatsTest, DoubleClickOpensTheEditorOnTheStaffMember)
{
    selectStaff(2);
    QString shownName;
    bool wasModal = false;
    QTimer::singleShot(50, [&] {
        wasModal = editor->isVisible() && editor->isModal();
        shownName = editor->Label5->text();
        editor->close();
    });
    auto *grid = find<TSrDBGrid>("SrDBGrid2");
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, {20, 5});
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(shownName, s("Mehmet KAYA"));
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(StatsTest, TamamReturnsToTheReferralPanel)
{
    QTest::mouseClick(find<QPushButton>("Button4"), Qt::LeftButton);
    EXPECT_TRUE(find<QWidget>("Panel4")->isVisible());
    EXPECT_FALSE(find<QWidget>("Panel16")->isVisible());
}

} // namespace

// The staff register: status text, both search modes, sorting by the grid
// title, and the "Personel" page's Ekle, Kaydet and Sil.
#include "mainwindowfixture.h"

#include "app/dataentrypanel.h"
#include "app/panelstatusbar.h"
#include "boxanswer.h"
#include "records/db/maindatasets.h"
#include "records/ui/tsrdbgrid.h"
#include "settings/tayarfrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

class StaffTest : public MainWindowTest
{
protected:
    db::Dataset &staff() { return form->data().Query1; }
    QString current(const char *column = "Birlestir")
    {
        return staff().fieldByName(QString::fromLatin1(column)).displayText();
    }
    QString status() { return form->StatusBar1->panelText(0); }
    void search(const QString &text) { find<QLineEdit>("Edit1")->setText(text); }
    void typeSearch(const QString &text) { type(find<QLineEdit>("Edit1"), text); }
};

TEST_F(StaffTest, StatusTextCountsRowsAndTheCurrentOne)
{
    EXPECT_EQ(status(), s(" Personel Sayısı : 12 / 1"));
    staff().next();
    staff().next();
    EXPECT_EQ(status(), s(" Personel Sayısı : 12 / 3"));
}

TEST_F(StaffTest, PrefixSearchMovesWithoutFiltering)
{
    staff().last();
    typeSearch(QStringLiteral("ah")); // the search box raises the first letter
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), s("Ah"));
    EXPECT_EQ(current(), s("Ahmet YILMAZ"));
    EXPECT_EQ(staff().recordCount(), 12);
    typeSearch(QStringLiteral("u"));
    EXPECT_EQ(current(), s("Ahu YILDIZ"));
    typeSearch(QStringLiteral("x")); // no match: the row stays
    EXPECT_EQ(current(), s("Ahu YILDIZ"));
}

struct FilterRow {
    const char *name;
    const char *text;
    int rows;
};

class FilterSearchTest : public StaffTest, public ::testing::WithParamInterface<FilterRow>
{
};

TEST_P(FilterSearchTest, ListsOnlyTheMatchesAndTakesEveryCharacterLiterally)
{
    settings->ChkArama->setChecked(true);
    BoxAnswer errors;
    search(s(GetParam().text));
    EXPECT_TRUE(errors.seen().empty()) << errors.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(staff().isActive());
    EXPECT_EQ(staff().recordCount(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FilterSearchTest,
    ::testing::Values(FilterRow{"Prefix", "Ah", 2}, FilterRow{"TurkishCase", "ayş", 1},
                      FilterRow{"DottedCapital", "İs", 1}, FilterRow{"Everything", "", 12},
                      FilterRow{"DoubleQuote", "Ah\"", 0}, FilterRow{"Percent", "%", 0},
                      FilterRow{"Underscore", "A_", 0}, FilterRow{"SingleQuote", "O'", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StaffTest, FilterWithoutMatchKeepsTheStatusText)
{
    settings->ChkArama->setChecked(true);
    search(s("Ah"));
    const QString before = status();
    EXPECT_EQ(before, s(" Personel Sayısı : 2 / 1"));
    search(s("Ahx"));
    EXPECT_EQ(staff().recordCount(), 0);
    EXPECT_EQ(status(), before);
}

TEST_F(StaffTest, ListButtonEmptiesTheSearchAndListsAllInOrder)
{
    settings->ChkArama->setChecked(true);
    settings->ChkSira->setChecked(true);
    search(s("Me"));
    EXPECT_EQ(staff().recordCount(), 1);
    idle();
    auto *list = find<QToolButton>("SpeedButton2");
    ASSERT_TRUE(list->isEnabled());
    list->click();
    EXPECT_TRUE(find<QLineEdit>("Edit1")->text().isEmpty());
    EXPECT_EQ(staff().recordCount(), 12);
    EXPECT_EQ(staff().sql(), db::MainDatasets::staffOrdered());
    EXPECT_EQ(current(), s("Ahmet YILMAZ")); // first in Turkish order
    staff().last();
    EXPECT_EQ(current(), s("Zeynep ÖZTÜRK"));
}

TEST_F(StaffTest, TitleClicksCycleAscendingAndDescending)
{
    auto *grid = find<TSrDBGrid>("DBGrid1");
    QHeaderView *title = grid->horizontalHeader();
    const QPoint onTitle(title->sectionViewportPosition(0) + 10, title->height() / 2);
    const char *expected[][2] = {{"Birlestir ASC", "Ahmet YILMAZ"},
                                 {"Birlestir DESC", "Zeynep ÖZTÜRK"},
                                 {"Birlestir ASC", "Ahmet YILMAZ"}};
    for (const auto &e : expected) {
        QTest::mouseClick(title->viewport(), Qt::LeftButton, {}, onTitle);
        EXPECT_EQ(staff().sort(), s(e[0]));
        EXPECT_EQ(grid->model()->index(0, 0).data().toString(), s(e[1]));
    }
    // Any re-opening of the list starts unsorted.
    settings->ChkArama->setChecked(true);
    search(s("A"));
    EXPECT_TRUE(staff().sort().isEmpty());
}

TEST_F(StaffTest, TamamWithAlphabeticalOrderReordersTheListAtOnce)
{
    auto names = [this] {
        QStringList out;
        for (staff().first(); !staff().eof(); staff().next())
            out << current();
        return out;
    };
    const QStringList alphabetical = {
        s("Ahmet YILMAZ"), s("Ahu YILDIZ"),    s("Ali ÇELİK"),      s("Ayşe DEMİR"),
        s("Emine ARSLAN"), s("Fatma ŞAHİN"),   s("Hasan DOĞAN"),    s("Hüseyin ASLAN"),
        s("İsmail KILIÇ"), s("Mehmet KAYA"),   s("Mustafa AYDIN"),  s("Zeynep ÖZTÜRK")};
    ASSERT_EQ(names().value(1), s("Mehmet KAYA")) << "the list starts in the order of entry";

    settings->open();
    settings->ChkSira->setChecked(true);
    QTest::mouseClick(settings->OKBtn, Qt::LeftButton);
    EXPECT_EQ(staff().sql(), db::MainDatasets::staffOrdered());
    EXPECT_EQ(names(), alphabetical);

    // Unticking it leaves the list as it is.
    settings->open();
    settings->ChkSira->setChecked(false);
    QTest::mouseClick(settings->OKBtn, Qt::LeftButton);
    EXPECT_EQ(names(), alphabetical);
}

TEST_F(StaffTest, HandCursorOverTheTitleRowOnly)
{
    auto *grid = find<TSrDBGrid>("DBGrid1");
    QHeaderView *title = grid->horizontalHeader();
    QTest::mouseMove(title->viewport(), QPoint(20, title->height() / 2));
    QTest::qWait(10);
    EXPECT_EQ(grid->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(grid->viewport(), QPoint(20, 30));
    QTest::qWait(10);
    EXPECT_EQ(grid->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(StaffTest, EkleAndKaydetStoreARowWithItsDisplayName)
{
    find<QToolButton>("ToolBtn2")->click();
    find<QPushButton>("PBtnEkle")->click();
    EXPECT_EQ(staff().state(), db::DatasetState::Insert);
    EXPECT_TRUE(find<QWidget>("DBEdit6")->hasFocus());
    type(find<QWidget>("DBEdit6"), s("ahmet can"));
    type(find<QWidget>("DBEdit8"), s("şahin"));
    type(find<QComboBox>("DBComboBox1")->lineEdit(), s("Uzman"));
    type(find<QWidget>("DBEdit21"), s("12345678901"));
    idle();
    ASSERT_TRUE(find<QPushButton>("PBtnKaydet")->isEnabled());
    find<QPushButton>("PBtnKaydet")->click();
    EXPECT_EQ(staff().state(), db::DatasetState::Browse);
    EXPECT_EQ(current(), s("Ahmet Can ŞAHİN"));
    EXPECT_EQ(status(), s(" Personel Sayısı : 13 / 13"));

    stop();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Birlestir || '|' || Gorevi || '|' || TCKimlik "
                                           "FROM Personel WHERE Adi = 'Ahmet Can'")),
              s("Ahmet Can ŞAHİN|Uzman|12345678901"));
}

TEST_F(StaffTest, EmptySurnameLeavesTheBlank)
{
    find<QPushButton>("PBtnEkle")->click();
    type(find<QWidget>("DBEdit6"), s("Ahmet"));
    find<QPushButton>("PBtnKaydet")->click();
    EXPECT_EQ(current(), s("Ahmet "));
}

TEST_F(StaffTest, EditsLimitTypingToTheColumnSize)
{
    auto *given = find<QLineEdit>("DBEdit6");
    given->clear();
    type(given, s("abcdefghijklmnopqrstu")); // 21 letters into a column of 15
    EXPECT_EQ(given->text(), s("Abcdefghijklmno"));
    EXPECT_EQ(current("Adi"), s("Abcdefghijklmno"));
}

TEST_F(StaffTest, MovingToAnotherRowStoresPendingEdits)
{
    auto *surname = find<QLineEdit>("DBEdit8");
    surname->end(false);
    type(surname, s("oğlu"));
    EXPECT_EQ(staff().state(), db::DatasetState::Edit);
    staff().next();
    EXPECT_EQ(staff().state(), db::DatasetState::Browse);
    stop();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Birlestir FROM Personel WHERE SiraNo = 1")),
              s("Ahmet YILMAZOĞLU"));
}

TEST_F(StaffTest, SilAsksWithTheQuotedNameAndNoKeepsTheRow)
{
    staff().edit();
    staff().fieldByName(QStringLiteral("Adi")).setValue(s("D'Ali"));
    staff().post();
    BoxAnswer answer(QMessageBox::No);
    find<QPushButton>("PBtnSil")->click();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(answer.seen()[0].text, s("'D''Ali YILMAZ' adlı personele ait kayıtları silinsin mi?"));
    EXPECT_EQ(answer.seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(staff().recordCount(), 12);

    answer.setAnswer(QMessageBox::Yes);
    find<QPushButton>("PBtnSil")->click();
    EXPECT_EQ(staff().recordCount(), 11);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Personel")), s("11"));
}

// The last staff member, the one with the highest key, has dependants and
// statistics rows of their own: a key handed out again would pass them on.
class DeletedStaffTest : public StaffTest
{
protected:
    void fill() override
    {
        folder.fillSample();
        folder.exec(QStringLiteral(
            "INSERT INTO Yakinlar (SiraNo, Adi, Soyadi, Yakinligi, Birlestir) VALUES "
            "(12, 'Gül', 'ASLAN', 'Eşi', 'ASLAN Gül'), (12, 'Ece', 'ASLAN', 'Kızı', 'ASLAN Ece');"
            "INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) VALUES "
            "(12, 'Kendisi', 'Normal', 1, '2026-01-05'), (12, 'Yakını', 'Diş', 1, '2026-02-10'),"
            " (12, 'Kendisi', 'Diş', 1, '2026-03-15');"));
    }
    int currentKey() { return staff().fieldByName(QStringLiteral("SiraNo")).asInteger(); }
};

TEST_F(DeletedStaffTest, DeletedStaffLeavesDependantsThatNoNewcomerInherits)
{
    staff().last();
    ASSERT_EQ(currentKey(), 12);
    ASSERT_EQ(current(), s("Hüseyin ASLAN"));
    ASSERT_EQ(form->data().QueryDetail.recordCount(), 2);
    ASSERT_EQ(form->data().QIstatistik.recordCount(), 3);

    BoxAnswer yes(QMessageBox::Yes);
    find<QPushButton>("PBtnSil")->click();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Personel WHERE SiraNo = 12")), s("0"));

    find<QPushButton>("PBtnEkle")->click();
    type(find<QWidget>("DBEdit6"), s("Yeni"));
    idle();
    find<QPushButton>("PBtnKaydet")->click();
    EXPECT_EQ(current(), s("Yeni "));
    EXPECT_GT(currentKey(), 12);
    EXPECT_TRUE(form->data().QueryDetail.isEmpty());
    EXPECT_TRUE(form->data().QIstatistik.isActive());
    EXPECT_TRUE(form->data().QIstatistik.isEmpty());

    // The left-over rows stay in the file under the deleted key.
    stop();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Yakinlar WHERE SiraNo = 12")), s("2"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM istatistik WHERE SiraNo = 12")), s("3"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Personel WHERE Adi = 'Yeni' "
                                           "AND SiraNo > 12")),
              s("1"));
}

TEST(EmptyRegisterTest, SilOnAnEmptyListShowsTheDatabaseError)
{
    RegisterFolder folder;
    TForm1 form;
    TAyarFrm settings(&form);
    form.show();
    BoxAnswer answer(QMessageBox::Yes);
    form.findChild<QPushButton *>(QStringLiteral("PBtnSil"))->click();
    ASSERT_EQ(answer.seen().size(), 2u);
    EXPECT_EQ(answer.seen()[0].text, s("'' adlı personele ait kayıtları silinsin mi?"));
    EXPECT_EQ(answer.seen()[1].icon, QMessageBox::Critical);
    EXPECT_FALSE(answer.seen()[1].text.isEmpty());
    EXPECT_EQ(form.data().Query1.state(), db::DatasetState::Browse);
}

TEST(ReadOnlyRegisterTest, RefusedStoreKeepsTheRowInEditState)
{
    RegisterFolder folder;
    folder.fillSample();
    ImmutableFile locked(folder.databasePath());
    if (!locked.active())
        GTEST_SKIP() << "the file system cannot make the file immutable";
    TForm1 form;
    TAyarFrm settings(&form);
    form.show();
    auto *given = form.findChild<QLineEdit *>(QStringLiteral("DBEdit6"));
    given->selectAll();
    MainWindowTest::type(given, s("Veli"));
    BoxAnswer answer;
    form.findChild<QPushButton *>(QStringLiteral("PBtnKaydet"))->click();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(form.data().Query1.state(), db::DatasetState::Edit);
    EXPECT_EQ(given->text(), s("Veli"));
    EXPECT_EQ(form.data().Query1.fieldByName(QStringLiteral("Adi")).displayText(), s("Veli"));
}

} // namespace

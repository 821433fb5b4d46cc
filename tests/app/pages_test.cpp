// The record pages besides "Personel": the common Ekle/Sil/Kaydet pattern,
// display names, the list boxes, the refills after changes, the staff
// chooser of the "Aile" page and the "Kurum" page.
#include "mainwindowfixture.h"

#include "app/dataentrypanel.h"
#include "app/panelstatusbar.h"
#include "boxanswer.h"
#include "records/db/maindatasets.h"
#include "records/ui/dblookuplistbox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

struct Typed {
    const char *control;
    const char *text;
};

struct PageRow {
    const char *name;
    int tab;
    const char *prefix;
    std::vector<Typed> typed;
    const char *query;    // reads the stored row back
    const char *stored;   // what it must give
    const char *list;     // list box of the page
    const char *listText; // the entry the new row shows there
    const char *question; // delete question for the new row
};

class PageTest : public MainWindowTest, public ::testing::WithParamInterface<PageRow>
{
protected:
    void openPage(int tab)
    {
        find<QAbstractButton>("ToolBtn2")->click();
        find<QTabBar>("TabSet1")->setCurrentIndex(tab);
    }
    QPushButton *button(const char *what)
    {
        return find<QPushButton>((std::string(GetParam().prefix) + what).c_str());
    }
};

TEST_P(PageTest, RowTypedOnThePageIsStoredShownAndSurvivesARestart)
{
    const PageRow &r = GetParam();
    openPage(r.tab);
    button("BtnEkle")->click();
    for (const Typed &t : r.typed) {
        QWidget *w = find<QWidget>(t.control);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            w = combo->lineEdit();
        type(w, s(t.text));
    }
    idle();
    ASSERT_TRUE(button("BtnKaydet")->isEnabled());
    button("BtnKaydet")->click();
    idle();
    EXPECT_FALSE(button("BtnKaydet")->isEnabled());

    auto *list = find<QListView>(r.list);
    const QModelIndex shown = list->currentIndex();
    EXPECT_EQ(shown.data().toString(), s(r.listText));

    stop();
    EXPECT_EQ(folder.scalar(QString::fromUtf8(r.query)), s(r.stored));
    start();
    openPage(r.tab);
    list = find<QListView>(r.list);
    const QStringList entries = [&] {
        QStringList out;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            out << list->model()->index(i, 0).data().toString();
        return out;
    }();
    EXPECT_TRUE(entries.contains(s(r.listText))) << entries.join(QLatin1Char('|')).toStdString();
}

TEST_P(PageTest, SilQuotesTheDisplayTextAndNoChangesNothing)
{
    const PageRow &r = GetParam();
    openPage(r.tab);
    button("BtnEkle")->click();
    for (const Typed &t : r.typed) {
        QWidget *w = find<QWidget>(t.control);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            w = combo->lineEdit();
        type(w, s(t.text));
    }
    button("BtnKaydet")->click();
    auto *list = find<QListView>(r.list);
    const int rows = list->model()->rowCount();

    BoxAnswer answer(QMessageBox::No);
    button("BtnSil")->click();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, s(r.question));
    EXPECT_EQ(answer.seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(list->model()->rowCount(), rows);

    answer.setAnswer(QMessageBox::Yes);
    button("BtnSil")->click();
    EXPECT_EQ(list->model()->rowCount(), rows - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageTest,
    ::testing::Values(
        PageRow{"Yetkili", 1, "Y",
                {{"DBEdit12", "ayşe"}, {"DBEdit13", "yılmaz"}, {"DBComboBox2", "Şef"}},
                "SELECT Birlestir || '|' || Unvani FROM Sabit WHERE Adi = 'Ayşe'",
                "Ayşe YILMAZ|Şef", "DBLookupListBox1", "Ayşe YILMAZ",
                "'Ayşe YILMAZ' adlı kurum yetkilisi silinsin mi?"},
        PageRow{"Unvan", 3, "U", {{"DBEdit15", "baş memur"}},
                "SELECT Kategori FROM Unvan ORDER BY SiraNo DESC", "Baş Memur", "DBLookupListBox2",
                "Baş Memur", "'Baş Memur' ünvanı silinsin mi?"},
        PageRow{"Aile", 4, "A",
                {{"DBEdit18", "ayşe"}, {"DBEdit16", "yılmaz"}, {"DBEdit7", "10000000146"},
                 {"DBEdit17", "eşi"}, {"DBEdit9", "k-12"}},
                "SELECT SiraNo || '|' || Birlestir || '|' || Yakinligi || '|' || KarneNo || '|' || "
                "TCKimlik FROM Yakinlar WHERE Adi = 'Ayşe'",
                "1|YILMAZ Ayşe|Eşi|K-12|10000000146", "DBLookupListBox3", "YILMAZ Ayşe",
                "'YILMAZ Ayşe' adlı aile bireyi silinsin mi?"},
        PageRow{"Saglik", 5, "S", {{"DBEdit19", "aile sağlığı merkezi"}},
                "SELECT SKurum FROM SKurum ORDER BY SiraNo DESC", "Aile Sağlığı Merkezi",
                "DBLookupListBox4", "Aile Sağlığı Merkezi",
                "'Aile Sağlığı Merkezi' adlı sağlık kuruluşu silinsin mi?"}),
    [](const auto &info) { return std::string(info.param.name); });

using ListsTest = MainWindowTest;

QStringList items(QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

TEST_F(ListsTest, TitleAndInstitutionListsAreFilledAtShow)
{
    const QStringList titles{s("Memur"), s("Şef"), s("Müdür")};
    EXPECT_EQ(items(find<QComboBox>("DBComboBox1")), titles);
    EXPECT_EQ(items(find<QComboBox>("DBComboBox2")), titles);
    EXPECT_EQ(items(find<QComboBox>("ComboBox2")),
              (QStringList{s("Devlet Hastanesi"), s("Ağız ve Diş Sağlığı Merkezi")}));
    // Filling the list does not choose an entry for the user.
    EXPECT_TRUE(find<QComboBox>("ComboBox2")->currentText().isEmpty());
    EXPECT_EQ(find<QComboBox>("DBComboBox1")->currentText(), s("Memur")); // Ahmet's duty
}

TEST_F(ListsTest, AnsweringNoOnUnvanStillRefillsBothTitleLists)
{
    folder.exec(QStringLiteral("INSERT INTO Unvan (Kategori) VALUES ('Tekniker')"));
    form->data().TableUnvan.first();
    find<QComboBox>("DBComboBox1")->clear();
    find<QComboBox>("DBComboBox2")->clear();
    BoxAnswer no(QMessageBox::No);
    find<QPushButton>("UBtnSil")->click();
    // The table is not re-read, so the list holds what the open table holds.
    const QStringList titles{s("Memur"), s("Şef"), s("Müdür")};
    EXPECT_EQ(items(find<QComboBox>("DBComboBox1")), titles);
    EXPECT_EQ(items(find<QComboBox>("DBComboBox2")), titles);
    EXPECT_EQ(form->data().TableUnvan.recNo(), 3); // the refill ends on the last row
}

TEST_F(ListsTest, NewTitleReachesBothLists)
{
    find<QPushButton>("UBtnEkle")->click();
    type(find<QWidget>("DBEdit15"), s("tekniker"));
    find<QPushButton>("UBtnKaydet")->click();
    const QStringList expected{s("Memur"), s("Şef"), s("Müdür"), s("Tekniker")};
    EXPECT_EQ(items(find<QComboBox>("DBComboBox1")), expected);
    EXPECT_EQ(items(find<QComboBox>("DBComboBox2")), expected);
    EXPECT_EQ(find<QComboBox>("DBComboBox1")->currentText(), s("Memur"));
}

TEST_F(ListsTest, AnsweringNoOnSaglikEmptiesTheChosenInstitution)
{
    auto *health = find<QComboBox>("ComboBox2");
    health->setCurrentIndex(1);
    BoxAnswer no(QMessageBox::No);
    find<QPushButton>("SBtnSil")->click();
    EXPECT_TRUE(health->currentText().isEmpty());
    EXPECT_EQ(health->count(), 2);
}

TEST_F(ListsTest, SaglikEditAcceptsAtMost25Characters)
{
    auto *edit = find<QLineEdit>("DBEdit19");
    edit->clear();
    type(edit, QString(30, QLatin1Char('x')));
    EXPECT_EQ(edit->text().size(), 25);
}

TEST_F(ListsTest, ListBoxChoiceMakesTheRowCurrent)
{
    auto *list = find<QListView>("DBLookupListBox4");
    const QModelIndex second = list->model()->index(1, 0);
    list->setCurrentIndex(second);
    EXPECT_EQ(form->data().TableSKurum.recNo(), 2);
    EXPECT_EQ(find<QLineEdit>("DBEdit19")->text(), s("Ağız ve Diş Sağlığı Merkezi"));
}

TEST_F(ListsTest, StaffChooserOfAileSwitchesTheDependantsAndTheStatus)
{
    auto *chooser = find<QComboBox>("DBLCBox");
    auto *dependants = find<QListView>("DBLookupListBox3");
    EXPECT_EQ(dependants->model()->rowCount(), 2);
    const int mehmet = chooser->findText(s("Mehmet KAYA"));
    ASSERT_GE(mehmet, 0);
    chooser->setCurrentIndex(mehmet);
    emit chooser->activated(mehmet);
    EXPECT_EQ(form->StatusBar1->panelText(0), s(" Personel Sayısı : 12 / 2"));
    EXPECT_EQ(dependants->model()->rowCount(), 0);
}

TEST_F(ListsTest, NewDependantBelongsToTheCurrentStaffMemberOnly)
{
    form->data().Query1.next(); // Mehmet KAYA
    find<QPushButton>("ABtnEkle")->click();
    type(find<QWidget>("DBEdit18"), s("Ece"));
    type(find<QWidget>("DBEdit16"), s("kaya"));
    find<QPushButton>("ABtnKaydet")->click();
    EXPECT_EQ(find<QComboBox>("ComboBox1")->findText(s("KAYA Ece")), 0);
    form->data().Query1.first();
    EXPECT_EQ(find<QComboBox>("ComboBox1")->findText(s("KAYA Ece")), -1);
}

TEST_F(ListsTest, KurumPageEditsFollowTheTitleCaseRule)
{
    type(find<QLineEdit>("EdKurum1"), s("il sağlık müdürlüğü"));
    type(find<QLineEdit>("EdAdres1"), s("atatürk cad. no:5"));
    EXPECT_EQ(find<QLineEdit>("EdKurum1")->text(), s("İl Sağlık Müdürlüğü"));
    EXPECT_EQ(find<QLineEdit>("EdAdres1")->text(), s("Atatürk Cad. No:5"));
}

} // namespace

// The statistics record editor: its navigator, adding, changing and deleting
// rows, refusing a date that is no date without losing anything, and the
// counts read again when it closes.
#include "statsfixture.h"

#include "boxanswer.h"
#include "records/db/maindatasets.h"
#include "records/ui/dbedit.h"
#include "records/ui/tsrdbgrid.h"
#include "stats/dbdateedit.h"
#include "stats/dbnavigator.h"
#include "stats/tform3.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

class EditorTest : public StatsTest
{
protected:
    void SetUp() override
    {
        StatsTest::SetUp();
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    }
    void click(DBNavigator::Button which)
    {
        QToolButton *b = editor->DBNavigator1->button(which);
        ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void retype(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        type(edit, text);
    }
    db::Dataset &stats() { return form->data().QIstatistik; }
    QString rowsOf(int siraNo)
    {
        return folder.scalar(QStringLiteral("SELECT count(*) FROM istatistik WHERE SiraNo=%1").arg(siraNo));
    }
};

TEST_F(EditorTest, WindowAndNavigatorTips)
{
    EXPECT_EQ(editor->windowTitle(), s("İstatistik Kayıtları"));
    EXPECT_EQ(editor->size(), QSize(361, 206));
    const char *tips[] = {"İlk Kayıt", "Önceki Kayıt", "Sonraki Kayıt", "Son Kayıt",
                          "Yeni Ekle", "Kayıt Sil",    "Kaydet",        "İptal"};
    for (int i = 0; i < DBNavigator::ButtonCount; ++i)
        EXPECT_EQ(editor->DBNavigator1->button(DBNavigator::Button(i))->toolTip(), s(tips[i]));
    EXPECT_EQ(editor->DBNavigator1->geometry(), QRect(80, 160, 200, 25));
}

TEST_F(EditorTest, NavigatorMovesAndTheEditsFollow)
{
    EXPECT_EQ(editor->DBEdit1->text(), s("01.03.2026"));
    EXPECT_EQ(editor->DBEdit2->text(), s("Kendisi"));
    EXPECT_FALSE(editor->DBNavigator1->button(DBNavigator::nbFirst)->isEnabled());
    EXPECT_FALSE(editor->DBNavigator1->button(DBNavigator::nbPrior)->isEnabled());
    EXPECT_FALSE(editor->DBNavigator1->button(DBNavigator::nbPost)->isEnabled());

    click(DBNavigator::nbNext);
    EXPECT_EQ(editor->DBEdit1->text(), s("15.03.2026"));
    EXPECT_EQ(editor->DBEdit3->text(), s("Diş"));
    click(DBNavigator::nbLast);
    EXPECT_EQ(editor->DBEdit1->text(), s("02.04.2026"));
    EXPECT_FALSE(editor->DBNavigator1->button(DBNavigator::nbNext)->isEnabled());
    click(DBNavigator::nbPrior);
    EXPECT_EQ(editor->DBEdit1->text(), s("15.03.2026"));
    click(DBNavigator::nbFirst);
    EXPECT_EQ(editor->DBEdit1->text(), s("01.03.2026"));
}

TEST_F(EditorTest, TypingStartsAnEditThatPostStoresAndCancelDrops)
{
    retype(editor->DBEdit3, s("Göz"));
    EXPECT_EQ(stats().state(), db::DatasetState::Edit);
    click(DBNavigator::nbCancel);
    EXPECT_EQ(editor->DBEdit3->text(), s("Normal"));
    EXPECT_EQ(stats().state(), db::DatasetState::Browse);

    retype(editor->DBEdit1, s("05.03.2026"));
    retype(editor->DBEdit3, s("Göz"));
    click(DBNavigator::nbPost);
    EXPECT_EQ(stats().state(), db::DatasetState::Browse);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Turu || ' ' || Tarih FROM istatistik "
                                           "WHERE SiraNo=1 AND Turu='Göz'")),
              s("Göz 2026-03-05"));
    EXPECT_EQ(rowsOf(1), s("3"));
}

TEST_F(EditorTest, InsertedRowBelongsToTheStaffMemberAndRaisesHisCountOnClose)
{
    form->data().Query1.setRecNo(3); // Ayşe DEMİR, no rows yet
    EXPECT_EQ(countOf(s("Ayşe DEMİR")), s("0"));
    click(DBNavigator::nbInsert);
    EXPECT_EQ(stats().state(), db::DatasetState::Insert);
    type(editor->DBEdit1, s("20.06.2026"));
    type(editor->DBEdit2, s("Yakını"));
    type(editor->DBEdit3, s("Normal"));
    click(DBNavigator::nbPost);
    EXPECT_EQ(folder.scalar(QStringLiteral(
                  "SELECT SiraNo || '|' || SevkAlan || '|' || Turu || '|' || Tarih || '|' || "
                  "ifnull(Adet, 'NULL') FROM istatistik WHERE Tarih='2026-06-20'")),
              s("3|Yakını|Normal|2026-06-20|NULL"));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 1 ]"));
    // The counts are read again only when the editor closes.
    EXPECT_EQ(countOf(s("Ayşe DEMİR")), s("0"));
    editor->close();
    EXPECT_EQ(countOf(s("Ayşe DEMİR")), s("1"));
}

TEST_F(EditorTest, DeleteAsksAndOnlyOkDeletes)
{
    {
        BoxAnswer answer(QMessageBox::Cancel);
        click(DBNavigator::nbDelete);
        ASSERT_EQ(answer.texts(), QStringList{s("Delete record?")});
    }
    EXPECT_EQ(rowsOf(1), s("3"));
    {
        BoxAnswer answer(QMessageBox::Ok);
        click(DBNavigator::nbDelete);
        ASSERT_EQ(answer.seen().size(), 1u);
    }
    EXPECT_EQ(rowsOf(1), s("2"));
    EXPECT_EQ(editor->DBEdit1->text(), s("15.03.2026"));
    EXPECT_EQ(find<QLabel>("Label33")->text(), s("[ 2 ]"));
    EXPECT_EQ(countOf(s("Ahmet YILMAZ")), s("3"));
    editor->close();
    EXPECT_EQ(countOf(s("Ahmet YILMAZ")), s("2"));
}

TEST_F(EditorTest, TextThatIsNoDateIsRefusedAndNothingIsLost)
{
    const char *bad[] = {"abc", "31.02.2026", "15.13.2026", "1.2.3.4"};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        click(DBNavigator::nbInsert);
        type(editor->DBEdit1, s(text));
        type(editor->DBEdit2, s("Kendisi"));
        {
            BoxAnswer answer;
            // Leaving the box refuses the text (once)...
            QTest::qWait(30);
            editor->DBEdit3->setFocus();
            QTest::qWait(30);
            // ...and so does storing the row.
            click(DBNavigator::nbPost);
            ASSERT_FALSE(answer.seen().empty());
            for (const BoxAnswer::Seen &seen : answer.seen()) {
                EXPECT_EQ(seen.icon, QMessageBox::Critical);
                EXPECT_EQ(seen.text, DBDateEdit::notADateMessage(s(text)));
            }
        }
        EXPECT_EQ(stats().state(), db::DatasetState::Insert);
        EXPECT_EQ(editor->DBEdit1->text(), s(text));
        EXPECT_EQ(editor->DBEdit2->text(), s("Kendisi"));
        EXPECT_EQ(editor->focusWidget(), editor->DBEdit1);
        EXPECT_EQ(rowsOf(1), s("3"));
        click(DBNavigator::nbCancel);
        EXPECT_EQ(stats().state(), db::DatasetState::Browse);
    }
}

TEST_F(EditorTest, CorrectedDateIsStoredWithTheRestOfTheRow)
{
    click(DBNavigator::nbInsert);
    type(editor->DBEdit1, s("31.02.2026"));
    type(editor->DBEdit3, s("Diş"));
    {
        BoxAnswer answer;
        click(DBNavigator::nbPost);
        EXPECT_EQ(answer.seen().size(), 1u);
    }
    retype(editor->DBEdit1, s("28.02.2026"));
    click(DBNavigator::nbPost);
    EXPECT_EQ(stats().state(), db::DatasetState::Browse);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Turu FROM istatistik WHERE Tarih='2026-02-28'")),
              s("Diş"));
    EXPECT_EQ(editor->DBEdit1->text(), s("28.02.2026"));
}

TEST_F(EditorTest, ClosingWithANonDateKeepsTheWindowOpen)
{
    retype(editor->DBEdit1, s("yarın"));
    {
        BoxAnswer answer;
        editor->close();
        EXPECT_EQ(answer.texts(), QStringList{DBDateEdit::notADateMessage(s("yarın"))});
    }
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->DBEdit1->text(), s("yarın"));
    EXPECT_EQ(stats().state(), db::DatasetState::Edit);
    click(DBNavigator::nbCancel);
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->DBEdit1->text(), s("01.03.2026"));
}

} // namespace

// The record grid over a real dataset: row colours, wheel steps, keyboard
// navigation, Ctrl+Delete with its confirmation, and the bound edit's limit.
#include "records/db/connection.h"
#include "records/db/dataset.h"
#include "records/db/schema.h"
#include "records/ui/datasource.h"
#include "records/ui/dbedit.h"
#include "records/ui/dblookuplistbox.h"
#include "records/ui/recordtablemodel.h"
#include "records/ui/srdbgriddelegate.h"
#include "records/ui/tsrdbgrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

class GridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        connection.open(dir.filePath(QStringLiteral("Data.ssd")), db::Connection::defaultPassword(),
                        db::OpenMode::CreateNew);
        db::Schema::create(connection);
        for (int i = 1; i <= rows; ++i)
            connection.execute(QStringLiteral("INSERT INTO SKurum (SKurum) VALUES ('Kurum %1')").arg(i));
        table.setTableName(QStringLiteral("SKurum"));
        table.open();
        grid.setDataSource(&source);
        grid.addColumn(QStringLiteral("SKurum"), QStringLiteral("Kurum"), 150);
        grid.resize(200, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    int rows = 5;
    QTemporaryDir dir;
    db::Connection connection;
    db::Dataset table{connection, QStringLiteral("TableSKurum")};
    DataSource source{&table};
    TSrDBGrid grid;
};

TEST_F(GridTest, ConstructorColours)
{
    TSrDBGrid fresh;
    EXPECT_EQ(fresh.colorAlternative(), QColor(0xE3, 0xEA, 0xF9));
    EXPECT_EQ(fresh.color(), QColor(0xD6, 0xDF, 0xF7));
    EXPECT_EQ(fresh.colorSelect(), QColor(Qt::white));
    EXPECT_EQ(fresh.colorSelectText(), QColor(Qt::red));
    EXPECT_EQ(fresh.moveByRows(), 1);
}

TEST_F(GridTest, EvenRowsAlternateAndTheCurrentRowWins)
{
    grid.setColor(Qt::white);
    grid.setColorAlternative(TSrDBGrid::colour(14675694));
    grid.setColorSelect(TSrDBGrid::colour(0xF0CAA6));
    grid.setColorSelectText(Qt::black);
    auto *delegate = static_cast<SrDBGridDelegate *>(grid.itemDelegate());
    const QColor cream(0xEE, 0xEE, 0xDF), sky(0xA6, 0xCA, 0xF0);
    const QColor expected[] = {Qt::white, cream, Qt::white, cream, Qt::white};
    for (int current : {0, 3}) {
        for (int row = 0; row < 5; ++row) {
            const auto c = delegate->coloursFor(row, current);
            EXPECT_EQ(c.background, row == current ? sky : expected[row]) << row << " " << current;
            if (row == current) {
                EXPECT_EQ(c.text, QColor(Qt::black));
            }
        }
    }
}

TEST_F(GridTest, PaintedRowsShowTheirColours)
{
    grid.setColor(Qt::white);
    grid.setColorAlternative(Qt::green);
    grid.setColorSelect(Qt::blue);
    table.setRecNo(4);
    const QImage shot = grid.grab().toImage();
    auto rowColour = [&](int row) {
        const QRect r = grid.visualRect(grid.model()->index(row, 0));
        const QPoint p = grid.viewport()->mapTo(&grid, r.topLeft() + QPoint(r.width() - 5, 2));
        return shot.pixelColor(p);
    };
    EXPECT_EQ(rowColour(0), QColor(Qt::white));
    EXPECT_EQ(rowColour(1), QColor(Qt::green));
    EXPECT_EQ(rowColour(2), QColor(Qt::white));
    EXPECT_EQ(rowColour(3), QColor(Qt::blue));
    EXPECT_EQ(rowColour(4), QColor(Qt::white));
}

TEST_F(GridTest, WheelMovesByRowsAndReportsWhetherItMoved)
{
    EXPECT_TRUE(grid.DoMouseWheelDown({}, {}));
    EXPECT_EQ(table.recNo(), 2);
    grid.setMoveByRows(3);
    EXPECT_TRUE(grid.DoMouseWheelDown({}, {}));
    EXPECT_EQ(table.recNo(), 5);
    EXPECT_FALSE(grid.DoMouseWheelDown({}, {})); // at the last row
    EXPECT_EQ(table.recNo(), 5);
    EXPECT_TRUE(grid.DoMouseWheelUp({}, {}));
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(grid.currentIndex().row(), 1);
}

TEST_F(GridTest, WheelEventAskedFirstCanTakeTheStep)
{
    int asked = 0;
    grid.OnMouseWheelDown = [&](TSrDBGrid *, Qt::KeyboardModifiers, QPoint, bool &handled) {
        ++asked;
        handled = true;
    };
    EXPECT_TRUE(grid.DoMouseWheelDown({}, {}));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(table.recNo(), 1);
}

TEST_F(GridTest, RealWheelStepMovesTheRowNotTheFocus)
{
    const bool focusBefore = grid.hasFocus();
    QWheelEvent wheel(QPointF(10, 10), grid.mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &wheel);
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(grid.hasFocus(), focusBefore);
}

TEST_F(GridTest, KeyboardMovesTheDatasetRow)
{
    grid.setFocus();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int recNo;
    } steps[] = {{Qt::Key_Down, {}, 2},
                 {Qt::Key_End, Qt::ControlModifier, 5},
                 {Qt::Key_Up, {}, 4},
                 {Qt::Key_Home, Qt::ControlModifier, 1}};
    for (const auto &st : steps) {
        QTest::keyClick(&grid, st.key, st.mods);
        EXPECT_EQ(table.recNo(), st.recNo) << st.key;
    }
    table.setRecNo(3);
    EXPECT_EQ(grid.currentIndex().row(), 2);
}

TEST_F(GridTest, CtrlDeleteAsksAndDeletesOnOk)
{
    for (auto [answer, left] : {std::pair{QMessageBox::Cancel, 5}, std::pair{QMessageBox::Ok, 4}}) {
        QString asked;
        QTimer::singleShot(0, [&, answer = answer] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    asked = box->text();
                    box->button(answer)->click();
                }
        });
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(asked, s("Delete record?"));
        EXPECT_EQ(table.recordCount(), left);
    }
}

// Over rows that cannot be deleted, or in a display-only grid, Ctrl+Delete
// asks nothing and changes nothing.
TEST_F(GridTest, CtrlDeleteDoesNothingWhereRowsCannotBeDeleted)
{
    const struct {
        const char *name;
        const char *sql; // none: the writable table itself
        bool displayOnly;
    } cases[] = {
        {"grouped counts", "SELECT SKurum, count(*) AS Adet FROM SKurum GROUP BY SKurum", false},
        {"two tables", "SELECT k.SKurum FROM SKurum k JOIN SKurum j ON j.SiraNo = k.SiraNo", false},
        {"display-only grid", nullptr, true},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        db::Dataset query{connection, QStringLiteral("ADOQuery1")};
        DataSource querySource{&query};
        db::Dataset *shown = &table;
        if (row.sql) {
            query.setSql({QString::fromLatin1(row.sql)});
            query.open();
            shown = &query;
        }
        EXPECT_EQ(shown->canModify(), !row.sql);
        TSrDBGrid counts;
        counts.setDataSource(row.sql ? &querySource : &source);
        counts.addColumn(QStringLiteral("SKurum"), QStringLiteral("Kurum"), 150);
        counts.setReadOnly(row.displayOnly);
        counts.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&counts));
        ASSERT_EQ(shown->recordCount(), rows);

        QStringList asked;
        QTimer answer; // fires only inside the loop of a box, and answers every box
        QObject::connect(&answer, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    asked << box->text();
                    box->button(QMessageBox::Ok)->click();
                }
        });
        answer.start(0);
        QTest::keyClick(&counts, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(shown->recordCount(), rows);
        db::Dataset stored{connection, QStringLiteral("stored")};
        stored.setSql({QStringLiteral("SELECT count(*) AS n FROM SKurum")});
        stored.open();
        EXPECT_EQ(stored.fieldByName(QStringLiteral("n")).asInteger(), rows);
    }
}

TEST_F(GridTest, BoundEditLimitsTypingButKeepsLongerStoredText)
{
    DBEdit edit;
    edit.bind(&source, QStringLiteral("SKurum"));
    EXPECT_EQ(edit.typingLimit(), 30);
    const QString longer(34, QLatin1Char('k'));
    connection.execute(QStringLiteral("UPDATE SKurum SET SKurum = '%1' WHERE SiraNo = 1").arg(longer));
    table.close();
    table.open();
    EXPECT_EQ(edit.text(), longer); // shown whole
    // Over the limit already: typing more is refused, shortening is not.
    edit.setFocus();
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), longer);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QString(33, QLatin1Char('k')));
    EXPECT_EQ(table.fieldByName(QStringLiteral("SKurum")).displayText(), QString(33, QLatin1Char('k')));

    table.setRecNo(2);
    edit.clear();
    QTest::keyClicks(&edit, QString(35, QLatin1Char('a')));
    EXPECT_EQ(edit.text().size(), 30);
    EXPECT_EQ(table.fieldByName(QStringLiteral("SKurum")).displayText().size(), 30);

    // A paste keeps what fits: 25 typed, "bcdefghij" pasted in the middle,
    // the first five of it go in.
    edit.clear();
    QTest::keyClicks(&edit, QString(25, QLatin1Char('a')));
    edit.setCursorPosition(10);
    edit.insert(QStringLiteral("bcdefghij"));
    EXPECT_EQ(edit.text(), QString(10, QLatin1Char('a')) + QStringLiteral("bcdef") + QString(15, QLatin1Char('a')));
    EXPECT_EQ(edit.cursorPosition(), 15);
}

TEST_F(GridTest, ListBoxChoiceLocatesAndFollowsTheDataset)
{
    DBLookupListBox list;
    list.setListSource(&source, QStringLiteral("SKurum"));
    list.show();
    list.setCurrentIndex(list.model()->index(3, 0));
    EXPECT_EQ(table.recNo(), 4);
    table.setRecNo(2);
    EXPECT_EQ(list.currentIndex().row(), 1);
}

} // namespace

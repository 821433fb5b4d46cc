// One dataset over one statement: reading, navigation, locate, sorting,
// editing with its states, fields and bookmarks. Statement in, rows out,
// and an integrity check after every change.
#include "dbfixture.h"

#include "platform/loderaerror.h"
#include "records/db/dataset.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <sqlite3.h>

using namespace dbtest;

namespace {

class DatasetTest : public DbFixture
{
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        connection.open(makeRegister());
    }

    // The given column of every row in the dataset's current order.
    static QStringList texts(db::Dataset &ds, const QString &field)
    {
        QStringList out;
        const int c = ds.fieldNames().indexOf(field);
        for (int r = 0; r < ds.recordCount(); ++r)
            out << ds.displayTextAt(r, c);
        return out;
    }

    db::Connection connection;
};

std::string messageOf(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const LoderaError &e) {
        return e.message().toStdString();
    }
    return "(no error)";
}

TEST_F(DatasetTest, OpenFetchesEveryRowAndMakesTheFirstCurrent)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    EXPECT_FALSE(staff.isActive());
    EXPECT_EQ(staff.state(), db::DatasetState::Inactive);
    staff.open();
    EXPECT_EQ(staff.state(), db::DatasetState::Browse);
    EXPECT_EQ(staff.recordCount(), 4);
    EXPECT_EQ(staff.recNo(), 1);
    EXPECT_TRUE(staff.bof());
    EXPECT_FALSE(staff.eof());
    EXPECT_EQ(staff.fieldByName("Birlestir").value(), QVariant("Ahmet YILMAZ"));
    EXPECT_EQ(staff.fieldCount(), 11);
    EXPECT_EQ(staff.fieldNames().first(), "SiraNo");

    staff.close();
    EXPECT_FALSE(staff.isActive());
    EXPECT_EQ(staff.recordCount(), 0);
    EXPECT_NE(messageOf([&] { staff.fieldByName("Adi").value(); }), "(no error)");
}

TEST_F(DatasetTest, TextsReadFromTheRowsOutliveTheOpening)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    const QVariant value = staff.fieldByName("Birlestir").value();
    const QString display = staff.fieldByName("Adi").displayText();
    const QVariant cell = staff.valueAt(1, 9);
    const QString cellText = staff.displayTextAt(2, 2);
    staff.close(); // the rows and their text storage are gone now
    staff.open();
    staff.close();
    EXPECT_EQ(value.toString(), "Ahmet YILMAZ");
    EXPECT_EQ(display, "Ahmet");
    EXPECT_EQ(cell.toString(), "Şule ÇELİK");
    EXPECT_EQ(cellText, "Can");
}

TEST_F(DatasetTest, NavigationIsClientSideBothWays)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    int scrolls = 0;
    staff.setAfterScroll([&](db::Dataset &) { ++scrolls; });
    staff.open();
    EXPECT_EQ(scrolls, 1); // opening is a move to the first row

    staff.next();
    staff.next();
    EXPECT_EQ(staff.recNo(), 3);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Can"));
    staff.next();
    EXPECT_FALSE(staff.eof());
    staff.next(); // past the last row: end of data, no move
    EXPECT_TRUE(staff.eof());
    EXPECT_EQ(staff.recNo(), 4);
    EXPECT_EQ(scrolls, 4);

    EXPECT_EQ(staff.moveBy(-10), -3);
    EXPECT_TRUE(staff.bof());
    EXPECT_EQ(staff.recNo(), 1);
    staff.prior();
    EXPECT_TRUE(staff.bof());
    EXPECT_EQ(staff.moveBy(2), 2);
    EXPECT_EQ(staff.recNo(), 3);
    staff.last();
    EXPECT_TRUE(staff.eof());
    EXPECT_EQ(staff.recNo(), 4);
    staff.setRecNo(2);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Şule"));

    // Walking like a report does: first, then next until the end.
    QStringList walked;
    for (staff.first(); !staff.eof(); staff.next())
        walked << staff.fieldByName("Adi").displayText();
    EXPECT_EQ(walked, QStringList({"Ahmet", "Şule", "Can", "İpek"}));
}

TEST_F(DatasetTest, AnEmptyResultIsAtBothEnds)
{
    db::Dataset ds(connection, "QueryDetail");
    ds.setSql({"Select * From Yakinlar Where SiraNo=:SiraNo"});
    ds.setParam("SiraNo", 99);
    ds.open();
    EXPECT_TRUE(ds.isEmpty());
    EXPECT_TRUE(ds.eof());
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.recNo(), 0);
    EXPECT_TRUE(ds.fieldByName("Adi").isNull());
    ds.first();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.moveBy(3), 0);
}

struct LocateCase {
    const char *name;
    const char *field;
    QVariant value;
    db::LocateMatch match;
    int recNo; // 0: not found, the current row (3) stays
};

class Locate : public DatasetTest, public ::testing::WithParamInterface<LocateCase>
{
};

TEST_P(Locate, MakesTheFirstMatchCurrent)
{
    const LocateCase &c = GetParam();
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.setRecNo(3);
    const bool found = staff.locate(c.field, c.value, c.match);
    EXPECT_EQ(found, c.recNo != 0);
    EXPECT_EQ(staff.recNo(), c.recNo ? c.recNo : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Locate,
    ::testing::Values(LocateCase{"whole_text", "Birlestir", "Şule ÇELİK", db::LocateMatch::Whole, 2},
                      LocateCase{"whole_text_other_case", "Birlestir", "şule çelik", db::LocateMatch::Whole, 2},
                      LocateCase{"whole_needs_all", "Birlestir", "Şule", db::LocateMatch::Whole, 0},
                      LocateCase{"prefix", "Birlestir", "Ah", db::LocateMatch::Prefix, 1},
                      LocateCase{"prefix_turkish_lower", "Birlestir", "şu", db::LocateMatch::Prefix, 2},
                      LocateCase{"prefix_dotted_i", "Birlestir", "ip", db::LocateMatch::Prefix, 4},
                      LocateCase{"prefix_dotless_is_other_letter", "Birlestir", "ıp", db::LocateMatch::Prefix, 0},
                      LocateCase{"no_match_keeps_row", "Birlestir", "Zz", db::LocateMatch::Prefix, 0},
                      LocateCase{"integer_key", "SiraNo", 4, db::LocateMatch::Whole, 4},
                      LocateCase{"integer_key_as_text", "SiraNo", "2", db::LocateMatch::Whole, 2},
                      LocateCase{"null_never_matches", "Gorevi", "", db::LocateMatch::Whole, 0}),
    [](const auto &info) { return info.param.name; });

TEST_F(DatasetTest, LocatingAMissingFieldThrows)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    EXPECT_EQ(messageOf([&] { staff.locate("Yok", "x"); }), "Saha bulunamadı: 'Query1.Yok'");
    EXPECT_EQ(messageOf([&] { staff.fieldByName("yok"); }), "Saha bulunamadı: 'Query1.yok'");
    EXPECT_EQ(&staff.fieldByName("birlestir"), &staff.fieldByName("Birlestir")); // any case
}

TEST_F(DatasetTest, SortTextCyclesOnTheClientAndIsEmptyAfterOpen)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.setRecNo(2); // Şule
    EXPECT_EQ(staff.sort(), "");

    staff.setSort("Birlestir ASC");
    EXPECT_EQ(staff.sort(), "Birlestir ASC");
    EXPECT_EQ(texts(staff, "Birlestir"), QStringList({"Ahmet YILMAZ", "Can ÖZ", "İpek ARI", "Şule ÇELİK"}));
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Şule")); // the same row stays current
    EXPECT_EQ(staff.recNo(), 4);

    staff.setSort("Birlestir DESC");
    EXPECT_EQ(texts(staff, "Birlestir"), QStringList({"Şule ÇELİK", "İpek ARI", "Can ÖZ", "Ahmet YILMAZ"}));

    // NULL sorts first, ties keep the statement's order.
    staff.setSort("Gorevi ASC");
    EXPECT_EQ(texts(staff, "Adi"), QStringList({"İpek", "Ahmet", "Can", "Şule"}));

    staff.setSort("");
    EXPECT_EQ(texts(staff, "Adi"), QStringList({"Ahmet", "Şule", "Can", "İpek"}));

    staff.setSort("Birlestir DESC");
    staff.close();
    staff.open();
    EXPECT_EQ(staff.sort(), "");
    EXPECT_EQ(texts(staff, "Adi"), QStringList({"Ahmet", "Şule", "Can", "İpek"}));

    EXPECT_NE(messageOf([&] { staff.setSort("Yok ASC"); }), "(no error)");
    EXPECT_NE(messageOf([&] { staff.setSort("Birlestir UP"); }), "(no error)");
}

TEST_F(DatasetTest, FieldsDescribeTheirColumns)
{
    db::Dataset stats(connection, "QIstatistik");
    stats.setSql({"select * from istatistik where SiraNo=:SiraNo", "ORDER BY Tarih"});
    stats.setParam("SiraNo", 1);
    // Definitions are known before the first open.
    const db::FieldDefs before = stats.fieldDefs();
    ASSERT_EQ(before.size(), 5);
    stats.open();

    struct Expect {
        const char *name;
        db::FieldType type;
        int size;
        int width;
    };
    const Expect expected[] = {{"SiraNo", db::FieldType::Integer, 0, 10},
                               {"SevkAlan", db::FieldType::WideString, 20, 20},
                               {"Turu", db::FieldType::WideString, 20, 20},
                               {"Adet", db::FieldType::Integer, 0, 10},
                               {"Tarih", db::FieldType::DateTime, 0, 18}};
    const db::FieldDefs defs = stats.fieldDefs();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(expected[i].name);
        const db::Field &f = stats.field(i);
        EXPECT_EQ(f.fieldName(), expected[i].name);
        EXPECT_EQ(f.dataType(), expected[i].type);
        EXPECT_EQ(f.size(), expected[i].size);
        EXPECT_EQ(f.displayWidth(), expected[i].width);
        EXPECT_EQ(defs[i].name, expected[i].name);
        EXPECT_EQ(before[i].type, expected[i].type);
    }

    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    EXPECT_EQ(staff.fieldByName("SiraNo").dataType(), db::FieldType::AutoInc);
    EXPECT_TRUE(staff.fieldByName("SiraNo").isReadOnly());
    EXPECT_EQ(staff.fieldByName("Kimlik").size(), 50);
    EXPECT_EQ(staff.fieldByName("TCKimlik").size(), 11);
    EXPECT_FALSE(staff.fieldByName("Adi").isReadOnly());

    db::Dataset counts(connection, "ADOQuery1");
    counts.setSql({"Select T1.Birlestir, (Select count(*) from istatistik as T2 where T2.SiraNo=T1.SiraNo) as Adet",
                   "from Personel as T1"});
    counts.open();
    EXPECT_EQ(counts.fieldNames(), QStringList({"Birlestir", "Adet"}));
    EXPECT_TRUE(counts.fieldByName("Adet").isReadOnly());
    EXPECT_EQ(counts.fieldByName("Adet").displayText(), "3");
}

TEST_F(DatasetTest, DateTimeValuesShowTheShortDateAndTheTimeWhenThereIsOne)
{
    db::Dataset stats(connection, "QIstatistik");
    stats.setSql({"select * from istatistik where SiraNo=:SiraNo", "ORDER BY Tarih"});
    stats.setParam("SiraNo", 1);
    stats.open();
    EXPECT_EQ(texts(stats, "Tarih"), QStringList({"30.11.2026", "10.12.2026", "11.12.2026 09:30:00"}));
    EXPECT_EQ(stats.fieldByName("Tarih").value(), QVariant(QDateTime(QDate(2026, 11, 30), QTime(0, 0))));
    EXPECT_TRUE(stats.fieldByName("Adet").value().canConvert<qlonglong>());
}

TEST_F(DatasetTest, EditPostCancelAndTheStates)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    int beforePost = 0;
    staff.setBeforePost([&](db::Dataset &ds) {
        ++beforePost;
        EXPECT_TRUE(ds.isEditing());
        ds.fieldByName("Birlestir").setValue(ds.fieldByName("Adi").asString() + " " + ds.fieldByName("Soyadi").asString());
    });
    staff.open();
    QSignalSpy states(&staff, &db::Dataset::stateChanged);

    // A field cannot change in browse state.
    EXPECT_NE(messageOf([&] { staff.fieldByName("Adi").setValue("X"); }), "(no error)");

    staff.edit();
    EXPECT_EQ(staff.state(), db::DatasetState::Edit);
    staff.fieldByName("Adi").setText("Mehmet");
    EXPECT_TRUE(staff.isModified());
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Mehmet"));
    staff.cancel();
    EXPECT_EQ(staff.state(), db::DatasetState::Browse);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Ahmet"));
    EXPECT_EQ(beforePost, 0);

    staff.edit();
    staff.fieldByName("Adi").setText("Mehmet");
    staff.post();
    EXPECT_EQ(beforePost, 1);
    EXPECT_EQ(staff.state(), db::DatasetState::Browse);
    EXPECT_EQ(staff.fieldByName("Birlestir").value(), QVariant("Mehmet YILMAZ"));
    EXPECT_EQ(column(connection, "SELECT Birlestir FROM Personel WHERE SiraNo = 1"), QStringList{"Mehmet YILMAZ"});
    EXPECT_GE(states.count(), 4);

    // Append: insert state, the new key appears after the store.
    staff.append();
    EXPECT_EQ(staff.state(), db::DatasetState::Insert);
    EXPECT_EQ(staff.recordCount(), 5);
    EXPECT_EQ(staff.recNo(), 5);
    EXPECT_TRUE(staff.fieldByName("SiraNo").isNull());
    staff.fieldByName("Adi").setText("Ayşe");
    staff.fieldByName("Soyadi").setText("");
    staff.post();
    EXPECT_EQ(staff.fieldByName("SiraNo").value(), QVariant(qlonglong(5)));
    // An empty surname still leaves the blank.
    EXPECT_EQ(staff.fieldByName("Birlestir").value(), QVariant("Ayşe "));
    EXPECT_EQ(column(connection, "SELECT Birlestir FROM Personel WHERE SiraNo = 5"), QStringList{"Ayşe "});

    // Cancelling an append removes the row again.
    staff.setRecNo(2);
    staff.append();
    staff.cancel();
    EXPECT_EQ(staff.recordCount(), 5);
    EXPECT_EQ(staff.recNo(), 2);
    EXPECT_EQ(integrity(connection), "ok");
}

TEST_F(DatasetTest, MovingAwayPostsChangesAndDropsUntouchedAppends)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    int beforePost = 0;
    staff.setBeforePost([&](db::Dataset &) { ++beforePost; });
    staff.open();

    staff.edit();
    staff.fieldByName("Gorevi").setText("Şef");
    staff.next();
    EXPECT_EQ(beforePost, 1);
    EXPECT_EQ(staff.state(), db::DatasetState::Browse);
    EXPECT_EQ(staff.recNo(), 2);
    EXPECT_EQ(column(connection, "SELECT Gorevi FROM Personel WHERE SiraNo = 1"), QStringList{"Şef"});

    staff.append();
    staff.first(); // nothing typed: dropped, not stored
    EXPECT_EQ(beforePost, 1);
    EXPECT_EQ(staff.recordCount(), 4);
    EXPECT_EQ(column(connection, "SELECT count(*) FROM Personel"), QStringList{"4"});

    staff.edit();
    staff.fieldByName("Gorevi").setText("Memur");
    EXPECT_TRUE(staff.locate("Birlestir", "Can", db::LocateMatch::Prefix));
    EXPECT_EQ(column(connection, "SELECT Gorevi FROM Personel WHERE SiraNo = 1"), QStringList{"Memur"});
    EXPECT_EQ(integrity(connection), "ok");
}

TEST_F(DatasetTest, ARefusedPostKeepsTheStateAndEverythingTyped)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    bool refuse = true;
    staff.setBeforePost([&](db::Dataset &) {
        if (refuse)
            throw LoderaError("Adı boş olamaz.");
    });
    staff.open();
    staff.edit();
    staff.fieldByName("Adi").setText("Mehmet");
    EXPECT_EQ(messageOf([&] { staff.post(); }), "Adı boş olamaz.");
    EXPECT_EQ(staff.state(), db::DatasetState::Edit);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Mehmet"));
    // Moving away tries to post, fails, and does not move.
    EXPECT_NE(messageOf([&] { staff.next(); }), "(no error)");
    EXPECT_EQ(staff.recNo(), 1);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Mehmet"));
    refuse = false;
    staff.post();
    EXPECT_EQ(column(connection, "SELECT Adi FROM Personel WHERE SiraNo = 1"), QStringList{"Mehmet"});
}

// Reading a new row back fails (here the read is interrupted, as a lock of
// another copy would end it): the insert goes with it, the row stays in
// insert with what was typed, and the next post stores it once.
TEST_F(DatasetTest, ANewRowWhoseReadBackFailsIsNotStoredTwice)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.append();
    staff.fieldByName("Adi").setText("Zeynep");

    struct Probe {
        bool armed = true, reading = false;
    } probe;
    sqlite3 *handle = connection.handle();
    sqlite3_trace_v2(
        handle, SQLITE_TRACE_STMT,
        [](unsigned, void *context, void *statement, void *) -> int {
            auto *p = static_cast<Probe *>(context);
            const QByteArray sql = sqlite3_sql(static_cast<sqlite3_stmt *>(statement));
            p->reading = p->armed && sql.startsWith("SELECT") && sql.contains("WHERE rowid");
            return 0;
        },
        &probe);
    sqlite3_progress_handler(handle, 1, [](void *context) { return static_cast<Probe *>(context)->reading ? 1 : 0; },
                             &probe);
    EXPECT_NE(messageOf([&] { staff.post(); }), "(no error)");
    probe.armed = false;
    EXPECT_EQ(staff.state(), db::DatasetState::Insert);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Zeynep"));
    EXPECT_EQ(column(connection, "SELECT COUNT(*) FROM Personel WHERE Adi = 'Zeynep'"), QStringList{"0"});

    staff.post();
    sqlite3_progress_handler(handle, 0, nullptr, nullptr);
    sqlite3_trace_v2(handle, 0, nullptr, nullptr);
    EXPECT_EQ(staff.state(), db::DatasetState::Browse);
    EXPECT_EQ(column(connection, "SELECT SiraNo FROM Personel WHERE Adi = 'Zeynep'"), QStringList{"5"});
    EXPECT_EQ(staff.fieldByName("SiraNo").value(), QVariant(qlonglong(5)));
    EXPECT_EQ(integrity(connection), "ok");
}

TEST_F(DatasetTest, DeleteRemovesTheRowAndKeysAreNeverGivenAgain)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.last();
    staff.deleteRecord(); // SiraNo 4, the highest
    EXPECT_EQ(staff.recordCount(), 3);
    EXPECT_EQ(staff.recNo(), 3);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Can"));
    staff.append();
    staff.fieldByName("Adi").setText("Yeni");
    staff.post();
    EXPECT_EQ(staff.fieldByName("SiraNo").value(), QVariant(qlonglong(5)));
    EXPECT_EQ(column(connection, "SELECT SiraNo FROM Personel ORDER BY SiraNo"), QStringList({"1", "2", "3", "5"}));

    // Deleting in the middle makes the next row current.
    staff.setRecNo(2);
    staff.deleteRecord();
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Can"));
    EXPECT_EQ(integrity(connection), "ok");

    db::Dataset empty(connection, "QueryDetail");
    empty.setSql({"Select * From Yakinlar Where SiraNo=:SiraNo"});
    empty.open();
    EXPECT_EQ(messageOf([&] { empty.deleteRecord(); }),
              "Kayıt silinemedi (QueryDetail): silinecek kayıt yok, liste boş.");
}

TEST_F(DatasetTest, ADisplayNameLongerThanItsColumnIsStoredWhole)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.setBeforePost([](db::Dataset &ds) {
        ds.fieldByName("Birlestir").setValue(ds.fieldByName("Adi").asString() + " " + ds.fieldByName("Soyadi").asString());
    });
    staff.open();
    staff.append();
    staff.fieldByName("Adi").setText("Abdurrahmangazi"); // 15
    staff.fieldByName("Soyadi").setText("KARAMUSTAFAOĞLU"); // 15
    staff.post();
    const QString stored = column(connection, "SELECT Birlestir FROM Personel WHERE Adi = 'Abdurrahmangazi'").value(0);
    EXPECT_EQ(stored.size(), 31);
    EXPECT_EQ(stored, "Abdurrahmangazi KARAMUSTAFAOĞLU");
}

TEST_F(DatasetTest, BookmarksNameRowsAcrossSorting)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.setRecNo(2);
    db::Bookmark sule = staff.bookmark();
    staff.setRecNo(4);
    const db::Bookmark ipek = staff.bookmark();
    EXPECT_LT(staff.compareBookmarks(sule, ipek), 0);
    EXPECT_EQ(staff.compareBookmarks(ipek, staff.bookmark()), 0);

    staff.setSort("Birlestir DESC"); // Şule first now
    EXPECT_GT(staff.compareBookmarks(ipek, sule), 0);
    staff.gotoBookmark(sule);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Şule"));
    EXPECT_EQ(staff.recNo(), 1);

    staff.deleteRecord();
    EXPECT_FALSE(staff.bookmarkValid(sule));
    EXPECT_NE(messageOf([&] { staff.gotoBookmark(sule); }), "(no error)");
    staff.freeBookmark(sule);
    EXPECT_FALSE(sule.isValid());

    staff.close();
    staff.open();
    EXPECT_FALSE(staff.bookmarkValid(ipek)); // another opening
}

TEST_F(DatasetTest, AfterOpenCanBeBorrowedAndGivenBack)
{
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    QStringList calls;
    staff.setAfterOpen([&](db::Dataset &) { calls << "form"; });
    staff.setAfterScroll([&](db::Dataset &) { calls << "scroll"; });
    db::Dataset::Handler saved = staff.setAfterOpen([&](db::Dataset &ds) {
        calls << "report";
        EXPECT_EQ(ds.fieldCount(), 11); // fields are bound when it runs
    });
    staff.open();
    staff.close();
    staff.setAfterOpen(saved);
    staff.open();
    EXPECT_EQ(calls, QStringList({"report", "scroll", "form", "scroll"}));
}

TEST_F(DatasetTest, AFailingStatementNamesItselfAndLeavesTheDatasetClosed)
{
    db::Dataset ds(connection, "Query1");
    ds.setSql({"SELECT * FROM Personel WHERE Birlestir Like \"Ah%\" ORDER"});
    const std::string message = messageOf([&] { ds.open(); });
    EXPECT_NE(message.find("Sorgu çalıştırılamadı (Query1)"), std::string::npos) << message;
    EXPECT_NE(message.find("Sorgu: SELECT * FROM Personel WHERE Birlestir Like \"Ah%\" ORDER"), std::string::npos)
        << message;
    EXPECT_FALSE(ds.isActive());

    EXPECT_EQ(messageOf([&] { ds.setParam("yok", 1); }), "Parametre bulunamadı: 'yok' (Query1)");
}

TEST_F(DatasetTest, AStoreWaitsForAnotherCopysLockAndThenReportsIt)
{
    db::Connection other;
    other.open(connection.path());
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.edit();
    staff.fieldByName("Adi").setText("Mehmet");

    other.execute("BEGIN IMMEDIATE"); // another copy of the program is storing
    QElapsedTimer waited;
    waited.start();
    const std::string message = messageOf([&] { staff.post(); });
    EXPECT_GE(waited.elapsed(), db::Connection::busyTimeoutMs - 100);
    EXPECT_NE(message.find("'Data.ssd' dosyası başka bir program tarafından kilitli"), std::string::npos) << message;
    EXPECT_EQ(staff.state(), db::DatasetState::Edit);

    other.execute("COMMIT");
    staff.post();
    EXPECT_EQ(column(other, "SELECT Adi FROM Personel WHERE SiraNo = 1"), QStringList{"Mehmet"});
    EXPECT_EQ(integrity(connection), "ok");
}

// A report run keeps one read transaction open for its many reads. A store in
// the middle of it must still reach the file at once, and the file must be
// free again for other copies when the last scope ends.
TEST_F(DatasetTest, AStoreInsideAReadScopeIsCommittedAndTheScopeLetsGoAtItsEnd)
{
    const auto inTransaction = [&] { return sqlite3_get_autocommit(connection.handle()) == 0; };
    db::Connection other;
    other.open(connection.path());
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    {
        db::Connection::ReadScope run(connection);
        {
            db::Connection::ReadScope nested(connection);
            staff.open();
        }
        EXPECT_TRUE(inTransaction()) << "the outer scope still holds the read transaction";

        staff.edit();
        staff.fieldByName("Adi").setText("Mehmet");
        staff.post();
        EXPECT_EQ(column(other, "SELECT Adi FROM Personel WHERE SiraNo = 1"), QStringList{"Mehmet"});
        EXPECT_TRUE(inTransaction()) << "the scope takes its read transaction up again after the store";
    }
    EXPECT_FALSE(inTransaction());
    other.execute("BEGIN EXCLUSIVE"); // fails after the busy timeout if a lock were left
    other.execute("COMMIT");
    EXPECT_EQ(integrity(connection), "ok");
}

// Makes a file read-only even for a user whom permissions do not stop (the
// test machines run as root): the immutable attribute stops everyone.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path) : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        if (QFileInfo(path).isWritable())
            m_immutable = QProcess::execute("chattr", {"+i", path}) == 0;
    }
    ~ReadOnlyFile()
    {
        if (m_immutable)
            QProcess::execute("chattr", {"-i", m_path});
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    bool holds() const { return m_immutable || !QFileInfo(m_path).isWritable(); }

private:
    QString m_path;
    bool m_immutable = false;
};

TEST_F(DatasetTest, AReadOnlyFileRefusesTheStoreAndKeepsTheEdit)
{
    const QString path = connection.path();
    connection.close();
    ReadOnlyFile readOnly(path);
    if (!readOnly.holds())
        GTEST_SKIP() << "cannot make the file read-only here";
    connection.open(path);
    EXPECT_TRUE(connection.isReadOnly());
    db::Dataset staff(connection, "Query1");
    staff.setSql({"Select * From Personel"});
    staff.open();
    staff.edit();
    staff.fieldByName("Adi").setText("Mehmet");
    const std::string message = messageOf([&] { staff.post(); });
    EXPECT_NE(message.find("'Data.ssd' dosyası salt okunur"), std::string::npos) << message;
    EXPECT_EQ(staff.state(), db::DatasetState::Edit);
    EXPECT_EQ(staff.fieldByName("Adi").value(), QVariant("Mehmet"));
    staff.cancel();
    EXPECT_NE(messageOf([&] { staff.deleteRecord(); }).find("salt okunur"), std::string::npos);
    EXPECT_EQ(staff.recordCount(), 4);
    connection.close();
}

} // namespace

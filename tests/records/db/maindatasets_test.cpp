// The main window's seven datasets over a small register: the statements as
// the program writes them, the staff list as master of the dependants and
// the statistics, the filtering search with awkward texts.
#include "dbfixture.h"

#include "platform/loderaerror.h"
#include "records/db/maindatasets.h"

using namespace dbtest;

namespace {

class MainDatasetsTest : public DbFixture
{
protected:
    static QStringList texts(db::Dataset &ds, const QString &field)
    {
        QStringList out;
        const int c = ds.fieldNames().indexOf(field);
        for (int r = 0; r < ds.recordCount(); ++r)
            out << ds.displayTextAt(r, c);
        return out;
    }
};

TEST_F(MainDatasetsTest, OpensAllSevenWithTheDetailsOfTheFirstStaffRow)
{
    db::MainDatasets m;
    QStringList order;
    for (const char *name : {"Query1", "QueryDetail", "Table1", "TableUnvan", "TableSKurum", "QIstatistik", "ADOQuery1"})
        m.byName(name)->setAfterOpen([&order](db::Dataset &ds) { order << ds.objectName(); });
    m.open(makeRegister());
    EXPECT_EQ(order, QStringList({"Query1", "QueryDetail", "Table1", "TableUnvan", "TableSKurum", "QIstatistik",
                                  "ADOQuery1"}));
    EXPECT_EQ(m.Query1.fieldByName("Birlestir").value(), QVariant("Ahmet YILMAZ"));
    EXPECT_EQ(texts(m.QueryDetail, "Birlestir"), QStringList({"YILMAZ Ayşe", "YILMAZ Ali"}));
    EXPECT_EQ(m.QIstatistik.recordCount(), 3);
    EXPECT_EQ(m.Table1.fieldNames(), QStringList({"Adi", "Soyadi", "Unvani", "Birlestir"}));
    EXPECT_EQ(texts(m.TableUnvan, "Kategori"), QStringList({"Memur", "Şef", "Müdür"}));
    EXPECT_EQ(m.TableSKurum.recordCount(), 2);
    // The counts per staff member, in Turkish order of the display name.
    EXPECT_EQ(texts(m.ADOQuery1, "Birlestir"), QStringList({"Ahmet YILMAZ", "Can ÖZ", "İpek ARI", "Şule ÇELİK"}));
    EXPECT_EQ(texts(m.ADOQuery1, "Adet"), QStringList({"3", "1", "0", "0"}));
    EXPECT_EQ(m.byName("qistatistik"), &m.QIstatistik);
}

TEST_F(MainDatasetsTest, DetailsRunAgainOnEveryChangeOfTheStaffRow)
{
    db::MainDatasets m;
    int detailOpens = 0, statsScrolls = 0;
    m.QueryDetail.setAfterOpen([&](db::Dataset &) { ++detailOpens; });
    m.QIstatistik.setAfterScroll([&](db::Dataset &) { ++statsScrolls; });
    m.open(makeRegister());
    ASSERT_EQ(detailOpens, 1);

    struct Step {
        const char *name;
        std::function<void()> act;
        const char *dependants; // Birlestir joined by |
        int stats;
    };
    const Step steps[] = {
        {"next", [&] { m.Query1.next(); }, "ÇELİK Deniz", 0},
        {"next again", [&] { m.Query1.next(); }, "", 1},
        {"locate", [&] { m.Query1.locate("Birlestir", "ah", db::LocateMatch::Prefix); }, "YILMAZ Ayşe|YILMAZ Ali", 3},
        {"last", [&] { m.Query1.last(); }, "", 0},
        {"reopen ordered", [&] { db::MainDatasets::replaceStatement(m.Query1, db::MainDatasets::staffOrdered()); },
         "YILMAZ Ayşe|YILMAZ Ali", 3},
        {"row number", [&] { m.Query1.setRecNo(4); }, "ÇELİK Deniz", 0},
    };
    int opens = detailOpens;
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(texts(m.QueryDetail, "Birlestir").join('|'), s.dependants);
        EXPECT_EQ(m.QIstatistik.recordCount(), s.stats);
        EXPECT_GT(detailOpens, opens);
        EXPECT_EQ(m.QueryDetail.param("SiraNo"), m.Query1.fieldByName("SiraNo").value());
        opens = detailOpens;
    }
    EXPECT_GE(statsScrolls, 7);

    // No move, no re-run: next() at the end of the list.
    m.Query1.last();
    opens = detailOpens;
    m.Query1.next();
    EXPECT_EQ(detailOpens, opens);
}

TEST_F(MainDatasetsTest, AppendedDetailRowsBelongToTheCurrentStaffMember)
{
    db::MainDatasets m;
    m.QueryDetail.setBeforePost([](db::Dataset &ds) {
        ds.fieldByName("Birlestir").setValue(ds.fieldByName("Soyadi").asString() + " " + ds.fieldByName("Adi").asString());
    });
    m.open(makeRegister());
    m.Query1.setRecNo(3); // Can ÖZ, SiraNo 3
    m.QueryDetail.append();
    EXPECT_EQ(m.QueryDetail.fieldByName("SiraNo").value(), QVariant(qlonglong(3)));
    EXPECT_FALSE(m.QueryDetail.isModified()); // not typed into yet
    m.QueryDetail.fieldByName("Adi").setText("Ayşe");
    m.QueryDetail.fieldByName("Soyadi").setText("ÖZ");
    m.QueryDetail.post();

    // The statistics row of an issued referral, stored at once.
    m.QIstatistik.append();
    m.QIstatistik.fieldByName("Tarih").setValue(QDate(2026, 12, 10));
    m.QIstatistik.fieldByName("SevkAlan").setValue("Yakını");
    m.QIstatistik.fieldByName("Turu").setValue("Diş");
    m.QIstatistik.fieldByName("Adet").setValue(1);
    m.QIstatistik.post();
    m.ADOQuery1.close();
    m.ADOQuery1.open();

    EXPECT_EQ(column(m.Connection1, "SELECT SiraNo || ' ' || Birlestir FROM Yakinlar WHERE Adi = 'Ayşe' ORDER BY rowid"),
              QStringList({"1 YILMAZ Ayşe", "3 ÖZ Ayşe"}));
    EXPECT_EQ(column(m.Connection1, "SELECT SiraNo || ' ' || Tarih || ' ' || Turu FROM istatistik WHERE SevkAlan = 'Yakını' AND SiraNo = 3"),
              QStringList({"3 2026-12-10 Diş"}));
    EXPECT_EQ(texts(m.ADOQuery1, "Adet"), QStringList({"3", "2", "0", "0"}));

    // Moving the staff list stores a pending dependant first.
    m.QueryDetail.edit();
    m.QueryDetail.fieldByName("Yakinligi").setText("Eşi");
    m.Query1.first();
    EXPECT_EQ(column(m.Connection1, "SELECT Yakinligi FROM Yakinlar WHERE SiraNo = 3"), QStringList{"Eşi"});
    EXPECT_EQ(integrity(m.Connection1), "ok");
}

TEST_F(MainDatasetsTest, WithNoStaffTheDetailsAreEmptyAndANewDependantHasNoSiraNo)
{
    db::MainDatasets m;
    m.open(makeDatabase());
    EXPECT_TRUE(m.Query1.isEmpty());
    EXPECT_TRUE(m.QueryDetail.isEmpty());
    EXPECT_TRUE(m.QIstatistik.isEmpty());
    EXPECT_TRUE(m.QueryDetail.param("SiraNo").isNull());
    m.QueryDetail.append();
    m.QueryDetail.fieldByName("Adi").setText("Ayşe");
    m.QueryDetail.post();
    EXPECT_EQ(column(m.Connection1, "SELECT SiraNo FROM Yakinlar"), QStringList{"NULL"});

    // A staff member appended and stored: the details follow its new key.
    m.Query1.append();
    EXPECT_TRUE(m.QueryDetail.isEmpty());
    m.Query1.fieldByName("Adi").setText("Can");
    m.Query1.post();
    EXPECT_EQ(m.QueryDetail.param("SiraNo"), QVariant(qlonglong(1)));
}

TEST_F(MainDatasetsTest, BothSpellingsOfTheStatisticsTableReachTheSameRows)
{
    db::MainDatasets m;
    m.open(makeRegister());
    db::MainDatasets::replaceStatement(m.QIstatistik, db::MainDatasets::statsUnfiltered());
    const QStringList lower = texts(m.QIstatistik, "Tarih");
    db::MainDatasets::replaceStatement(m.QIstatistik, db::MainDatasets::statsAtStart());
    EXPECT_EQ(texts(m.QIstatistik, "Tarih"), lower);
    EXPECT_EQ(lower, QStringList({"30.11.2026", "10.12.2026", "11.12.2026 09:30:00"}));
    // The row stored through "İstatistik" is counted through "istatistik".
    m.QIstatistik.append();
    m.QIstatistik.fieldByName("Adet").setValue(1);
    m.QIstatistik.post();
    m.ADOQuery1.close();
    m.ADOQuery1.open();
    EXPECT_EQ(m.ADOQuery1.fieldByName("Adet").value(), QVariant(qlonglong(4)));
}

struct RangeCase {
    const char *name;
    const char *from;
    const char *to;
    const char *dates; // listed Tarih texts joined by |
};

class DateRange : public MainDatasetsTest, public ::testing::WithParamInterface<RangeCase>
{
};

TEST_P(DateRange, ListsTheRowsBetweenBothDatesIncluded)
{
    const RangeCase &c = GetParam();
    db::MainDatasets m;
    m.open(makeRegister());
    m.QIstatistik.close();
    m.QIstatistik.setSql(db::MainDatasets::statsFiltered());
    m.QIstatistik.setParam("tarih1", QString::fromUtf8(c.from));
    m.QIstatistik.setParam("tarih2", QString::fromUtf8(c.to));
    m.QIstatistik.open();
    EXPECT_EQ(texts(m.QIstatistik, "Tarih").join('|').toStdString(), c.dates);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateRange,
    ::testing::Values(RangeCase{"one_day_both_ends", "10.12.2026", "10.12.2026", "10.12.2026"},
                      RangeCase{"whole_range", "30.11.2026", "10.12.2026", "30.11.2026|10.12.2026"},
                      // A row with a time of day lies after its day's midnight.
                      RangeCase{"time_after_end_midnight", "11.12.2026", "11.12.2026", ""},
                      RangeCase{"across_years_and_months", "01.01.2025", "31.12.2026",
                                "30.11.2026|10.12.2026|11.12.2026 09:30:00"},
                      RangeCase{"start_after_end", "11.12.2026", "01.12.2026", ""},
                      RangeCase{"day_month_not_swapped", "12.10.2026", "12.11.2026", ""}),
    [](const auto &info) { return info.param.name; });

TEST_F(MainDatasetsTest, TheRangeFilterStaysWhenTheStaffRowChanges)
{
    db::MainDatasets m;
    m.open(makeRegister());
    m.QIstatistik.close();
    m.QIstatistik.setSql(db::MainDatasets::statsFiltered());
    m.QIstatistik.setParam("tarih1", "01.01.2025");
    m.QIstatistik.setParam("tarih2", "31.01.2025");
    m.QIstatistik.open();
    EXPECT_EQ(m.QIstatistik.recordCount(), 0); // Ahmet has none in January 2025
    m.Query1.setRecNo(3);
    EXPECT_EQ(texts(m.QIstatistik, "Tarih"), QStringList{"05.01.2025"});
}

struct SearchCase {
    const char *name;
    const char *text;
    const char *rows; // Birlestir joined by |
};

class FilterSearch : public MainDatasetsTest, public ::testing::WithParamInterface<SearchCase>
{
};

TEST_P(FilterSearch, MatchesTheTextLiterallyAsAPrefix)
{
    const SearchCase &c = GetParam();
    db::MainDatasets m;
    m.open(makeDatabase({
        "INSERT INTO Personel (Birlestir) VALUES ('Ahmet YILMAZ'), ('ahmet şen'), ('Ali \"Kaya\"'), ('100% Ali'),"
        " ('1000 Ali'), ('A_B'), ('AxB'), ('O''NEIL'), ('Şule'), ('şükrü'), ('İlker'), ('Irmak'), ('a\\b'), (NULL)",
    }));
    m.filterStaff(QString::fromUtf8(c.text));
    EXPECT_TRUE(m.Query1.isActive());
    EXPECT_EQ(texts(m.Query1, "Birlestir").join('|').toStdString(), c.rows);
    EXPECT_EQ(m.Query1.recNo(), m.Query1.isEmpty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterSearch,
    ::testing::Values(SearchCase{"prefix_any_case", "ahm", "Ahmet YILMAZ|ahmet şen"},
                      SearchCase{"turkish_case", "Ş", "Şule|şükrü"},
                      SearchCase{"dotted_i", "i", "İlker"},
                      SearchCase{"double_quote", "Ali \"K", "Ali \"Kaya\""},
                      SearchCase{"percent_is_literal", "100%", "100% Ali"},
                      SearchCase{"underscore_is_literal", "A_", "A_B"},
                      SearchCase{"single_quote", "O'N", "O'NEIL"},
                      SearchCase{"backslash", "a\\", "a\\b"},
                      SearchCase{"no_match", "Zz", ""},
                      SearchCase{"empty_lists_every_named_row", "",
                                 "Ahmet YILMAZ|ahmet şen|Ali \"Kaya\"|100% Ali|1000 Ali|A_B|AxB|O'NEIL|Şule|şükrü|"
                                 "İlker|Irmak|a\\b"}),
    [](const auto &info) { return info.param.name; });

TEST_F(MainDatasetsTest, TheSearchStatementAsOnceWrittenStillWorks)
{
    db::MainDatasets m;
    m.open(makeRegister());
    db::MainDatasets::replaceStatement(m.Query1, {"SELECT * FROM Personel WHERE Birlestir Like\"ş%\""});
    EXPECT_EQ(texts(m.Query1, "Birlestir"), QStringList{"Şule ÇELİK"});
}

TEST_F(MainDatasetsTest, ReplacingTheStatementStoresPendingEditsFirst)
{
    db::MainDatasets m;
    m.open(makeRegister());
    m.Query1.edit();
    m.Query1.fieldByName("Gorevi").setText("Müdür");
    m.filterStaff("Ah");
    EXPECT_EQ(column(m.Connection1, "SELECT Gorevi FROM Personel WHERE SiraNo = 1"), QStringList{"Müdür"});
    EXPECT_EQ(m.Query1.sort(), "");
}

} // namespace

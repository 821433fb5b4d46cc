// The statement texts of the program, as written, and what reaches SQLite.
#include "records/db/schema.h"
#include "records/db/statementtranslator.h"

#include <gtest/gtest.h>

namespace {

struct TranslationCase {
    const char *name;
    const char *in;
    const char *out;
    const char *params; // comma-separated distinct names
    const char *baseTable;
};

class Translation : public ::testing::TestWithParam<TranslationCase>
{
};

TEST_P(Translation, KeepsTheTextButWhatSQLiteReadsDifferently)
{
    const TranslationCase &c = GetParam();
    const db::StatementTranslator translator(db::Schema::tableNames());
    const db::TranslatedStatement t = translator.translate(QString::fromUtf8(c.in));
    EXPECT_EQ(t.sql.toStdString(), c.out);
    EXPECT_EQ(t.params.join(QLatin1Char(',')).toStdString(), c.params);
    EXPECT_EQ(t.baseTable.toStdString(), c.baseTable);
    EXPECT_EQ(t.rowidColumn, !t.baseTable.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Statements, Translation,
    ::testing::Values(
        TranslationCase{"whole_staff", "Select * From Personel", "Select Personel.rowid, * From Personel", "", "Personel"},
        TranslationCase{"dotted_capital_table", "Select * From İstatistik Where SiraNo=:SiraNo \norder by Tarih",
                        "Select istatistik.rowid, * From istatistik Where SiraNo=?1 \norder by Tarih", "SiraNo",
                        "istatistik"},
        TranslationCase{"date_range", "select * from istatistik\nwhere Tarih>=:tarih1 and Tarih<=:tarih2 and SiraNo=:SiraNo\nORDER BY Tarih",
                        "select istatistik.rowid, * from istatistik\nwhere Tarih>=?1 and Tarih<=?2 and SiraNo=?3\nORDER BY Tarih",
                        "tarih1,tarih2,SiraNo", "istatistik"},
        TranslationCase{"same_parameter_twice_any_case", "select * from Yakinlar where SiraNo=:SiraNo or SiraNo=:sirano",
                        "select Yakinlar.rowid, * from Yakinlar where SiraNo=?1 or SiraNo=?1", "SiraNo", "Yakinlar"},
        TranslationCase{"double_quoted_like_text", "SELECT * FROM Personel WHERE Birlestir Like\"Ah%\"",
                        "SELECT Personel.rowid, * FROM Personel WHERE Birlestir Like'Ah%'", "", "Personel"},
        TranslationCase{"single_quote_inside_double_quotes", "SELECT * FROM Personel WHERE Birlestir Like\"O'N%\"",
                        "SELECT Personel.rowid, * FROM Personel WHERE Birlestir Like'O''N%'", "", "Personel"},
        TranslationCase{"strings_and_comments_untouched",
                        "select * from Sabit where Adi = ':x İstatistik' -- :y\n",
                        "select Sabit.rowid, * from Sabit where Adi = ':x İstatistik' -- :y\n", "", "Sabit"},
        TranslationCase{"alias_and_subquery",
                        "Select T1.Birlestir, \n(Select count(*) from istatistik as T2 where T2.SiraNo=T1.SiraNo) as Adet\nfrom Personel as T1\norder by T1.Birlestir",
                        "Select T1.rowid, T1.Birlestir, \n(Select count(*) from istatistik as T2 where T2.SiraNo=T1.SiraNo) as Adet\nfrom Personel as T1\norder by T1.Birlestir",
                        "", "Personel"},
        TranslationCase{"join_is_not_one_table", "select * from Personel, Yakinlar", "select * from Personel, Yakinlar", "", ""},
        TranslationCase{"grouping_is_not_one_table", "select SiraNo, count(*) from istatistik group by SiraNo",
                        "select SiraNo, count(*) from istatistik group by SiraNo", "", ""},
        TranslationCase{"distinct_is_not_one_table", "select distinct Turu from istatistik",
                        "select distinct Turu from istatistik", "", ""}),
    [](const auto &info) { return info.param.name; });

} // namespace

// Turkish text rules inside the database: LIKE folding and alphabetical order.
#include "dbfixture.h"

#include "records/db/turkishsql.h"

using namespace dbtest;

namespace {

struct LikeCase {
    const char *name;
    const char *pattern;
    const char *text;
    bool matches;
};

class TurkishLike : public ::testing::TestWithParam<LikeCase>
{
};

TEST_P(TurkishLike, MatchesUnderTurkishFolding)
{
    const LikeCase &c = GetParam();
    EXPECT_EQ(db::TurkishSql::like(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text), QLatin1Char('\\')),
              c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TurkishLike,
    ::testing::Values(LikeCase{"s_cedilla_folds", "ş%", "ŞULE ÇELİK", true},
                      LikeCase{"dotted_capital_i", "i%", "İpek", true},
                      LikeCase{"dotless_capital_i", "ı%", "IŞIK", true},
                      LikeCase{"i_is_not_I", "i%", "Irmak", false},
                      LikeCase{"I_is_not_i", "I%", "ilker", false},
                      LikeCase{"prefix_only", "Ah%", "Mahmut", false},
                      LikeCase{"percent_alone", "%", "", true},
                      LikeCase{"inner_percent", "A%T", "AHMET", true},
                      LikeCase{"underscore_one", "C_n", "Can", true},
                      LikeCase{"underscore_not_two", "C_n", "Cann", false},
                      LikeCase{"escaped_percent_literal", "50\\%%", "50% indirim", true},
                      LikeCase{"escaped_percent_is_not_wild", "50\\%%", "500", false},
                      LikeCase{"escaped_underscore", "a\\_b", "axb", false},
                      LikeCase{"backtracking", "%ab%ab", "xabyabab", true}),
    [](const auto &info) { return info.param.name; });

class TurkishOrder : public DbFixture
{
};

TEST_F(TurkishOrder, TextColumnsSortInTheTurkishAlphabet)
{
    const char *names[] = {"Zeki", "Üzeyir", "Uğur", "Şule", "Sema", "Öznur", "Osman", "İpek", "Işık",
                           "Hale", "Ğ", "Gül", "Çetin", "Can", "Bora", "Ali"};
    QStringList inserts;
    for (const char *n : names)
        inserts << QStringLiteral("INSERT INTO Personel (Birlestir) VALUES ('%1')").arg(QString::fromUtf8(n));
    db::Connection connection;
    connection.open(makeDatabase(inserts));
    EXPECT_EQ(column(connection, "SELECT Birlestir FROM Personel ORDER BY Birlestir"),
              QStringList({"Ali", "Bora", "Can", "Çetin", "Gül", "Ğ", "Hale", "Işık", "İpek", "Osman", "Öznur",
                           "Sema", "Şule", "Uğur", "Üzeyir", "Zeki"}));
    EXPECT_EQ(column(connection, "SELECT Birlestir FROM Personel WHERE Birlestir LIKE 'ş%'"), QStringList{"Şule"});
    EXPECT_EQ(integrity(connection), "ok");
}

} // namespace

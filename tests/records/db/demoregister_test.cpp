// The demo register: what it holds must look like the office's own data
// (capitalisation, valid identity numbers, the values the program writes).
#include "dbfixture.h"

#include "platform/turkishcase.h"
#include "records/db/demoregister.h"
#include "records/db/tckimlik.h"

#include <QCryptographicHash>

using namespace dbtest;

namespace {

struct TcCase {
    const char *name;
    const char *number;
    bool valid;
};

class TcKimlikCheck : public ::testing::TestWithParam<TcCase>
{
};

TEST_P(TcKimlikCheck, FollowsTheCheckDigitRules)
{
    EXPECT_EQ(db::TcKimlik::isValid(QString::fromLatin1(GetParam().number)), GetParam().valid);
}

// Check digits worked out by hand: for 100000001, odd places 1+0+0+0+1 = 2,
// even places 0, d10 = 2*7 mod 10 = 4, d11 = (2+4) mod 10 = 6. For 123456789,
// odd 25, even 20, d10 = (175-20) mod 10 = 5, d11 = (45+5) mod 10 = 0.
INSTANTIATE_TEST_SUITE_P(
    Cases, TcKimlikCheck,
    ::testing::Values(TcCase{"valid_small", "10000000146", true}, TcCase{"valid_digits", "12345678950", true},
                      TcCase{"wrong_tenth", "10000000156", false}, TcCase{"wrong_eleventh", "12345678951", false},
                      TcCase{"leading_zero", "02345678950", false}, TcCase{"too_short", "1234567895", false},
                      TcCase{"not_digits", "1234567895x", false}),
    [](const auto &info) { return info.param.name; });

TEST(TcKimlikMake, CompletesNineDigits)
{
    EXPECT_EQ(db::TcKimlik::fromNineDigits(100000001), "10000000146");
    EXPECT_EQ(db::TcKimlik::fromNineDigits(123456789), "12345678950");
}

class DemoRegisterTest : public DbFixture
{
protected:
    QString make(const char *name, int staff, int stats)
    {
        db::DemoOptions options;
        options.staff = staff;
        options.statsPerStaff = stats;
        options.today = QDate(2026, 12, 10);
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        db::DemoRegister::create(path, options);
        return path;
    }

    static QString digest(db::Connection &c)
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const char *sql : {"SELECT Birlestir || TCKimlik || Gorevi FROM Personel ORDER BY SiraNo",
                                "SELECT SiraNo || Birlestir || Yakinligi FROM Yakinlar ORDER BY rowid",
                                "SELECT SiraNo || SevkAlan || Turu || Tarih FROM istatistik ORDER BY rowid"})
            hash.addData(column(c, sql).join('\n').toUtf8());
        return QString::fromLatin1(hash.result().toHex());
    }
};

TEST_F(DemoRegisterTest, LooksLikeTheOfficesRegister)
{
    db::Connection c;
    c.open(make("a.ssd", 300, 4));
    EXPECT_EQ(column(c, "SELECT count(*) FROM Personel"), QStringList{"300"});

    for (const QString &row : column(c, "SELECT Adi || '|' || Soyadi || '|' || Birlestir || '|' || TCKimlik FROM Personel")) {
        const QStringList p = row.split('|');
        SCOPED_TRACE(row.toStdString());
        // Given names in title case, surnames in capitals by the Turkish rules.
        QString capitals;
        for (QChar ch : p[1])
            capitals += platform::turkishUpCase(ch);
        EXPECT_EQ(p[1], capitals);
        EXPECT_EQ(platform::turkishUpCase(p[0][0]), p[0][0]);
        EXPECT_NE(p[0].mid(1), p[0].mid(1).toUpper());
        EXPECT_EQ(p[2], p[0] + ' ' + p[1]);
        EXPECT_TRUE(db::TcKimlik::isValid(p[3]));
    }
    for (const QString &row : column(c, "SELECT Adi || '|' || Soyadi || '|' || Birlestir || '|' || TCKimlik FROM Yakinlar")) {
        const QStringList p = row.split('|');
        EXPECT_EQ(p[2], p[1] + ' ' + p[0]); // surname first
        EXPECT_TRUE(db::TcKimlik::isValid(p[3]));
    }
    EXPECT_EQ(column(c, "SELECT count(*) FROM (SELECT TCKimlik FROM Personel UNION ALL SELECT TCKimlik FROM Yakinlar)"),
              column(c, "SELECT count(DISTINCT t) FROM (SELECT TCKimlik t FROM Personel UNION ALL SELECT TCKimlik FROM Yakinlar)"));
    EXPECT_EQ(column(c, "SELECT DISTINCT Yakinligi FROM Yakinlar ORDER BY Yakinligi"),
              QStringList({"Annesi", "Eşi", "Kızı", "Oğlu"}));
    EXPECT_EQ(column(c, "SELECT DISTINCT SevkAlan FROM istatistik ORDER BY 1"), QStringList({"Kendisi", "Yakını"}));
    EXPECT_EQ(column(c, "SELECT DISTINCT Turu FROM istatistik ORDER BY 1"), QStringList({"Diş", "Normal"}));
    EXPECT_EQ(column(c, "SELECT count(*) FROM istatistik WHERE Adet <> 1 OR Tarih <= '2024-12-10' OR Tarih > '2026-12-10'"
                        " OR length(Tarih) <> 10"),
              QStringList{"0"});
    // About four per staff member.
    const int stats = column(c, "SELECT count(*) FROM istatistik").value(0).toInt();
    EXPECT_GT(stats, 300 * 3);
    EXPECT_LT(stats, 300 * 5);
    EXPECT_EQ(column(c, "SELECT count(*) FROM Sabit"), QStringList{"4"});
    EXPECT_GE(column(c, "SELECT count(*) FROM Unvan").value(0).toInt(), 10);
    EXPECT_GE(column(c, "SELECT count(*) FROM SKurum").value(0).toInt(), 5);
    EXPECT_EQ(column(c, "SELECT max(length(SKurum)) <= 25 FROM SKurum"), QStringList{"1"});
    EXPECT_EQ(integrity(c), "ok");
}

TEST_F(DemoRegisterTest, TheSameOptionsGiveTheSameRegister)
{
    db::Connection a, b, other;
    a.open(make("a.ssd", 50, 3));
    b.open(make("b.ssd", 50, 3));
    other.open(make("c.ssd", 51, 3));
    EXPECT_EQ(digest(a), digest(b));
    EXPECT_NE(digest(a), digest(other));
}

} // namespace

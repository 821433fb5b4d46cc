#include "records/db/demoregister.h"

#include "records/db/connection.h"
#include "records/db/datevalue.h"
#include "records/db/schema.h"
#include "records/db/sqlstatement.h"
#include "records/db/tckimlik.h"

#include <QSet>
#include <QStringList>
#include <QVariant>

namespace db {
namespace {

// SplitMix64: small, fast and the same everywhere.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <size_t N>
    const char *pick(const char *const (&list)[N]) { return list[below(int(N))]; }

private:
    quint64 m_state;
};

const char *const womenNames[] = {
    "Ayşe", "Fatma", "Emine", "Hatice", "Zeynep", "Elif", "Meryem", "Şerife", "Zehra", "Sultan", "Hanife",
    "Merve", "Havva", "Zeliha", "Esra", "Özlem", "Yasemin", "Gülsüm", "Dilek", "Büşra", "Şule", "İpek",
    "Gül", "Aysel", "Sevgi", "Çiğdem", "Nurcan", "Tuğba", "Ebru", "Derya", "Songül", "Gülay", "Ümran"};
const char *const menNames[] = {
    "Mehmet", "Mustafa", "Ahmet", "Ali", "Hüseyin", "Hasan", "İbrahim", "İsmail", "Osman", "Yusuf", "Murat",
    "Ömer", "Ramazan", "Halil", "Süleyman", "Abdullah", "Mahmut", "Recep", "Salih", "Fatih", "Kadir",
    "Emre", "Hakan", "Adem", "Kemal", "Yaşar", "Şükrü", "Cengiz", "Oğuz", "Erdoğan", "Ümit", "İlker", "Çağlar"};
const char *const surnames[] = {
    "YILMAZ", "KAYA", "DEMİR", "ŞAHİN", "ÇELİK", "YILDIZ", "YILDIRIM", "ÖZTÜRK", "AYDIN", "ÖZDEMİR",
    "ARSLAN", "DOĞAN", "KILIÇ", "ASLAN", "ÇETİN", "KARA", "KOÇ", "KURT", "ÖZKAN", "ŞİMŞEK", "POLAT",
    "ÖZCAN", "KORKMAZ", "ÇAKIR", "ERDOĞAN", "YAVUZ", "CAN", "ACAR", "ŞEN", "AKTAŞ", "GÜLER", "YALÇIN",
    "GÜNEŞ", "BOZKURT", "BULUT", "KESKİN", "ÜNAL", "TURAN", "GÜL", "ÖZER", "IŞIK", "KAPLAN", "AVCI",
    "SARI", "TAŞ", "AKSOY", "KOCA", "ERDEM", "TEKİN", "UYSAL", "KARATAŞ", "GÜNDOĞDU", "İNCE", "ÖZGÜR"};
const char *const titles[] = {
    "Memur", "Şef", "Müdür", "Müdür Yardımcısı", "Veri Hazırlama", "Tekniker", "Teknisyen", "Mühendis",
    "Hemşire", "Şoför", "Hizmetli", "Uzman", "Sekreter", "Avukat", "Bekçi", "Ambar Memuru"};
const char *const institutions[] = {
    "Devlet Hastanesi", "Ağız ve Diş Sağlığı Mrk.", "Aile Sağlığı Merkezi", "Üniversite Hastanesi",
    "Göğüs Hastalıkları Hast.", "Fizik Tedavi Merkezi", "Kadın Doğum Hastanesi", "Çocuk Hastanesi",
    "Göz Hastanesi", "Ruh Sağlığı Hastanesi"};
const char *const grades[] = {"1/4", "2/3", "3/1", "3/2", "4/1", "5/2", "6/1", "7/3", "8/2", "9/1"};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

class Inserter
{
public:
    Inserter(Connection &connection, const QString &sql) : m_statement(connection, sql, QStringLiteral("Örnek kayıtlar yazılamadı")) {}
    void row(std::initializer_list<QVariant> values)
    {
        int i = 1;
        for (const QVariant &v : values)
            m_statement.bind(i++, v);
        m_statement.step();
        m_statement.reset();
    }

private:
    SqlStatement m_statement;
};

} // namespace

void DemoRegister::create(const QString &path, const DemoOptions &options)
{
    Connection connection;
    connection.open(path, Connection::defaultPassword(), OpenMode::CreateNew);
    Schema::create(connection);
    fill(connection, options);
}

void DemoRegister::fill(Connection &connection, const DemoOptions &options)
{
    Random random(options.seed);
    QSet<quint32> usedNumbers;
    auto identity = [&]() {
        quint32 nine;
        do
            nine = 100000000u + quint32(random.below(900000000));
        while (usedNumbers.contains(nine));
        usedNumbers.insert(nine);
        return TcKimlik::fromNineDigits(nine);
    };
    auto card = [&]() { return QStringLiteral("%1").arg(100000 + random.below(900000)); };

    Connection::Transaction transaction(connection);
    {
        Inserter title(connection, QStringLiteral("INSERT INTO Unvan (Kategori) VALUES (?1)"));
        for (const char *t : titles)
            title.row({text(t)});
        Inserter institution(connection, QStringLiteral("INSERT INTO SKurum (SKurum) VALUES (?1)"));
        for (const char *i : institutions)
            institution.row({text(i)});
        Inserter signatory(connection,
                           QStringLiteral("INSERT INTO Sabit (Adi, Soyadi, Unvani, Birlestir) VALUES (?1, ?2, ?3, ?4)"));
        const char *const signatoryTitles[] = {"Müdür", "Müdür Yardımcısı", "Şef", "Başhekim"};
        for (const char *t : signatoryTitles) {
            const QString given = text(random.chance(50) ? random.pick(menNames) : random.pick(womenNames));
            const QString surname = text(random.pick(surnames));
            signatory.row({given, surname, text(t), given + QLatin1Char(' ') + surname});
        }

        Inserter staff(connection, QStringLiteral(
            "INSERT INTO Personel (SiraNo, Adi, Soyadi, Gorevi, SicilNo, KadroDerece, TCKimlik, TCVergi, Birlestir,"
            " YedekAlan1) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)"));
        Inserter dependant(connection, QStringLiteral(
            "INSERT INTO Yakinlar (SiraNo, Adi, Soyadi, Yakinligi, Birlestir, KarneNo, TCKimlik)"
            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
        Inserter statistic(connection, QStringLiteral(
            "INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) VALUES (?1, ?2, ?3, 1, ?4)"));
        const QDate firstDay = options.today.addYears(-2);
        const int days = int(firstDay.daysTo(options.today));

        for (int n = 1; n <= options.staff; ++n) {
            const bool woman = random.chance(45);
            const QString given = text(woman ? random.pick(womenNames) : random.pick(menNames));
            const QString surname = text(random.pick(surnames));
            staff.row({n, given, surname, text(random.pick(titles)), QString::number(1000 + n),
                       text(random.pick(grades)), identity(), QString::number(10000000 + random.below(89999999)),
                       given + QLatin1Char(' ') + surname, card()});

            int family = 0;
            auto addDependant = [&](const QString &adi, const QString &soyadi, const char *relation) {
                dependant.row({n, adi, soyadi, text(relation), soyadi + QLatin1Char(' ') + adi, card(), identity()});
                ++family;
            };
            if (random.chance(70))
                addDependant(text(woman ? random.pick(menNames) : random.pick(womenNames)), surname,
                             "Eşi");
            for (int c = random.below(4); c > 0; --c) {
                const bool son = random.chance(50);
                addDependant(text(son ? random.pick(menNames) : random.pick(womenNames)), surname, son ? "Oğlu" : "Kızı");
            }
            if (random.chance(8))
                addDependant(text(random.pick(womenNames)), text(random.pick(surnames)), "Annesi");

            // About statsPerStaff rows each: between none and twice as many.
            const int count = options.statsPerStaff > 0 ? random.below(2 * options.statsPerStaff + 1) : 0;
            for (int s = 0; s < count; ++s) {
                const QDate day = firstDay.addDays(1 + random.below(days));
                statistic.row({n, text(family && random.chance(40) ? "Yakını" : "Kendisi"),
                               text(random.chance(75) ? "Normal" : "Diş"),
                               DateValue::toStorage(QDateTime(day, QTime(0, 0)))});
            }
        }
    }
    transaction.commit();
}

} // namespace db

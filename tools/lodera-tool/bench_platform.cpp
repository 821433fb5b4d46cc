// `lodera-tool bench platform`: the text helpers that sit under every search
// keystroke and every settings read. Folding runs once per staff row when the
// records layer matches a prefix or a LIKE pattern over the whole list; the
// codec runs over whole report documents; the profile functions parse the
// settings file on every key read and rewrite it on every key written.
#include "toolcommand.h"

#include "platform/codec1254.h"
#include "platform/profilefile.h"
#include "platform/turkishcase.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

template <typename Fn>
double medianMs(int runs, Fn &&fn)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return tool::median(std::move(times));
}

QStringList staffNames(int n)
{
    const QStringList given = {QStringLiteral("Ahmet"), QStringLiteral("İsmail"), QStringLiteral("Ayşe"),
                               QStringLiteral("Çağrı"), QStringLiteral("Ilgaz"), QStringLiteral("Gülşen")};
    const QStringList family = {QStringLiteral("ŞAHİN"), QStringLiteral("YILMAZ"), QStringLiteral("ÖZTÜRK"),
                                QStringLiteral("KILIÇ"), QStringLiteral("DEMİR"), QStringLiteral("ÇELİK")};
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << given[i % given.size()] + u' ' + family[(i / 6) % family.size()];
    return names;
}

int benchPlatform(const QStringList &)
{
    const QStringList names = staffNames(10000);
    int matches = 0;
    tool::figure(QStringLiteral("platform.prefix_match_10000_names_ms"), medianMs(21, [&] {
        matches = 0;
        for (const QString &name : names)
            matches += platform::turkishFoldStartsWith(name, u"ismail ş") ? 1 : 0;
    }));
    if (matches == 0) {
        tool::err(QStringLiteral("bench platform: prefix search found nothing"));
        return 1;
    }

    const QString document = names.join(u'\n');
    QByteArray bytes;
    tool::figure(QStringLiteral("platform.encode_1254_per_mb_ms"), medianMs(21, [&] {
        bytes = Codec1254::encode(document).value_or(QByteArray());
    }) * (1 << 20) / double(document.size()));
    QString decoded;
    tool::figure(QStringLiteral("platform.decode_1254_per_mb_ms"), medianMs(21, [&] {
        decoded = Codec1254::toUnicode(bytes);
    }) * (1 << 20) / double(bytes.size()));
    if (decoded != document) {
        tool::err(QStringLiteral("bench platform: code page round trip failed"));
        return 1;
    }

    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Lodera.ini"));
    for (const char *key : {"Onzileme", "Arama", "Siralama", "Tarih"})
        ProfileFile::writeBool(ini, QStringLiteral("Seçim"), QString::fromLatin1(key), true);
    ProfileFile::writeString(ini, QStringLiteral("Bilgiler"), QStringLiteral("Kurum Adı"), QStringLiteral("Valilik"));
    tool::figure(QStringLiteral("platform.profile_read_ms"), medianMs(101, [&] {
        ProfileFile::readString(ini, QStringLiteral("Bilgiler"), QStringLiteral("Kurum Adı"), QString());
    }));
    int n = 0;
    tool::figure(QStringLiteral("platform.profile_write_ms"), medianMs(51, [&] {
        ProfileFile::writeString(ini, QStringLiteral("Bilgiler"), QStringLiteral("Kurum Kayıt No"), QString::number(++n));
    }));
    return 0;
}

} // namespace

LODERA_TOOL_BENCH("platform", benchPlatform);

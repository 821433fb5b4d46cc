#include "platform/profilefile.h"

#include "platform/codec1254.h"
#include "platform/loderaerror.h"
#include "platform/profiledocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

[[noreturn]] void failWrite(const QString &file, const QString &reason)
{
    throw LoderaError(QStringLiteral("Ayarlar \"%1\" dosyasına yazılamadı: %2")
                          .arg(QDir::toNativeSeparators(file), reason));
}

std::optional<QString> readValue(const QString &file, const QString &section, const QString &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ProfileDocument(f.readAll()).value(section, key);
}

void checkEncodable(const QString &file, const QString &what)
{
    const qsizetype bad = Codec1254::firstUnencodable(what);
    if (bad >= 0) {
        failWrite(file, QStringLiteral("\"%1\" içindeki \"%2\" karakteri Türkçe kod sayfasında (1254) yok.")
                            .arg(what, what.mid(bad, what[bad].isHighSurrogate() ? 2 : 1)));
    }
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

} // namespace

QString ProfileFile::readString(const QString &file, const QString &section, const QString &key,
                                const QString &def)
{
    return readValue(file, section, key).value_or(def).left(MaxValueLength);
}

bool ProfileFile::parseInteger(QStringView text, qint64 *value)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        text = text.sliced(2);
    }
    // 32-bit values as the settings were written; hexadecimal up to FFFFFFFF.
    const qint64 limit = base == 16 ? 0xFFFFFFFFLL : 0x7FFFFFFFLL + (negative ? 1 : 0);
    if (text.isEmpty())
        return false;
    qint64 n = 0;
    for (QChar c : text) {
        const int d = hexDigit(c);
        if (d < 0 || d >= base)
            return false;
        n = n * base + d;
        if (n > limit)
            return false;
    }
    *value = negative ? -n : n;
    return true;
}

bool ProfileFile::readBool(const QString &file, const QString &section, const QString &key, bool def)
{
    const auto text = readValue(file, section, key);
    qint64 n = 0;
    if (!text || !parseInteger(QStringView(*text).left(MaxValueLength), &n))
        return def;
    return n != 0;
}

void ProfileFile::writeString(const QString &file, const QString &section, const QString &key,
                              const QString &value)
{
    QString line = value;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    checkEncodable(file, section);
    checkEncodable(file, key);
    checkEncodable(file, line);

    QByteArray old;
    QFile existing(file);
    if (existing.exists()) {
        // A file we cannot read must not be replaced by one holding a single key.
        if (!existing.open(QIODevice::ReadOnly))
            failWrite(file, existing.errorString());
        old = existing.readAll();
        existing.close();
    } else if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        failWrite(file, QStringLiteral("klasör oluşturulamadı."));
    }

    ProfileDocument doc(old);
    doc.setValue(section, key, line);

    QSaveFile out(file);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        failWrite(file, out.errorString());
    const QByteArray bytes = doc.toBytes();
    if (out.write(bytes) != bytes.size() || !out.commit())
        failWrite(file, out.errorString());
}

void ProfileFile::writeBool(const QString &file, const QString &section, const QString &key, bool value)
{
    writeString(file, section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString ProfileFile::winIniPath()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString folder = QDir::isAbsolutePath(config) ? config : QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(folder + QStringLiteral("/win.ini"));
}

QString ProfileFile::programIniPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Lodera.ini");
}

#include "report/engine/tfsstdlib.h"

#include "platform/localeformats.h"
#include "platform/turkishcase.h"
#include "report/base/frxfloat.h"
#include "report/engine/frxformatdatetime.h"
#include "report/engine/frxformatfloat.h"
#include "report/engine/tfserror.h"
#include "report/engine/tfsscript.h"
#include "report/engine/tfsvalue.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <numbers>

namespace {

QString str(const QVariant &v) { return tfs::toText(v); }

QVariant fromDateLike(const QVariant &v)
{
    if (tfs::typeOf(v) == TfsType::DateTime)
        return v;
    return tfs::serialToDateTime(tfs::toFloat(v));
}

QDateTime asDateTime(const QVariant &v)
{
    const QVariant d = fromDateLike(v);
    if (d.metaType().id() == QMetaType::QDate)
        return QDateTime(d.toDate(), QTime(0, 0));
    if (d.metaType().id() == QMetaType::QTime)
        return tfs::serialToDateTime(tfs::dateTimeToSerial(d));
    return d.toDateTime();
}

qint64 truncToInt(double d)
{
    const double t = std::trunc(d);
    if (!(t >= -9.2233720368547758e18 && t < 9.2233720368547758e18))
        throw TfsError(QStringLiteral("Sayı tamsayı aralığının dışında"));
    return qint64(t);
}

} // namespace

void TfsStdLib::install(TfsScript &s)
{
    s.addConstant(QStringLiteral("Null"), QVariant());
    s.addConstant(QStringLiteral("Pi"), std::numbers::pi);

    // text
    s.addFunction(QStringLiteral("Length"), [](const QVariantList &a) {
        return QVariant(qint64(str(a[0]).size()));
    }, 1, 1);
    s.addFunction(QStringLiteral("Copy"), [](const QVariantList &a) {
        const QString t = str(a[0]);
        const qint64 index = tfs::toInteger(a[1]);
        const qint64 count = a.size() > 2 ? tfs::toInteger(a[2]) : qint64(t.size());
        const qint64 from = std::max<qint64>(index, 1) - 1;
        if (from >= t.size() || count <= 0)
            return QVariant(QString());
        return QVariant(t.mid(qsizetype(from), qsizetype(std::min<qint64>(count, t.size() - from))));
    }, 2, 3);
    s.addFunction(QStringLiteral("Pos"), [](const QVariantList &a) {
        return QVariant(qint64(str(a[1]).indexOf(str(a[0])) + 1));
    }, 2, 2);
    const auto upper = [](const QVariantList &a) {
        QString t = str(a[0]);
        for (QChar &c : t)
            c = platform::turkishUpCase(c);
        return QVariant(t.toUpper());
    };
    s.addFunction(QStringLiteral("UpperCase"), upper, 1, 1);
    s.addFunction(QStringLiteral("AnsiUpperCase"), upper, 1, 1);
    const auto lower = [](const QVariantList &a) {
        QString t = str(a[0]);
        for (QChar &c : t) {
            if (c == QChar(0x0130))
                c = QLatin1Char('i');
            else if (c == QLatin1Char('I'))
                c = QChar(0x0131);
        }
        return QVariant(t.toLower());
    };
    s.addFunction(QStringLiteral("LowerCase"), lower, 1, 1);
    s.addFunction(QStringLiteral("AnsiLowerCase"), lower, 1, 1);
    s.addFunction(QStringLiteral("Trim"), [](const QVariantList &a) { return QVariant(str(a[0]).trimmed()); }, 1, 1);
    s.addFunction(QStringLiteral("TrimLeft"), [](const QVariantList &a) {
        const QString t = str(a[0]);
        qsizetype i = 0;
        while (i < t.size() && t.at(i).isSpace())
            ++i;
        return QVariant(t.mid(i));
    }, 1, 1);
    s.addFunction(QStringLiteral("TrimRight"), [](const QVariantList &a) {
        QString t = str(a[0]);
        while (!t.isEmpty() && t.back().isSpace())
            t.chop(1);
        return QVariant(t);
    }, 1, 1);
    s.addFunction(QStringLiteral("Chr"), [](const QVariantList &a) {
        const qint64 code = tfs::toInteger(a[0]);
        if (code < 0 || code > 0xFFFF)
            throw TfsError(QStringLiteral("Geçersiz karakter kodu: %1").arg(code));
        return QVariant(QString(QChar(char16_t(code))));
    }, 1, 1);
    s.addFunction(QStringLiteral("Ord"), [](const QVariantList &a) {
        if (tfs::typeOf(a[0]) == TfsType::Boolean)
            return QVariant(qint64(a[0].toBool() ? 1 : 0));
        const QString t = str(a[0]);
        if (t.size() != 1)
            throw TfsError(QStringLiteral("Ord tek bir karakter bekler"));
        return QVariant(qint64(t.at(0).unicode()));
    }, 1, 1);

    // conversion
    s.addFunction(QStringLiteral("IntToStr"), [](const QVariantList &a) {
        return QVariant(QString::number(tfs::toInteger(a[0])));
    }, 1, 1);
    s.addFunction(QStringLiteral("FloatToStr"), [](const QVariantList &a) {
        return QVariant(frxFloatToStr(tfs::toFloat(a[0])));
    }, 1, 1);
    s.addFunction(QStringLiteral("StrToInt"), [](const QVariantList &a) {
        QVariant n;
        if (!tfs::parseNumber(str(a[0]), &n) || tfs::typeOf(n) != TfsType::Integer)
            throw TfsError(QStringLiteral("'%1' geçerli bir tamsayı değil").arg(str(a[0])));
        return n;
    }, 1, 1);
    s.addFunction(QStringLiteral("StrToIntDef"), [](const QVariantList &a) {
        QVariant n;
        if (!tfs::parseNumber(str(a[0]), &n) || tfs::typeOf(n) != TfsType::Integer)
            return QVariant(tfs::toInteger(a[1]));
        return n;
    }, 2, 2);
    s.addFunction(QStringLiteral("StrToFloat"), [](const QVariantList &a) {
        QVariant n;
        if (!tfs::parseNumber(str(a[0]), &n))
            throw TfsError(QStringLiteral("'%1' geçerli bir sayı değil").arg(str(a[0])));
        return QVariant(n.toDouble());
    }, 1, 1);
    s.addFunction(QStringLiteral("IntToHex"), [](const QVariantList &a) {
        const qint64 digits = a.size() > 1 ? std::clamp<qint64>(tfs::toInteger(a[1]), 0, 16) : 0;
        return QVariant(QStringLiteral("%1").arg(quint64(tfs::toInteger(a[0])), int(digits), 16, QLatin1Char('0')).toUpper());
    }, 1, 2);
    s.addFunction(QStringLiteral("VarToStr"), [](const QVariantList &a) { return QVariant(str(a[0])); }, 1, 1);
    s.addFunction(QStringLiteral("DateToStr"), [](const QVariantList &a) {
        return QVariant(platform::shortDate(asDateTime(a[0]).date()));
    }, 1, 1);
    s.addFunction(QStringLiteral("TimeToStr"), [](const QVariantList &a) {
        return QVariant(asDateTime(a[0]).time().toString(platform::longTimeFormat()));
    }, 1, 1);
    s.addFunction(QStringLiteral("DateTimeToStr"), [](const QVariantList &a) {
        return QVariant(platform::shortDateTime(asDateTime(a[0])));
    }, 1, 1);
    s.addFunction(QStringLiteral("StrToDate"), [](const QVariantList &a) {
        const std::optional<QDate> d = platform::parseShortDate(str(a[0]));
        if (!d)
            throw TfsError(QStringLiteral("'%1' geçerli bir tarih değil").arg(str(a[0])));
        return QVariant(*d);
    }, 1, 1);

    // formatting
    s.addFunction(QStringLiteral("FormatFloat"), [](const QVariantList &a) {
        const std::optional<QString> t = FormatFloat(str(a[0]), tfs::toFloat(a[1]));
        if (!t)
            throw TfsError(QStringLiteral("Sayı biçimlendirilemedi"));
        return QVariant(*t);
    }, 2, 2);
    s.addFunction(QStringLiteral("FormatDateTime"), [](const QVariantList &a) {
        return QVariant(FormatDateTime(str(a[0]), asDateTime(a[1])));
    }, 2, 2);

    // clock
    s.addFunction(QStringLiteral("Date"), [](const QVariantList &) { return QVariant(QDate::currentDate()); }, 0, 0);
    s.addFunction(QStringLiteral("Time"), [](const QVariantList &) {
        return QVariant(QTime::currentTime());
    }, 0, 0);
    s.addFunction(QStringLiteral("Now"), [](const QVariantList &) { return QVariant(QDateTime::currentDateTime()); }, 0, 0);

    // arithmetic
    s.addFunction(QStringLiteral("Round"), [](const QVariantList &a) {
        if (tfs::typeOf(a[0]) == TfsType::Integer)
            return QVariant(tfs::toInteger(a[0]));
        return QVariant(truncToInt(std::nearbyint(tfs::toFloat(a[0]))));
    }, 1, 1);
    s.addFunction(QStringLiteral("Trunc"), [](const QVariantList &a) {
        if (tfs::typeOf(a[0]) == TfsType::Integer)
            return QVariant(tfs::toInteger(a[0]));
        return QVariant(truncToInt(tfs::toFloat(a[0])));
    }, 1, 1);
    s.addFunction(QStringLiteral("Int"), [](const QVariantList &a) { return QVariant(std::trunc(tfs::toFloat(a[0]))); }, 1, 1);
    s.addFunction(QStringLiteral("Frac"), [](const QVariantList &a) {
        const double d = tfs::toFloat(a[0]);
        return QVariant(d - std::trunc(d));
    }, 1, 1);
    s.addFunction(QStringLiteral("Abs"), [](const QVariantList &a) {
        if (tfs::typeOf(a[0]) == TfsType::Integer) {
            const qint64 i = tfs::toInteger(a[0]);
            if (i == std::numeric_limits<qint64>::min())
                return QVariant(-double(i));
            return QVariant(i < 0 ? -i : i);
        }
        return QVariant(std::fabs(tfs::toFloat(a[0])));
    }, 1, 1);
    s.addFunction(QStringLiteral("Sqrt"), [](const QVariantList &a) {
        const double d = tfs::toFloat(a[0]);
        if (d < 0)
            throw TfsError(QStringLiteral("Negatif sayının karekökü alınamaz"));
        return QVariant(std::sqrt(d));
    }, 1, 1);
}

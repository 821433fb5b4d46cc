#include "report/engine/tfsoperators.h"

#include "report/engine/tfserror.h"
#include "report/engine/tfshostobject.h"
#include "report/engine/tfsvalue.h"

#include <QCollator>
#include <QLocale>
#include <QMetaObject>
#include <QObject>

#include <cmath>
#include <limits>

namespace {

const char *opText(TfsOp op)
{
    switch (op) {
    case TfsOp::Add: return "+";
    case TfsOp::Sub: return "-";
    case TfsOp::Mul: return "*";
    case TfsOp::Divide: return "/";
    case TfsOp::IntDiv: return "div";
    case TfsOp::Mod: return "mod";
    case TfsOp::And: return "and";
    case TfsOp::Or: return "or";
    case TfsOp::Xor: return "xor";
    case TfsOp::Shl: return "shl";
    case TfsOp::Shr: return "shr";
    case TfsOp::Neg: return "-";
    case TfsOp::Not: return "not";
    default: return "?";
    }
}

TfsError incompatible(TfsOp op, const QVariant &a, const QVariant &b)
{
    return TfsError(QStringLiteral("Uyumsuz türler: %1 %2 %3")
                        .arg(tfs::typeName(a), QString::fromLatin1(opText(op)), tfs::typeName(b)));
}

TfsError divisionByZero() { return TfsError(QStringLiteral("Sıfıra bölme")); }

// A number for arithmetic: Integer stays Integer, everything else convertible
// becomes Float. Strings are read as numbers.
QVariant numberOf(const QVariant &v, TfsOp op, const QVariant &a, const QVariant &b)
{
    switch (tfs::typeOf(v)) {
    case TfsType::Integer:
        return QVariant(tfs::toInteger(v));
    case TfsType::Float:
        return QVariant(v.toDouble());
    case TfsType::DateTime:
        return QVariant(tfs::dateTimeToSerial(v));
    case TfsType::String: {
        QVariant n;
        if (!tfs::parseNumber(v.toString(), &n))
            throw TfsError(QStringLiteral("'%1' geçerli bir sayı değil").arg(v.toString().left(80)));
        return n;
    }
    default:
        throw incompatible(op, a, b);
    }
}

bool isInt(const QVariant &v) { return v.metaType().id() == QMetaType::LongLong; }

const QCollator &collator()
{
    // Rebuilt when the default locale changes (tests switch it).
    thread_local QCollator c;
    thread_local QString name;
    const QLocale loc;
    if (name != loc.name()) {
        c = QCollator(loc);
        name = loc.name();
    }
    return c;
}

} // namespace

QVariant TfsOperators::unary(TfsOp op, const QVariant &a)
{
    const TfsType t = tfs::typeOf(a);
    if (t == TfsType::Null)
        return QVariant();
    if (op == TfsOp::Not) {
        if (t == TfsType::Boolean)
            return !a.toBool();
        if (t == TfsType::Integer)
            return ~tfs::toInteger(a);
        throw TfsError(QStringLiteral("Uyumsuz tür: not %1").arg(tfs::typeName(a)));
    }
    const QVariant n = numberOf(a, op, a, a);
    if (isInt(n)) {
        const qint64 i = n.toLongLong();
        if (i == std::numeric_limits<qint64>::min())
            return -double(i);
        return -i;
    }
    return -n.toDouble();
}

QVariant TfsOperators::binary(TfsOp op, const QVariant &a, const QVariant &b)
{
    switch (op) {
    case TfsOp::Eq: return equals(a, b);
    case TfsOp::NotEq: return !equals(a, b);
    case TfsOp::Less: return compare(a, b) < 0;
    case TfsOp::Greater: return compare(a, b) > 0;
    case TfsOp::LessEq: return compare(a, b) <= 0;
    case TfsOp::GreaterEq: return compare(a, b) >= 0;
    case TfsOp::In: return inSet(a, b);
    case TfsOp::And: case TfsOp::Or: case TfsOp::Xor:
        return logical(op, a, b);
    case TfsOp::IntDiv: case TfsOp::Mod: case TfsOp::Shl: case TfsOp::Shr:
        return integerOp(op, a, b);
    default:
        return arithmetic(op, a, b);
    }
}

QVariant TfsOperators::arithmetic(TfsOp op, const QVariant &a, const QVariant &b)
{
    const TfsType ta = tfs::typeOf(a), tb = tfs::typeOf(b);
    if (ta == TfsType::Null || tb == TfsType::Null)
        return QVariant();
    if (op == TfsOp::Add && ta == TfsType::String && tb == TfsType::String)
        return a.toString() + b.toString();
    const bool dateA = ta == TfsType::DateTime, dateB = tb == TfsType::DateTime;
    const QVariant x = numberOf(a, op, a, b), y = numberOf(b, op, a, b);

    if (isInt(x) && isInt(y) && op != TfsOp::Divide) {
        const qint64 i = x.toLongLong(), j = y.toLongLong();
        qint64 r = 0;
        bool overflow = false;
        switch (op) {
        case TfsOp::Add: overflow = __builtin_add_overflow(i, j, &r); break;
        case TfsOp::Sub: overflow = __builtin_sub_overflow(i, j, &r); break;
        case TfsOp::Mul: overflow = __builtin_mul_overflow(i, j, &r); break;
        default: throw incompatible(op, a, b);
        }
        if (!overflow)
            return r;
    }
    const double p = x.toDouble(), q = y.toDouble();
    double r = 0;
    switch (op) {
    case TfsOp::Add: r = p + q; break;
    case TfsOp::Sub: r = p - q; break;
    case TfsOp::Mul: r = p * q; break;
    case TfsOp::Divide:
        if (q == 0)
            throw divisionByZero();
        r = p / q;
        break;
    default:
        throw incompatible(op, a, b);
    }
    if (!std::isfinite(r))
        throw TfsError(QStringLiteral("Sayısal taşma"));
    // One date-time moved by a number of days stays a date-time.
    if ((op == TfsOp::Add && dateA != dateB) || (op == TfsOp::Sub && dateA && !dateB))
        return tfs::serialToDateTime(r);
    return r;
}

QVariant TfsOperators::logical(TfsOp op, const QVariant &a, const QVariant &b)
{
    const TfsType ta = tfs::typeOf(a), tb = tfs::typeOf(b);
    if (ta == TfsType::Null || tb == TfsType::Null)
        return QVariant();
    if (ta == TfsType::Boolean && tb == TfsType::Boolean) {
        const bool p = a.toBool(), q = b.toBool();
        return op == TfsOp::And ? (p && q) : op == TfsOp::Or ? (p || q) : (p != q);
    }
    if (ta == TfsType::Integer && tb == TfsType::Integer) {
        const qint64 p = tfs::toInteger(a), q = tfs::toInteger(b);
        return op == TfsOp::And ? (p & q) : op == TfsOp::Or ? (p | q) : (p ^ q);
    }
    throw incompatible(op, a, b);
}

QVariant TfsOperators::integerOp(TfsOp op, const QVariant &a, const QVariant &b)
{
    const TfsType ta = tfs::typeOf(a), tb = tfs::typeOf(b);
    if (ta == TfsType::Null || tb == TfsType::Null)
        return QVariant();
    const auto integer = [&](const QVariant &v) {
        const TfsType t = tfs::typeOf(v);
        if (t == TfsType::Integer)
            return tfs::toInteger(v);
        if (t == TfsType::String) {
            QVariant n;
            if (tfs::parseNumber(v.toString(), &n) && isInt(n))
                return n.toLongLong();
        }
        throw incompatible(op, a, b);
    };
    const qint64 i = integer(a), j = integer(b);
    switch (op) {
    case TfsOp::IntDiv:
        if (j == 0)
            throw divisionByZero();
        if (j == -1)
            return i == std::numeric_limits<qint64>::min() ? i : -i;
        return i / j;
    case TfsOp::Mod:
        if (j == 0)
            throw divisionByZero();
        if (j == -1)
            return qint64(0);
        return i % j;
    case TfsOp::Shl:
        return qint64(quint64(i) << (quint64(j) & 63));
    case TfsOp::Shr:
        return qint64(quint64(i) >> (quint64(j) & 63));
    default:
        throw incompatible(op, a, b);
    }
}

bool TfsOperators::equals(const QVariant &a, const QVariant &b)
{
    const TfsType ta = tfs::typeOf(a), tb = tfs::typeOf(b);
    if (ta == TfsType::Null || tb == TfsType::Null)
        return ta == tb;
    if (ta == TfsType::String && tb == TfsType::String)
        return a.toString() == b.toString();
    if (ta == TfsType::Object || tb == TfsType::Object) {
        if (ta != tb)
            return false;
        if (tfs::qobjectOf(a) || tfs::qobjectOf(b))
            return tfs::qobjectOf(a) == tfs::qobjectOf(b);
        return tfs::hostObjectOf(a) == tfs::hostObjectOf(b);
    }
    if (ta == TfsType::Boolean || tb == TfsType::Boolean) {
        if (ta != tb)
            return false;
        return a.toBool() == b.toBool();
    }
    return compare(a, b) == 0;
}

int TfsOperators::compare(const QVariant &a, const QVariant &b)
{
    const TfsType ta = tfs::typeOf(a), tb = tfs::typeOf(b);
    if (ta == TfsType::Null || tb == TfsType::Null)
        return ta == tb ? 0 : ta == TfsType::Null ? -1 : 1;
    if (ta == TfsType::String && tb == TfsType::String) {
        const QString x = a.toString(), y = b.toString();
        if (x == y)
            return 0;
        const int c = collator().compare(x, y);
        if (c != 0)
            return c < 0 ? -1 : 1;
        return x < y ? -1 : 1;
    }
    if (ta == TfsType::Boolean && tb == TfsType::Boolean)
        return int(a.toBool()) - int(b.toBool());
    const auto numeric = [](TfsType t) { return t == TfsType::Integer || t == TfsType::Float || t == TfsType::DateTime; };
    if (numeric(ta) && numeric(tb)) {
        if (ta == TfsType::Integer && tb == TfsType::Integer) {
            const qint64 x = tfs::toInteger(a), y = tfs::toInteger(b);
            return x < y ? -1 : x > y ? 1 : 0;
        }
        const double x = tfs::toFloat(a), y = tfs::toFloat(b);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    // A string against a number: as numbers when the string reads as one.
    if ((ta == TfsType::String && numeric(tb)) || (numeric(ta) && tb == TfsType::String)) {
        QVariant n;
        const QVariant &s = ta == TfsType::String ? a : b;
        if (tfs::parseNumber(s.toString(), &n))
            return ta == TfsType::String ? compare(n, b) : compare(a, n);
        return compare(QVariant(tfs::toText(a)), QVariant(tfs::toText(b)));
    }
    throw TfsError(QStringLiteral("Karşılaştırılamayan türler: %1 ve %2").arg(tfs::typeName(a), tfs::typeName(b)));
}

bool TfsOperators::inSet(const QVariant &value, const QVariant &set)
{
    if (tfs::typeOf(set) != TfsType::Set)
        throw TfsError(QStringLiteral("'in' işlecinin sağında küme bekleniyordu"));
    if (tfs::typeOf(value) == TfsType::Null)
        return false;
    const TfsSet s = set.value<TfsSet>();
    for (const TfsSet::Item &item : s.items) {
        if (equals(item.low, item.high)) {
            if (equals(value, item.low))
                return true;
        } else if (compare(item.low, value) <= 0 && compare(value, item.high) <= 0) {
            return true;
        }
    }
    return false;
}

bool TfsOperators::isInstanceOf(const QVariant &value, const QString &className)
{
    // Every object is a TObject, as in Pascal.
    if (tfs::isObject(value) && className.compare(QLatin1String("TObject"), Qt::CaseInsensitive) == 0)
        return true;
    if (QObject *o = tfs::qobjectOf(value)) {
        for (const QMetaObject *m = o->metaObject(); m; m = m->superClass()) {
            if (className.compare(QLatin1String(m->className()), Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }
    if (TfsHostObject *h = tfs::hostObjectOf(value))
        return h->inherits(className);
    return false;
}

#pragma once
// Values of the script engine.
//
// Every value is a QVariant, in the manner of a Pascal Variant. A null
// (invalid) QVariant is Null. Integers of any width count as Integer, float and
// double as Float, QString and QChar as String, QDate, QTime and QDateTime as a
// date-time. Two script-only kinds travel inside a QVariant as well: a set
// written as "[1, 3..5]" and a reference to a host object (either a QObject*
// or a TfsHostObject). Date-times take part in arithmetic through their serial
// number: days since 30.12.1899, the time of day as the fraction.
//
// The conversions throw TfsError with a Turkish text when a value cannot be
// converted; the plain text conversion never fails.
#include <QDateTime>
#include <QMetaType>
#include <QVariant>

#include <memory>
#include <vector>

class QObject;
class TfsHostObject;

// A host object as a script value; two references are equal when they name
// the same object.
struct TfsObjectRef
{
    std::shared_ptr<TfsHostObject> object;
};
Q_DECLARE_METATYPE(TfsObjectRef)

// A set constructor's value: single elements (low == high) and closed ranges.
struct TfsSet
{
    struct Item
    {
        QVariant low;
        QVariant high;
    };
    std::vector<Item> items;
};
Q_DECLARE_METATYPE(TfsSet)

enum class TfsType { Null, Boolean, Integer, Float, String, DateTime, Object, Set, Other };

namespace tfs {

TfsType typeOf(const QVariant &v);
QString typeName(const QVariant &v);

bool isNumeric(const QVariant &v);   // Integer or Float
bool isObject(const QVariant &v);
QObject *qobjectOf(const QVariant &v);           // null unless a QObject reference
TfsHostObject *hostObjectOf(const QVariant &v);  // null unless a host object reference

// Conversions used by the operators and the standard functions.
double toFloat(const QVariant &v);
qint64 toInteger(const QVariant &v);  // floats round half to even, as Pascal's Round
bool toBoolean(const QVariant &v);

// Reads a number written by a person: the user's decimal separator or a point,
// surrounding blanks ignored, "$FF" as hexadecimal. No value when it is not a number.
bool parseNumber(const QString &text, QVariant *number);

// The plain text conversion: numbers with the user's decimal separator, dates
// in the user's short date format (with the time when there is one), booleans
// as "True"/"False", Null as empty text.
QString toText(const QVariant &v);

double dateTimeToSerial(const QVariant &v);
QDateTime serialToDateTime(double serial);

} // namespace tfs

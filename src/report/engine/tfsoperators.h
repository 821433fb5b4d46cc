#pragma once
// The operators of the script language on Variant values, in the manner of
// Pascal variants:
//
// - Null in arithmetic gives Null; Null equals only Null and orders before
//   every other value.
// - Integer with Integer stays Integer (a result that would overflow becomes
//   Float); with a Float the result is Float; "/" always gives Float.
// - String + String concatenates. A String meeting a number in arithmetic is
//   read as a number (an error when it is not one), as variants convert;
//   compared with a number it is compared as a number when it reads as one,
//   otherwise as text.
// - Date-times count as their serial number; a date-time plus or minus a
//   number is a date-time, the difference of two is a number of days.
// - and, or, xor, not are logical on Booleans and bitwise on Integers.
// - div and mod take Integers; division by zero of any kind is a runtime error.
// - Strings compare with the user's collation; equality is exact.
// - "in" tests membership of a set value.
// Errors raise TfsError with a Turkish text.
#include "report/engine/tfsnode.h"

#include <QVariant>

class TfsOperators
{
public:
    static QVariant binary(TfsOp op, const QVariant &a, const QVariant &b);
    static QVariant unary(TfsOp op, const QVariant &a);

    // -1, 0 or 1; Null before everything. Raises TfsError for values that
    // cannot be ordered against each other.
    static int compare(const QVariant &a, const QVariant &b);
    static bool equals(const QVariant &a, const QVariant &b);
    static bool inSet(const QVariant &value, const QVariant &set);
    static bool isInstanceOf(const QVariant &value, const QString &className);

private:
    static QVariant arithmetic(TfsOp op, const QVariant &a, const QVariant &b);
    static QVariant logical(TfsOp op, const QVariant &a, const QVariant &b);
    static QVariant integerOp(TfsOp op, const QVariant &a, const QVariant &b);
};

#include "report/base/frxunits.h"

#include <climits>
#include <cmath>

int frxRound(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    // floor() and the subtraction below are exact for every double in the int
    // range, so the result does not depend on the rounding mode.
    const double f = std::floor(v);
    const double diff = v - f;
    long long r = static_cast<long long>(f);
    if (diff > 0.5 || (diff == 0.5 && (r % 2 != 0)))
        ++r;
    if (r > INT_MAX)
        return INT_MAX;
    return static_cast<int>(r);
}

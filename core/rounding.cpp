#include "core/rounding.h"

#include <cmath>
#include <iterator>

double RoundTo(double x, int n)
{
    // Exact powers from a table: powl is most of the time of a calculation.
    static constexpr long double kPowers[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L,
                                              1e7L, 1e8L, 1e9L, 1e10L, 1e11L, 1e12L};
    const long double s = n >= 0 && n < static_cast<int>(std::size(kPowers))
                              ? kPowers[n]
                              : std::pow(10.0L, n);
    const long double xs = static_cast<long double>(x) * s;
    const long double k = std::trunc(xs);
    const long double frac = xs - k;
    if (frac > 0.499999L && frac < 0.500001L) {
        const bool even = std::fmod(k, 2.0L) == 0;
        return static_cast<double>((even ? k : k + 1) / s);
    }
    return static_cast<double>(std::trunc(xs + 0.5L) / s);
}

double RoundedBasicPlus(double t, double c, double k, double D, double P)
{
    return RoundTo(D - c * P, 4) + k * t;
}

double RoundedBasicMinus(double t, double c, double k, double D, double P)
{
    return RoundTo(D - c * P, 4) - k * t;
}

double Power(double base, double exponent)
{
    if (base == 0) return 0;
    return static_cast<double>(std::pow(static_cast<long double>(base), exponent));
}

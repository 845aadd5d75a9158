#include "core/rounding.h"

#include <array>
#include <cmath>

namespace {

// Exact in long double, and what pow() returns for them at a fraction of its
// cost; rounding runs for every row a table reader compares.
constexpr std::array<long double, 19> kPowersOfTen = [] {
    std::array<long double, 19> p{};
    long double v = 1;
    for (long double& x : p) {
        x = v;
        v *= 10;
    }
    return p;
}();

long double TenTo(int n) {
    return n >= 0 && n < static_cast<int>(kPowersOfTen.size()) ? kPowersOfTen[n]
                                                               : std::pow(10.0L, n);
}

} // namespace

double RoundTo(double x, int n) {
    const long double s = TenTo(n);
    const long double xs = static_cast<long double>(x) * s;
    const long double k = std::trunc(xs);
    const long double frac = xs - k;
    if (frac > 0.499999L && frac < 0.500001L) {
        const bool even = std::fmod(k, 2.0L) == 0;
        return static_cast<double>((even ? k : k + 1) / s);
    }
    return static_cast<double>(std::trunc(xs + 0.5L) / s);
}

double RoundedBasicPlus(double t, double c, double k, double D, double P) {
    return RoundTo(D - c * P, 4) + k * t;
}

double RoundedBasicMinus(double t, double c, double k, double D, double P) {
    return RoundTo(D - c * P, 4) - k * t;
}

double Power(double base, double exponent) {
    if (base == 0) return 0;
    return static_cast<double>(std::pow(static_cast<long double>(base), exponent));
}

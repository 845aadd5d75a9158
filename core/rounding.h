#pragma once
// Rounding shared by every thread family.

// Rounds x to n decimals; a fraction within 0.000001 of one half goes to the
// even neighbour, so values that were exact halves before binary conversion
// round as the standards' tables do.
double RoundTo(double x, int n);
// RoundTo(D - c * P, 4) + k * t, and the same with - k * t.
double RoundedBasicPlus(double t, double c, double k, double D, double P);
double RoundedBasicMinus(double t, double c, double k, double D, double P);
// base ** exponent for real exponents (D^(1/3), P^(2/3)).
double Power(double base, double exponent);

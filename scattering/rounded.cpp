#include "scattering/rounded.h"

#include <cmath>
#include <numbers>

#include "scattering/double_double.h"

namespace rainbow::scattering::rounded {
namespace {

double nearest(DoubleDouble a) { return a.hi + a.lo; }

const DoubleDouble half_pi{1.5707963267948966, 6.123233995736766e-17};

// e^a for a double-double a: e^hi (1 + lo), lo being below an ulp of hi.
DoubleDouble exponential(DoubleDouble a) {
    const DoubleDouble e = scattering::exponential(a.hi);
    return e + e * DoubleDouble(a.lo);
}

// ln x from the library's, within an ulp, and one Newton step on e^y = x in double-double:
// y + x e^-y - 1 doubles its digits, so the start's last bit does not show.
DoubleDouble logarithm(double x) {
    const double y = std::log(x);
    return DoubleDouble(y) + DoubleDouble(x) * scattering::exponential(-y) - DoubleDouble(1.0);
}

// asin x the same way: t - (sin t - x) / cos t.
DoubleDouble arcsine(double x) {
    if (x >= 1 || x <= -1) return x > 0 ? half_pi : -half_pi;
    const double t = std::asin(x);
    const SineCosine sc = sine_cosine(t);
    return DoubleDouble(t) - (sc.sine - DoubleDouble(x)) / sc.cosine;
}

}  // namespace

double sin(double x) { return nearest(sine_cosine(x).sine); }

double cos(double x) { return nearest(sine_cosine(x).cosine); }

double exp(double x) { return nearest(scattering::exponential(x)); }

double log(double x) { return nearest(logarithm(x)); }

double pow(double x, double y) { return nearest(exponential(logarithm(x) * DoubleDouble(y))); }

// The library's cube root and one Newton step in double-double: c - (c^3 - x) / (3 c^2).
double cbrt(double x) {
    const double c = std::cbrt(x);
    if (c == 0 || !std::isfinite(c)) return c;
    const DoubleDouble cube = DoubleDouble(c) * DoubleDouble(c) * DoubleDouble(c);
    return nearest(DoubleDouble(c) - (cube - DoubleDouble(x)) / (DoubleDouble(3.0 * c) * c));
}

double asin(double x) { return nearest(arcsine(x)); }

double acos(double x) { return nearest(half_pi - arcsine(x)); }

}  // namespace rainbow::scattering::rounded

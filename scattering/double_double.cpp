#include "scattering/double_double.h"

#include <array>
#include <cmath>

namespace rainbow::scattering {
namespace {

// s + e == a + b exactly (Knuth).
DoubleDouble two_sum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// The same when |a| >= |b| (Dekker).
DoubleDouble quick_two_sum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a as the sum of two halves of 26 bits each (Veltkamp). Numbers too large for the splitting
// factor are split scaled down, by a power of two, so exactly.
DoubleDouble split(double a) {
    constexpr double factor = 134217729.0;  // 2^27 + 1
    constexpr double large = 6.69692879491417e+299;
    constexpr double down = 1.0 / 268435456.0, up = 268435456.0;  // 2^-28, 2^28
    if (a > large || a < -large) {
        const DoubleDouble halves = split(a * down);
        return {halves.hi * up, halves.lo * up};
    }
    const double t = factor * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// p + e == a * b exactly (Dekker), barring underflow.
DoubleDouble two_product(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = split(a), y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

}  // namespace

DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble high = two_sum(a.hi, b.hi), low = two_sum(a.lo, b.lo);
    DoubleDouble sum = quick_two_sum(high.hi, high.lo + low.hi);
    sum = quick_two_sum(sum.hi, sum.lo + low.lo);
    return sum;
}

DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    DoubleDouble product = two_product(a.hi, b.hi);
    product.lo += a.hi * b.lo + a.lo * b.hi;
    return quick_two_sum(product.hi, product.lo);
}

DoubleDouble operator/(DoubleDouble a, DoubleDouble b) {
    // Three quotient digits, each from the remainder the ones before leave.
    const double q1 = a.hi / b.hi;
    DoubleDouble remainder = a - b * q1;
    const double q2 = remainder.hi / b.hi;
    remainder = remainder - b * q2;
    const double q3 = remainder.hi / b.hi;
    return quick_two_sum(q1, q2) + q3;
}

DoubleDouble abs(DoubleDouble a) { return a.hi < 0 ? -a : a; }

ComplexDD operator/(ComplexDD a, ComplexDD b) {
    if (abs(b.im) < abs(b.re)) {
        const DoubleDouble ratio = b.im / b.re, divisor = b.re + b.im * ratio;
        return {(a.re + a.im * ratio) / divisor, (a.im - a.re * ratio) / divisor};
    }
    const DoubleDouble ratio = b.re / b.im, divisor = b.re * ratio + b.im;
    return {(a.re * ratio + a.im) / divisor, (a.im * ratio - a.re) / divisor};
}

ComplexDD power(ComplexDD z, int n) {
    ComplexDD result{1.0};
    while (n > 0) {
        if (n % 2 == 1) result = result * z;
        z = z * z;
        n /= 2;
    }
    return result;
}

namespace {

constexpr int orders = 31;

// 1 / n! for n = 0 .. 30, from the rounded operations, so the same bits everywhere.
const DoubleDouble* inverse_factorials() {
    static const auto table = [] {
        std::array<DoubleDouble, orders> t;
        t[0] = 1.0;
        for (int n = 1; n < orders; ++n) t[std::size_t(n)] = t[std::size_t(n) - 1] / double(n);
        return t;
    }();
    return table.data();
}

// The sum of (-1)^k x^(first + 2k) / (first + 2k)! (first 0: the cosine; 1: the sine) for
// |x| <= pi/4, by Horner's rule in x^2: orders up to 26 bring the terms below 1e-29.
DoubleDouble alternating_series(DoubleDouble x, int first) {
    const DoubleDouble* inverse = inverse_factorials();
    const DoubleDouble square = x * x;
    int n = 26 - first;  // the last order of the series' parity
    DoubleDouble sum = inverse[n];
    bool negative = ((n - first) / 2) % 2 == 1;
    if (negative) sum = -sum;
    for (n -= 2; n >= first; n -= 2) {
        negative = !negative;
        sum = sum * square + (negative ? -inverse[n] : inverse[n]);
    }
    return first == 1 ? sum * x : sum;
}

// x reduced by the multiple k of pi/2 nearest it: x - k pi/2, with |x - k pi/2| <= pi/4.
// pi/2 is held as four doubles of 53 bits each, so that k times each part is exact and the
// remainder keeps its digits even where x is large.
DoubleDouble reduced(double x, double& k) {
    constexpr double half_pi[] = {1.5707963267948966, 6.123233995736766e-17,
                                  -1.4973849048591698e-33, 5.562271104316826e-50};
    k = std::nearbyint(x / half_pi[0]);
    DoubleDouble r = x;
    for (const double part : half_pi) r = r - DoubleDouble(k) * DoubleDouble(part);
    return r;
}

int quadrant(double k) { return int(std::fmod(k, 4.0) + 4.0) % 4; }

}  // namespace

SineCosine sine_cosine(double x) {
    double k = 0;
    const DoubleDouble r = reduced(x, k);
    const DoubleDouble sine = alternating_series(r, 1), cosine = alternating_series(r, 0);
    switch (quadrant(k)) {
        case 0: return {sine, cosine};
        case 1: return {cosine, -sine};
        case 2: return {-sine, -cosine};
        default: return {-cosine, sine};
    }
}

DoubleDouble exponential(double x) {
    // e^x = 2^k e^r, |r| <= ln 2 / 2; the power of two is exact.
    constexpr double ln2[] = {0.6931471805599453, 2.3190468138462996e-17, 5.707708438416212e-34};
    const double k = std::nearbyint(x / ln2[0]);
    DoubleDouble r = x;
    for (const double part : ln2) r = r - DoubleDouble(k) * DoubleDouble(part);
    // Horner's rule over 1 / n!: |r| <= 0.35 needs 26 orders for 1e-34.
    const DoubleDouble* inverse = inverse_factorials();
    DoubleDouble e = inverse[26];
    for (int n = 25; n >= 0; --n) e = e * r + inverse[n];
    return {std::ldexp(e.hi, int(k)), std::ldexp(e.lo, int(k))};
}

}  // namespace rainbow::scattering

#pragma once
// Numbers held as the unevaluated sum of two doubles (about 32 significant digits), built from
// the four rounded operations alone (Dekker's and Knuth's exact sums and products). Long
// recurrences and differences of nearly equal numbers keep double precision in the end, and
// the results are the same bits with any standard library, since none of its functions is
// called.
#include <complex>

namespace rainbow::scattering {

struct DoubleDouble {
    double hi = 0, lo = 0;  // |lo| at most half an ulp of hi

    DoubleDouble() = default;
    DoubleDouble(double value) : hi(value) {}  // NOLINT: a double is a double-double
    DoubleDouble(double h, double l) : hi(h), lo(l) {}

    friend DoubleDouble operator+(DoubleDouble a, DoubleDouble b);
    friend DoubleDouble operator-(DoubleDouble a) { return {-a.hi, -a.lo}; }
    friend DoubleDouble operator-(DoubleDouble a, DoubleDouble b) { return a + -b; }
    friend DoubleDouble operator*(DoubleDouble a, DoubleDouble b);
    friend DoubleDouble operator/(DoubleDouble a, DoubleDouble b);
    friend bool operator<(DoubleDouble a, DoubleDouble b) {
        return a.hi < b.hi || (a.hi == b.hi && a.lo < b.lo);
    }
};

DoubleDouble abs(DoubleDouble a);

// A complex number of double-doubles, with the few operations the Debye term needs.
struct ComplexDD {
    DoubleDouble re, im;

    ComplexDD() = default;
    ComplexDD(DoubleDouble r, DoubleDouble i = {}) : re(r), im(i) {}  // NOLINT: as complex
    static ComplexDD of(std::complex<double> z) { return {z.real(), z.imag()}; }

    std::complex<double> rounded() const { return {re.hi + re.lo, im.hi + im.lo}; }

    friend ComplexDD operator+(ComplexDD a, ComplexDD b) { return {a.re + b.re, a.im + b.im}; }
    friend ComplexDD operator-(ComplexDD a, ComplexDD b) { return {a.re - b.re, a.im - b.im}; }
    friend ComplexDD operator*(ComplexDD a, ComplexDD b) {
        return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    }
    // Smith's division: no square of the divisor is formed, so nothing overflows early.
    friend ComplexDD operator/(ComplexDD a, ComplexDD b);
};

// z^n for n >= 0 by repeated squaring.
ComplexDD power(ComplexDD z, int n);

// Sine, cosine and exponential to double-double precision, from the rounded operations alone,
// so that they give the same bits with any mathematical library: the standard library's
// differ from one another in the last bit now and then, and sums that nearly cancel, such as
// the dark side of a bow, turn that bit into the sixth digit. Meant for the arguments of
// scattering: |x| below 2^30 for the sine and cosine.
struct SineCosine {
    DoubleDouble sine, cosine;
};
SineCosine sine_cosine(double x);
DoubleDouble exponential(double x);

}  // namespace rainbow::scattering

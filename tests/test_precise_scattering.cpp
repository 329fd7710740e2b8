// The Debye term and the arithmetic under it against references carried in long double (64
// or 112 bits), and the same bits whatever the mathematical library.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "scattering/airy.h"
#include "scattering/debye.h"
#include "scattering/double_double.h"
#include "scattering/mie.h"
#include "scattering/rounded.h"

namespace {

namespace sc = rainbow::scattering;
using Long = long double;
using ComplexLong = std::complex<Long>;

// How many units in the last place of `value` it lies from `exact`.
double ulps_from(double value, Long exact) {
    const double ulp = std::nextafter(std::abs(value), INFINITY) - std::abs(value);
    return double(std::abs(Long(value) - exact) / Long(ulp));
}

TEST(DoubleDouble, SumsAndProductsKeepTheDigitsADoubleLoses) {
    const double small = std::ldexp(1.0, -30);
    // (1 + 2^-30)(1 - 2^-30) = 1 - 2^-60: the low part holds what a double drops.
    const sc::DoubleDouble product = sc::DoubleDouble(1.0 + small) * sc::DoubleDouble(1.0 - small);
    EXPECT_EQ(product.hi, 1.0);
    EXPECT_EQ(product.lo, -std::ldexp(1.0, -60));
    // A product too large for the splitting factor is split scaled, not lost to infinity.
    const sc::DoubleDouble large = sc::DoubleDouble(1e300) * sc::DoubleDouble(1.0 + 1e-15);
    EXPECT_TRUE(std::isfinite(large.lo));
    EXPECT_EQ(large.hi, 1e300 * (1.0 + 1e-15));
    // A third times three is one to 32 digits; (1 + 3i) / (4 - 2i) = -0.1 + 0.7i.
    const sc::DoubleDouble third = sc::DoubleDouble(1.0) / sc::DoubleDouble(3.0);
    const sc::DoubleDouble one = third * sc::DoubleDouble(3.0) - sc::DoubleDouble(1.0);
    EXPECT_LT(std::abs(one.hi), 1e-31);
    const sc::ComplexDD q = sc::ComplexDD(1.0, 3.0) / sc::ComplexDD(4.0, -2.0);
    EXPECT_LT(std::abs((q.re - sc::DoubleDouble(-0.1, 5.551115123125783e-18)).hi), 1e-31);
    EXPECT_NEAR(q.im.hi, 0.7, 1e-16);
    const std::complex<double> cube = sc::power(sc::ComplexDD(0.0, 2.0), 3).rounded();
    EXPECT_EQ(cube, std::complex<double>(0.0, -8.0));
}

TEST(DoubleDouble, SineCosineAndExponentialRoundCorrectly) {
    // The doubles nearest pi and pi/2 are not pi: their sine and cosine are the well-known
    // remainders, which take every digit of the reduction by pi/2.
    EXPECT_EQ(sc::sine_cosine(std::numbers::pi).sine.hi, 1.2246467991473532e-16);
    EXPECT_EQ(sc::rounded::cos(std::numbers::pi / 2), 6.123233995736766e-17);
    EXPECT_EQ(sc::rounded::cos(std::numbers::pi / 3), 0.5000000000000001);
    EXPECT_EQ(sc::rounded::cos(0.0), 1.0);
    const sc::DoubleDouble e = sc::exponential(1.0);
    EXPECT_EQ(e.hi + e.lo, std::numbers::e);
    // Angles of scattering (radians) and arguments of the Hankel functions of large drops:
    // within half a unit in the last place of a long double reference (which itself lies
    // within 2^-11 of one), whichever the quadrant.
    for (int i = 0; i < 3000; ++i) {
        const double x = i < 1500 ? i * 0.0021 : (i - 1500) * 29.3 + 0.37;
        SCOPED_TRACE(x);
        const sc::SineCosine sc2 = sc::sine_cosine(x);
        EXPECT_LE(ulps_from(sc2.cosine.hi + sc2.cosine.lo, std::cos(Long(x))), 0.5005);
        EXPECT_LE(ulps_from(sc2.sine.hi + sc2.sine.lo, std::sin(Long(x))), 0.5005);
    }
    for (const double x : {-700.0, -30.5, -1.0, 1e-8, 0.3, 88.7, 700.0}) {
        SCOPED_TRACE(x);
        const sc::DoubleDouble v = sc::exponential(x);
        EXPECT_LE(ulps_from(v.hi + v.lo, std::exp(Long(x))), 0.5005);
    }
}

// The Debye term as written in the textbook form, carried in long double: the reference.
struct LongHankel {
    std::vector<ComplexLong> value[2], log_d[2];  // outgoing, incoming
};

LongHankel long_hankel(ComplexLong z, int terms) {
    LongHankel w;
    const ComplexLong i{0, 1};
    ComplexLong before[2] = {std::exp(i * z), std::exp(-i * z)};
    ComplexLong now[2] = {-i * std::exp(i * z), i * std::exp(-i * z)};
    for (int n = 1; n <= terms; ++n) {
        for (int side = 0; side < 2; ++side) {
            const ComplexLong next = Long(2 * n - 1) / z * now[side] - before[side];
            w.value[side].push_back(next);
            w.log_d[side].push_back(now[side] / next - Long(n) / z);
            before[side] = now[side];
            now[side] = next;
        }
    }
    return w;
}

ComplexLong long_debye_term(const LongHankel& out, const LongHankel& in, std::size_t k,
                            ComplexLong impedance, int p) {
    const ComplexLong reduced = out.log_d[0][k] - impedance * in.log_d[1][k];
    const ComplexLong r11 =
        in.value[0][k] / in.value[1][k] * (impedance * in.log_d[0][k] - out.log_d[0][k]) / reduced;
    const ComplexLong joined = out.value[0][k] * in.value[1][k] * reduced;
    return Long(2) * impedance / (joined * joined) * std::pow(r11, p - 1);
}

// The amplitude S1 at one angle, summed in long double over the given coefficients.
ComplexLong long_s1(const std::vector<ComplexLong>& a, const std::vector<ComplexLong>& b,
                    double angle) {
    const Long mu = std::cos(Long(angle));
    Long pi_before = 0, pi = 1;
    ComplexLong s1 = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        const Long n = Long(k + 1);
        const Long tau = n * mu * pi - (n + 1) * pi_before;
        s1 += (2 * n + 1) / (n * (n + 1)) * (a[k] * pi + b[k] * tau);
        const Long next = ((2 * n + 1) * mu * pi - (n + 1) * pi_before) / n;
        pi_before = pi;
        pi = next;
    }
    return s1;
}

TEST(DebyeSeries, TermsAgreeWithALongDoubleReference) {
    // Each coefficient, and S1 on the bow's lit side to 1e-9. On its dark side the term is a
    // billionth of its peak, a sum of thousands of coefficients that nearly cancel: there
    // the double-precision coefficients came out 1e-6 wrong; now the angular sum's own
    // rounding (and the reference's) is what remains.
    struct Row {
        const char* name;
        std::complex<double> m;
        double x;
        int p;
        std::vector<double> lit_deg, dark_deg;
    };
    const double water = 1.3314;  // 650 nm
    const Row rows[] = {
        {"a small drop's primary", {water, 0}, 100.0, 2, {130, 138, 142, 150}, {}},
        {"0.5 mm at 650 nm, primary", {water, 0}, 4833.0, 2, {138, 142, 150}, {130}},
        {"0.5 mm at 650 nm, secondary", {water, 0}, 4833.0, 3, {125, 130}, {138, 142, 150}},
        {"an absorbing drop, fourth order", {1.333, 0.02}, 30.0, 5, {40, 90, 160}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const sc::PartialWaves waves = sc::debye_partial_waves(row.m, row.x, row.p);
        const int terms = int(waves.a.size());
        const std::complex<double> mx = row.m * row.x;  // as the program rounds it
        const LongHankel out = long_hankel({Long(row.x), 0}, terms);
        const LongHankel in = long_hankel({Long(mx.real()), Long(mx.imag())}, terms);
        const ComplexLong m{Long(row.m.real()), Long(row.m.imag())};
        std::vector<ComplexLong> a, b, rounded_a, rounded_b;
        double worst = 0;
        for (std::size_t k = 0; k < std::size_t(terms); ++k) {
            a.push_back(long_debye_term(out, in, k, Long(1) / m, row.p));
            b.push_back(long_debye_term(out, in, k, m, row.p));
            rounded_a.emplace_back(waves.a[k]);
            rounded_b.emplace_back(waves.b[k]);
            worst = std::max({worst, double(std::abs(rounded_a[k] - a[k]) / std::abs(a[k])),
                              double(std::abs(rounded_b[k] - b[k]) / std::abs(b[k]))});
        }
        EXPECT_LT(worst, 1e-12);
        const auto check = [&](const std::vector<double>& degrees, double tolerance) {
            for (const double deg : degrees) {
                SCOPED_TRACE(deg);
                const double angle = deg * std::numbers::pi / 180.0;
                const ComplexLong exact = long_s1(a, b, angle);
                const double one[] = {angle};
                const ComplexLong s1(sc::amplitudes(waves, one)[0].s1);
                EXPECT_LT(double(std::abs(s1 - exact) / std::abs(exact)), tolerance);
            }
        };
        check(row.lit_deg, 1e-9);
        check(row.dark_deg, 3e-7);
    }
}

TEST(Rounded, EveryFunctionGivesTheNearestDouble) {
    // Within half a unit in the last place of a long double reference, over the arguments
    // the theory window meets: angles, Airy's phases and widths, radii and powers. The
    // browser's C library has no long double exp, log or pow of its own (it rounds the
    // double ones), so those references hold only here; the same bits there are checked below.
    struct Row {
        const char* name;
        double (*rounded)(double);
        Long (*reference)(Long);
        double first, step;
    };
    const Row rows[] = {
        {"sin", sc::rounded::sin, [](Long x) { return std::sin(x); }, -3.2, 0.0131},
        {"cos", sc::rounded::cos, [](Long x) { return std::cos(x); }, 0.37, 41.3},
        {"cbrt", sc::rounded::cbrt, [](Long x) { return std::cbrt(x); }, -50.0, 1.37e3},
        {"asin", sc::rounded::asin, [](Long x) { return std::asin(x); }, -1.0, 0.00799},
        {"acos", sc::rounded::acos, [](Long x) { return std::acos(x); }, -1.0, 0.00799},
#if !defined(__EMSCRIPTEN__)
        {"exp", sc::rounded::exp, [](Long x) { return std::exp(x); }, -700.0, 2.9},
        {"log", sc::rounded::log, [](Long x) { return std::log(x); }, 1e-3, 17.3},
        {"x^0.25", [](double x) { return sc::rounded::pow(x, 0.25); },
         [](Long x) { return std::pow(x, Long(0.25)); }, 0.02, 93.1},
        {"x^(7/3)", [](double x) { return sc::rounded::pow(x, 7.0 / 3.0); },
         [](Long x) { return std::pow(x, Long(7.0 / 3.0)); }, 3.0, 331.7},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int i = 0; i < 251; ++i) {
            const double x = row.first + i * row.step;
            SCOPED_TRACE(x);
            EXPECT_LE(ulps_from(row.rounded(x), row.reference(Long(x))), 0.5005);
        }
    }
    EXPECT_EQ(sc::rounded::asin(1.0), std::numbers::pi / 2);
    EXPECT_EQ(sc::rounded::acos(1.0), 0.0);
    EXPECT_EQ(sc::rounded::pow(0.04, 2.0), 0.0016);
}

// A 2 mm drop in blue light, Mie's and Airy's theories the same bits in every build: the
// browser edition runs this test too, with another C++ library (whose complex division once
// made Mie's eleventh digit differ) and another mathematical library (whose sine, arcsine
// and powers made Airy's tenth). Geometric optics finds its rays with the library's own
// functions, for speed, and agrees to about 1e-13.
TEST(Scattering, TheSameBitsWithAnyLibrary) {
    const double index = 1.3374, x = 2.0 * std::numbers::pi * 2000.0 / 0.45;
    const sc::PartialWaves waves = sc::mie_partial_waves({index, 0.0}, x);
    std::vector<double> angles;
    for (double deg = 125; deg <= 145; deg += 0.25) angles.push_back(deg * std::numbers::pi / 180);
    const auto amplitudes = sc::amplitudes(waves, angles);
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a over every bit of every number
    const auto add = [&hash](std::complex<double> z) {
        for (const double part : {z.real(), z.imag()}) {
            std::uint64_t bits;  // std::bit_cast, which the browser's C++ library lacks
            std::memcpy(&bits, &part, sizeof bits);
            hash ^= bits;
            hash *= 1099511628211u;
        }
    };
    for (std::size_t n = 0; n < waves.a.size(); ++n) add(waves.a[n]), add(waves.b[n]);
    for (const sc::Amplitudes& s : amplitudes) add(s.s1), add(s.s2);
    for (const int k : {1, 2})
        for (const double angle : angles)
            for (const auto p : {sc::Polarisation::perpendicular, sc::Polarisation::parallel})
                add(sc::airy_intensity(index, x, k, angle, p));
    for (double t = -5.0; t < 700.0; t += 0.731)
        add({sc::rounded::exp(-t) + sc::rounded::log(t + 5.5),
             sc::rounded::pow(t + 1.0, 7.0 / 3.0)});
    EXPECT_EQ(waves.a.size(), 28050u);
    EXPECT_EQ(hash, 9922044018022288929u);
}

}  // namespace

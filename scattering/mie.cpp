#include "scattering/mie.h"

#include <algorithm>
#include <cmath>

#include "scattering/double_double.h"
#include "scattering/rounded.h"

// The angular sums run in a version for processors with AVX2 as well as the plain one, the
// loader choosing. Without FMA contraction both do the same arithmetic, lane by lane, so
// they give the same bits.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_ADDRESS__)
#define RAINBOW_WIDE_VECTORS [[gnu::target_clones("avx2", "default")]]
#else
#define RAINBOW_WIDE_VECTORS
#endif

namespace rainbow::scattering {

namespace {

// a / b by Smith's method, from the rounded operations alone. The standard libraries divide
// complex numbers each their own way (libstdc++ through libgcc's scaled division, libc++ by
// scaling with logb), which now and then differ in the last bit; the recurrences below carry
// that bit into the eleventh digit of a large drop's curve, and into the display list.
complex divide(complex a, complex b) {
    const double c = b.real(), d = b.imag();
    if (std::fabs(c) >= std::fabs(d)) {
        const double r = d / c, denominator = c + d * r;
        return {(a.real() + a.imag() * r) / denominator, (a.imag() - a.real() * r) / denominator};
    }
    const double r = c / d, denominator = c * r + d;
    return {(a.real() * r + a.imag()) / denominator, (a.imag() * r - a.real()) / denominator};
}

}  // namespace

double s11(const Amplitudes& s) { return 0.5 * (std::norm(s.s1) + std::norm(s.s2)); }
double s12(const Amplitudes& s) { return 0.5 * (std::norm(s.s2) - std::norm(s.s1)); }

int mie_term_count(double size_parameter) {
    return int(size_parameter + 4.05 * rounded::cbrt(size_parameter) + 2.0);
}

PartialWaves mie_partial_waves(complex index, double size_parameter) {
    const double x = size_parameter;
    const int terms = std::max(1, mie_term_count(x));
    const complex mx = index * x;

    // D_n(mx) = psi_n'(mx) / psi_n(mx), downward from zero well above the terms we need.
    // The recurrence forgets its start only where psi_n(mx) falls off, beyond n = |mx| by
    // a few times the width |mx|^(1/3) of the turning region (a drop that absorbs forgets
    // sooner): ten widths bring a wrong start below double precision.
    const double turning = std::max(double(terms), std::abs(mx));
    const int start = int(turning + 10.0 * rounded::cbrt(turning)) + 16;
    std::vector<complex> log_derivative(std::size_t(start) + 1, complex{});
    for (int n = start; n > 0; --n) {
        const complex n_over_mx = divide(double(n), mx);
        log_derivative[std::size_t(n) - 1] =
            n_over_mx - divide(1.0, log_derivative[std::size_t(n)] + n_over_mx);
    }

    PartialWaves waves;
    waves.a.resize(std::size_t(terms));
    waves.b.resize(std::size_t(terms));
    // Riccati-Bessel psi_n(x) and xi_n(x) = psi_n - i chi_n, upward from n = -1 and 0.
    const double sin_x = rounded::sin(x), cos_x = rounded::cos(x);
    double psi_before = cos_x, psi = sin_x;
    double chi_before = -sin_x, chi = cos_x;
    for (int n = 1; n <= terms; ++n) {
        const double factor = (2.0 * n - 1.0) / x;
        const double psi_n = factor * psi - psi_before;
        const double chi_n = factor * chi - chi_before;
        const complex xi_n{psi_n, -chi_n};
        const complex xi_previous{psi, -chi};
        const complex d = log_derivative[std::size_t(n)];
        const complex electric = divide(d, index) + double(n) / x;
        const complex magnetic = d * index + double(n) / x;
        waves.a[std::size_t(n) - 1] = divide(electric * psi_n - psi, electric * xi_n - xi_previous);
        waves.b[std::size_t(n) - 1] = divide(magnetic * psi_n - psi, magnetic * xi_n - xi_previous);
        psi_before = psi;
        psi = psi_n;
        chi_before = chi;
        chi = chi_n;
    }
    return waves;
}

RAINBOW_WIDE_VECTORS
std::vector<Amplitudes> amplitudes(const PartialWaves& waves, std::span<const double> angles) {
    const std::size_t count = angles.size();
    // One array per real quantity so that the inner loop over angles vectorises.
    std::vector<double> mu(count), pi_before(count, 0.0), pi(count, 1.0);
    std::vector<double> s1_re(count, 0.0), s1_im(count, 0.0), s2_re(count, 0.0), s2_im(count, 0.0);
    // Near a bow's dark side the sum is a thousand millionth of its terms, and a last bit of
    // mu would show in its eighth digit.
    for (std::size_t j = 0; j < count; ++j) mu[j] = rounded::cos(angles[j]);

    const std::size_t terms = std::min(waves.a.size(), waves.b.size());
    for (std::size_t i = 0; i < terms; ++i) {
        const double n = double(i + 1);
        const double weight = (2.0 * n + 1.0) / (n * (n + 1.0));
        const double a_re = weight * waves.a[i].real(), a_im = weight * waves.a[i].imag();
        const double b_re = weight * waves.b[i].real(), b_im = weight * waves.b[i].imag();
        const double next_a = (2.0 * n + 1.0) / n, next_b = (n + 1.0) / n;
        for (std::size_t j = 0; j < count; ++j) {
            const double p = pi[j];
            const double tau = n * mu[j] * p - (n + 1.0) * pi_before[j];
            s1_re[j] += a_re * p + b_re * tau;
            s1_im[j] += a_im * p + b_im * tau;
            s2_re[j] += a_re * tau + b_re * p;
            s2_im[j] += a_im * tau + b_im * p;
            pi[j] = next_a * mu[j] * p - next_b * pi_before[j];
            pi_before[j] = p;
        }
    }
    std::vector<Amplitudes> result(count);
    for (std::size_t j = 0; j < count; ++j)
        result[j] = {complex{s1_re[j], s1_im[j]}, complex{s2_re[j], s2_im[j]}};
    return result;
}

Efficiencies efficiencies(const PartialWaves& waves, double size_parameter) {
    const double x2 = size_parameter * size_parameter;
    const std::size_t terms = std::min(waves.a.size(), waves.b.size());
    double extinction = 0, scattering = 0, asymmetry = 0;
    complex back{};
    for (std::size_t i = 0; i < terms; ++i) {
        const double n = double(i + 1);
        const complex a = waves.a[i], b = waves.b[i];
        extinction += (2 * n + 1) * (a + b).real();
        scattering += (2 * n + 1) * (std::norm(a) + std::norm(b));
        back += (2 * n + 1) * ((i % 2 == 0) ? -1.0 : 1.0) * (a - b);
        asymmetry += (2 * n + 1) / (n * (n + 1)) * (a * std::conj(b)).real();
        if (i + 1 < terms)
            asymmetry += n * (n + 2) / (n + 1) *
                         (a * std::conj(waves.a[i + 1]) + b * std::conj(waves.b[i + 1])).real();
    }
    Efficiencies q;
    q.extinction = 2.0 / x2 * extinction;
    q.scattering = 2.0 / x2 * scattering;
    q.absorption = q.extinction - q.scattering;
    q.backscattering = std::norm(back) / x2;
    q.asymmetry = scattering > 0 ? 2.0 * asymmetry / scattering : 0.0;
    return q;
}

MieResult mie(complex index, double size_parameter, std::span<const double> angles) {
    const PartialWaves waves = mie_partial_waves(index, size_parameter);
    Efficiencies q = efficiencies(waves, size_parameter);
    // A sphere of real index absorbs nothing: Qabs is 0, not the rounding Qext - Qsca leaves.
    if (index.imag() == 0) q.absorption = 0;
    return {q, amplitudes(waves, angles)};
}

}  // namespace rainbow::scattering

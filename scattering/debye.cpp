#include "scattering/debye.h"

#include <algorithm>
#include <cmath>

namespace rainbow::scattering {
namespace {

// Riccati-Hankel functions of the outgoing (xi_n = psi_n - i chi_n) and incoming
// (zeta_n = psi_n + i chi_n) waves, as logarithmic derivatives and values, n = 1 .. N.
struct HankelWaves {
    std::vector<complex> outgoing, incoming;              // values
    std::vector<complex> outgoing_log_d, incoming_log_d;  // f'(z) / f(z)
};

HankelWaves hankel_waves(complex z, int terms) {
    HankelWaves w;
    w.outgoing.resize(std::size_t(terms));
    w.incoming.resize(std::size_t(terms));
    w.outgoing_log_d.resize(std::size_t(terms));
    w.incoming_log_d.resize(std::size_t(terms));
    const complex i{0, 1};
    // n = -1 and n = 0: xi = exp(iz), -i exp(iz); zeta = exp(-iz), i exp(-iz).
    complex out_before = std::exp(i * z), out = -i * std::exp(i * z);
    complex in_before = std::exp(-i * z), in = i * std::exp(-i * z);
    for (int n = 1; n <= terms; ++n) {
        const complex factor = (2.0 * n - 1.0) / z;
        const complex out_n = factor * out - out_before;
        const complex in_n = factor * in - in_before;
        // f_n' = f_{n-1} - n f_n / z
        w.outgoing[std::size_t(n) - 1] = out_n;
        w.incoming[std::size_t(n) - 1] = in_n;
        w.outgoing_log_d[std::size_t(n) - 1] = out / out_n - double(n) / z;
        w.incoming_log_d[std::size_t(n) - 1] = in / in_n - double(n) / z;
        out_before = out;
        out = out_n;
        in_before = in;
        in = in_n;
    }
    return w;
}

// The p-th term of one partial wave. The surface joins the field f outside to g inside
// by f = g and f' = impedance g' (impedance 1/m for a_n, m for b_n). With the outgoing
// and incoming waves of both sides:
//   reflection outside  R22 = [impedance zeta(x) zeta'(mx) - zeta'(x) zeta(mx)] / D
//   reflection inside   R11 = [impedance xi(x) xi'(mx) - xi'(x) xi(mx)] / D
//   transmissions       T21 T12 = (2i)^2 impedance / D^2
//   D = xi'(x) zeta(mx) - impedance xi(x) zeta'(mx)
// The field outside, psi(x) - c xi(x), holds half an outgoing wave of its own: so the
// surface term is (1 - R22) / 2 and the p-th term (p >= 1) is -T21 R11^(p-1) T12 / 2.
complex debye_term(const HankelWaves& outside, const HankelWaves& inside, std::size_t i,
                   complex impedance, int p) {
    const complex xi_x = outside.outgoing[i], l_xi_x = outside.outgoing_log_d[i];
    const complex zeta_x = outside.incoming[i], l_zeta_x = outside.incoming_log_d[i];
    const complex xi_m = inside.outgoing[i], l_xi_m = inside.outgoing_log_d[i];
    const complex zeta_m = inside.incoming[i], l_zeta_m = inside.incoming_log_d[i];
    // D divided by xi(x) zeta(mx), so that no product of large values is formed.
    const complex reduced = l_xi_x - impedance * l_zeta_m;
    if (p == 0) {
        const complex r22 = (zeta_x / xi_x) * (impedance * l_zeta_m - l_zeta_x) / reduced;
        return 0.5 * (1.0 - r22);
    }
    const complex r11 = (xi_m / zeta_m) * (impedance * l_xi_m - l_xi_x) / reduced;
    const complex transmissions =
        -4.0 * impedance / (xi_x * xi_x * zeta_m * zeta_m * reduced * reduced);
    return -0.5 * transmissions * std::pow(r11, p - 1);
}

}  // namespace

PartialWaves debye_partial_waves(complex index, double size_parameter, int p) {
    const int terms = std::max(1, mie_term_count(size_parameter));
    const HankelWaves outside = hankel_waves(complex{size_parameter, 0.0}, terms);
    const HankelWaves inside = hankel_waves(index * size_parameter, terms);
    PartialWaves waves;
    waves.a.resize(std::size_t(terms));
    waves.b.resize(std::size_t(terms));
    for (std::size_t i = 0; i < std::size_t(terms); ++i) {
        waves.a[i] = debye_term(outside, inside, i, 1.0 / index, p);
        waves.b[i] = debye_term(outside, inside, i, index, p);
    }
    return waves;
}

}  // namespace rainbow::scattering

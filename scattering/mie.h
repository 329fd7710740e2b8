#pragma once
// Lorenz-Mie scattering by a homogeneous sphere (Bohren & Huffman's conventions:
// time factor exp(-i omega t), so an absorbing sphere has Im(m) > 0).
#include <complex>
#include <span>
#include <vector>

namespace rainbow::scattering {

using complex = std::complex<double>;

// The two amplitude functions at one scattering angle.
struct Amplitudes {
    complex s1;  // perpendicular to the scattering plane
    complex s2;  // parallel to it
};

// S11 = (|S1|^2 + |S2|^2) / 2 and S12 = (|S2|^2 - |S1|^2) / 2.
double s11(const Amplitudes& s);
double s12(const Amplitudes& s);

// The partial-wave coefficients a_n, b_n for n = 1 .. N (element n - 1).
struct PartialWaves {
    std::vector<complex> a;
    std::vector<complex> b;
};

// Wiscombe's number of terms: x + 4.05 x^(1/3) + 2.
int mie_term_count(double size_parameter);

// a_n and b_n with the logarithmic derivative D_n(mx) by downward recurrence started
// above both the number of terms and |mx|, and psi, xi by upward recurrence.
PartialWaves mie_partial_waves(complex index, double size_parameter);

// S1 and S2 at each scattering angle (radians) from any set of partial waves.
std::vector<Amplitudes> amplitudes(const PartialWaves& waves, std::span<const double> angles);

struct Efficiencies {
    double extinction = 0;
    double scattering = 0;
    double absorption = 0;
    double backscattering = 0;
    double asymmetry = 0;  // g, the mean cosine of the scattering angle
};

Efficiencies efficiencies(const PartialWaves& waves, double size_parameter);

struct MieResult {
    Efficiencies q;
    std::vector<Amplitudes> s;
};

MieResult mie(complex index, double size_parameter, std::span<const double> angles);

}  // namespace rainbow::scattering

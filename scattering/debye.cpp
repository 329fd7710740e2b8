#include "scattering/debye.h"

#include <algorithm>
#include <cmath>

#include "scattering/double_double.h"

namespace rainbow::scattering {
namespace {

// The Riccati-Hankel functions of the outgoing (xi_n = psi_n - i chi_n) and incoming
// (zeta_n = psi_n + i chi_n) waves at one argument, with their logarithmic derivatives
// f'(z) / f(z), carried upward in n one order at a time.
//
// They are carried in double-double: over thousands of orders the rounding of a double
// recurrence adds up to 1e-14 of each value, and the p-th term then takes differences of
// nearly equal numbers (the reflection inside vanishes near Brewster's angle, 1 - R22 for the
// surface wave): its coefficients came out 1e-11 wrong, and the bow's dark side, a sum of
// thousands of them that nearly cancel, 1e-6 wrong and different from one standard library
// to another.
class HankelWaves {
public:
    explicit HankelWaves(complex z) : inverse_(ComplexDD(1.0) / ComplexDD::of(z)) {
        // n = -1 and n = 0: xi = exp(iz), -i exp(iz); zeta = exp(-iz), i exp(-iz).
        const SineCosine turn = sine_cosine(z.real());
        const DoubleDouble c = turn.cosine, s = turn.sine;
        const DoubleDouble grow = exponential(z.imag()), fall = exponential(-z.imag());
        out_before_ = {fall * c, fall * s};
        out_ = {fall * s, -(fall * c)};
        in_before_ = {grow * c, -(grow * s)};
        in_ = {grow * s, grow * c};
    }

    // To order n, the one after the last.
    void next(int n) {
        const ComplexDD factor = inverse_ * DoubleDouble(2.0 * n - 1.0);
        const ComplexDD n_over_z = inverse_ * DoubleDouble(double(n));
        const ComplexDD out_n = factor * out_ - out_before_;
        const ComplexDD in_n = factor * in_ - in_before_;
        // f_n' = f_{n-1} - n f_n / z
        outgoing_log_d = out_ / out_n - n_over_z;
        incoming_log_d = in_ / in_n - n_over_z;
        out_before_ = out_;
        out_ = out_n;
        in_before_ = in_;
        in_ = in_n;
    }

    const ComplexDD& outgoing() const { return out_; }
    const ComplexDD& incoming() const { return in_; }
    ComplexDD outgoing_log_d, incoming_log_d;

private:
    ComplexDD inverse_;  // 1 / z
    ComplexDD out_before_, out_, in_before_, in_;
};

// The p-th term of one partial wave. The surface joins the field f outside to g inside
// by f = g and f' = impedance g' (impedance 1/m for a_n, m for b_n). With the outgoing
// and incoming waves of both sides:
//   reflection outside  R22 = [impedance zeta(x) zeta'(mx) - zeta'(x) zeta(mx)] / D
//   reflection inside   R11 = [impedance xi(x) xi'(mx) - xi'(x) xi(mx)] / D
//   transmissions       T21 T12 = (2i)^2 impedance / D^2
//   D = xi'(x) zeta(mx) - impedance xi(x) zeta'(mx)
// The field outside, psi(x) - c xi(x), holds half an outgoing wave of its own: so the
// surface term is (1 - R22) / 2 and the p-th term (p >= 1) is -T21 R11^(p-1) T12 / 2.
complex debye_term(const HankelWaves& outside, const HankelWaves& inside,
                   const ComplexDD& impedance, int p) {
    // D divided by xi(x) zeta(mx), so that no product of large values is formed.
    const ComplexDD reduced = outside.outgoing_log_d - impedance * inside.incoming_log_d;
    if (p == 0) {
        const ComplexDD r22 = (outside.incoming() / outside.outgoing()) *
                              (impedance * inside.incoming_log_d - outside.incoming_log_d) /
                              reduced;
        return (ComplexDD(0.5) - r22 * DoubleDouble(0.5)).rounded();
    }
    const ComplexDD r11 = (inside.outgoing() / inside.incoming()) *
                          (impedance * inside.outgoing_log_d - outside.outgoing_log_d) / reduced;
    const ComplexDD joined = outside.outgoing() * inside.incoming() * reduced;
    const ComplexDD half_transmissions = impedance * DoubleDouble(2.0) / (joined * joined);
    return (half_transmissions * power(r11, p - 1)).rounded();
}

}  // namespace

struct DebyeWavesWork::Orders {
    Orders(complex index, double size_parameter, int p_)
        : p(p_),
          terms(std::max(1, mie_term_count(size_parameter))),
          outside(complex{size_parameter, 0.0}),
          inside(index * size_parameter),
          magnetic(ComplexDD::of(index)),
          electric(ComplexDD(1.0) / magnetic) {
        waves.a.resize(std::size_t(terms));
        waves.b.resize(std::size_t(terms));
    }
    int p;
    int terms;
    HankelWaves outside, inside;
    ComplexDD magnetic, electric;
    PartialWaves waves;
    std::size_t done = 0;  // orders
};

DebyeWavesWork::DebyeWavesWork(complex index, double size_parameter, int p)
    : orders_(std::make_unique<Orders>(index, size_parameter, p)) {}
DebyeWavesWork::~DebyeWavesWork() = default;
DebyeWavesWork::DebyeWavesWork(DebyeWavesWork&&) noexcept = default;
DebyeWavesWork& DebyeWavesWork::operator=(DebyeWavesWork&&) noexcept = default;

PartialWaves& DebyeWavesWork::waves() { return orders_->waves; }

bool DebyeWavesWork::run(const Pace& pace) {
    Orders& o = *orders_;
    // An order in double-double costs about what 250 terms of an angular sum do. The orders
    // follow one another (an upward recurrence): at once they run on this thread.
    const std::size_t span = std::max<std::size_t>(1, pace.sums_per_piece / 250);
    return run_spans(std::size_t(o.terms), 1, span, o.done, pace,
                     [&o](std::size_t first, std::size_t last) {
                         for (std::size_t i = first; i < last; ++i) {
                             const int n = int(i) + 1;
                             o.outside.next(n);
                             o.inside.next(n);
                             o.waves.a[i] = debye_term(o.outside, o.inside, o.electric, o.p);
                             o.waves.b[i] = debye_term(o.outside, o.inside, o.magnetic, o.p);
                         }
                     });
}

PartialWaves debye_partial_waves(complex index, double size_parameter, int p) {
    DebyeWavesWork work(index, size_parameter, p);
    work.run(Pace::at_once(serial_for()));
    return std::move(work.waves());
}

}  // namespace rainbow::scattering

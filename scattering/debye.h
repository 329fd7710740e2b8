#pragma once
// The Debye series: each Mie partial wave split into the wave reflected at the surface
// (p = 0, with diffraction) and the waves that cross the drop after p - 1 internal
// reflections (p >= 1). Summed over every p, the terms give back the Mie coefficients.
#include <memory>

#include "scattering/mie.h"
#include "scattering/parallel.h"

namespace rainbow::scattering {

// The partial waves of the p-th Debye term (p = 2: one internal reflection, the primary
// bow; p = 3: the secondary). Meant for a drop that absorbs little, such as water.
PartialWaves debye_partial_waves(complex index, double size_parameter, int p);

// The same, computed order by order at the pace given: in pieces it stops between two orders
// when the pace says so, and goes on from there at the next run.
class DebyeWavesWork {
public:
    DebyeWavesWork(complex index, double size_parameter, int p);
    ~DebyeWavesWork();
    DebyeWavesWork(DebyeWavesWork&&) noexcept;
    DebyeWavesWork& operator=(DebyeWavesWork&&) noexcept;
    // Runs on from where it stopped; true once every order is done.
    bool run(const Pace& pace);
    // The waves, once run has returned true.
    PartialWaves& waves();

private:
    struct Orders;
    std::unique_ptr<Orders> orders_;
};

}  // namespace rainbow::scattering

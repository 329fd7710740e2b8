// The three levels of rainbow theory checked against published values and against each
// other: rays with Fresnel's factors, Airy's integral, and the exact series (Mie, Debye).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "scattering/airy.h"
#include "scattering/colour.h"
#include "scattering/debye.h"
#include "scattering/geometric.h"
#include "scattering/mie.h"

namespace {

namespace sc = rainbow::scattering;
using sc::Polarisation;

constexpr double degree = std::numbers::pi / 180.0;

TEST(AiryFunction, PublishedValuesOnBothSidesOfEachExpansion) {
    // Abramowitz & Stegun, table 10.11, and DLMF 9.
    struct Row {
        double z, ai;
    };
    const Row rows[] = {{0.0, 0.355028053887817},    {1.0, 0.135292416312881},
                        {-2.0, 0.227407428201686},   {4.5, 3.30250323514309e-4},
                        {6.0, 9.94769436025289e-6},  {-7.9, 0.0417018836173867},
                        {-8.1, -0.142908147093581},  {-10.0, 0.0402412384864432},
                        {-20.0, -0.176406127077985}, {-50.0, -0.161881423612321}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.z);
        EXPECT_NEAR(sc::airy_ai(row.z), row.ai, 1e-9 * std::abs(row.ai) + 1e-13);
    }
}

// The local maxima of a sampled curve, refined by a parabola through the top three points.
std::vector<double> maxima(const std::vector<double>& at, const std::vector<double>& value) {
    std::vector<double> found;
    for (std::size_t j = 1; j + 1 < value.size(); ++j) {
        if (value[j] <= value[j - 1] || value[j] < value[j + 1]) continue;
        const double h = at[j + 1] - at[j];
        const double curvature = value[j - 1] - 2 * value[j] + value[j + 1];
        found.push_back(at[j] + 0.5 * h * (value[j - 1] - value[j + 1]) / curvature);
    }
    return found;
}

TEST(AiryTheory, MaximaWhereAiSquaredHasItsMaxima) {
    // The main bow and the first two supernumeraries, on both bows.
    const double m = 1.333, x = 2.0e5;
    for (const int k : {1, 2}) {
        SCOPED_TRACE(k);
        std::vector<double> z, intensity;
        const double bow = sc::rainbow_ray(m, k).scattering_angle;
        for (double a = bow - 0.5 * degree; a < bow + 0.5 * degree; a += 0.0002 * degree) {
            z.push_back(sc::airy_argument(m, x, k, a));
            intensity.push_back(sc::airy_intensity(m, x, k, a, Polarisation::perpendicular));
        }
        if (z.front() > z.back()) {
            std::reverse(z.begin(), z.end());
            std::reverse(intensity.begin(), intensity.end());
        }
        const auto peaks = maxima(z, intensity);
        ASSERT_GE(peaks.size(), 3u);
        EXPECT_NEAR(peaks[0], 1.018793, 2e-3);
        EXPECT_NEAR(peaks[1], 3.248198, 2e-3);
        EXPECT_NEAR(peaks[2], 4.820099, 2e-3);
    }
}

TEST(RainbowRay, RainbowAnglesOfWaterAndGlass) {
    struct Row {
        const char* name;
        double m;
        int k;
        double degrees;
    };
    const Row rows[] = {{"water, primary", 1.33, 1, 42.52},
                        {"glass, primary", 1.5, 1, 22.84},
                        {"water, secondary", 1.33, 2, 50.10}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(sc::rainbow_angle(row.m, row.k) / degree, row.degrees, 0.005);
        const auto ray = sc::rainbow_ray(row.m, row.k);
        EXPECT_NEAR(sc::deviation_slope(ray.incidence, row.m, row.k), 0.0, 1e-12);
    }
}

TEST(GeometricOptics, TwoRaysOnTheLitSideNoneOnTheDarkSide) {
    struct Row {
        int k;
        double lit, dark;
    };
    const Row rows[] = {{1, 145.0, 130.0}, {2, 120.0, 135.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.k);
        const auto rays = sc::rays_leaving_at(1.333, row.k, row.lit * degree);
        ASSERT_EQ(rays.size(), 2u);
        for (const double i : rays)
            EXPECT_NEAR(sc::scattering_angle(sc::deviation(i, 1.333, row.k)), row.lit * degree,
                        1e-9);
        EXPECT_TRUE(sc::rays_leaving_at(1.333, row.k, row.dark * degree).empty());
        EXPECT_EQ(sc::geometric_intensity(1.333, 1000, row.k, row.dark * degree,
                                          Polarisation::perpendicular),
                  0.0);
    }
}

double mean(const std::vector<double>& v) {
    double sum = 0;
    for (const double e : v) sum += e;
    return sum / double(v.size());
}

TEST(GeometricOptics, AgreesWithTheExactOnceReflectedWaveAwayFromTheBow) {
    // Debye's p = 2 term holds only the once-reflected light; averaged over its
    // supernumeraries it must carry the power of geometric optics' two rays.
    const double m = 1.333, x = 5000;
    for (const auto polarisation : {Polarisation::perpendicular, Polarisation::parallel}) {
        std::vector<double> angles, exact, rays;
        for (double a = 141.5; a < 144.5; a += 0.001) angles.push_back(a * degree);
        const auto s = sc::amplitudes(sc::debye_partial_waves({m, 0}, x, 2), angles);
        for (std::size_t j = 0; j < angles.size(); ++j) {
            exact.push_back(
                std::norm(polarisation == Polarisation::perpendicular ? s[j].s1 : s[j].s2));
            rays.push_back(sc::geometric_intensity(m, x, 1, angles[j], polarisation));
        }
        EXPECT_NEAR(mean(exact) / mean(rays), 1.0, 0.04);
    }
}

TEST(AiryTheory, TendsToGeometricOpticsNearTheBowOfLargeDrops) {
    // Half a degree to a degree inside the bow: beyond it Airy's cubic wave front drifts
    // from the true one by several per cent, whatever the drop.
    std::vector<double> airy, rays;
    const double m = 1.333, x = 2.0e5;
    const double bow = sc::rainbow_ray(m, 1).scattering_angle / degree;
    for (double a = bow + 0.5; a < bow + 1.0; a += 0.00005) {
        airy.push_back(sc::airy_intensity(m, x, 1, a * degree, Polarisation::perpendicular));
        rays.push_back(sc::geometric_intensity(m, x, 1, a * degree, Polarisation::perpendicular));
    }
    EXPECT_NEAR(mean(airy) / mean(rays), 1.0, 0.03);
}

TEST(DebyeSeries, TermsAddUpToTheMieCoefficients) {
    // A drop that absorbs a little, so that the series converges after a few hundred terms.
    const sc::complex m{1.333, 0.02};
    const double x = 30;
    const auto mie = sc::mie_partial_waves(m, x);
    auto sum = sc::debye_partial_waves(m, x, 0);
    for (int p = 1; p < 400; ++p) {
        const auto term = sc::debye_partial_waves(m, x, p);
        for (std::size_t n = 0; n < sum.a.size(); ++n) {
            sum.a[n] += term.a[n];
            sum.b[n] += term.b[n];
        }
    }
    for (const std::size_t n : {0u, 5u, 20u, 29u, 35u}) {
        SCOPED_TRACE(n + 1);
        EXPECT_NEAR(std::abs(sum.a[n] - mie.a[n]), 0.0, 1e-9);
        EXPECT_NEAR(std::abs(sum.b[n] - mie.b[n]), 0.0, 1e-9);
    }
}

// The angle of the brightest light between two scattering angles (degrees).
double brightest(const std::vector<double>& intensity, double from, double step) {
    std::size_t best = 0;
    for (std::size_t j = 1; j < intensity.size(); ++j)
        if (intensity[j] > intensity[best]) best = j;
    return from + step * double(best);
}

TEST(AiryTheory, PrimaryMaximumAgainstExactTheoryForLargeAndSmallDrops) {
    // Wang & van de Hulst (Appl. Opt. 30, 106, 1991): water, 650 nm, perpendicular
    // polarisation. For a = 0.5 mm Airy's main maximum lies on the exact one; for
    // a = 10 um it lies tenths of a degree away. The once-reflected wave alone (Debye p = 2)
    // is the clean comparison; the whole Mie series adds the ripple of light reflected
    // outside the drop, which moves its brightest point by up to a ripple's width.
    struct Row {
        double radius_um;
        double once_low, once_high, mie_low, mie_high;
    };
    const Row rows[] = {{500.0, 0.0, 0.02, 0.0, 0.1}, {10.0, 0.5, 2.0, 0.15, 2.0}};
    const double m = sc::water_index_in_air(650.0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.radius_um);
        const double x = 2 * std::numbers::pi * row.radius_um / 0.65;
        const double from = 136.0, step = 0.002;
        std::vector<double> angles, airy, exact, once;
        for (double a = from; a < 146.0; a += step) angles.push_back(a * degree);
        const auto mie = sc::amplitudes(sc::mie_partial_waves({m, 0}, x), angles);
        const auto debye = sc::amplitudes(sc::debye_partial_waves({m, 0}, x, 2), angles);
        for (std::size_t j = 0; j < angles.size(); ++j) {
            airy.push_back(sc::airy_intensity(m, x, 1, angles[j], Polarisation::perpendicular));
            exact.push_back(std::norm(mie[j].s1));
            once.push_back(std::norm(debye[j].s1));
        }
        const double airy_peak = brightest(airy, from, step);
        const double apart_once = std::abs(brightest(once, from, step) - airy_peak);
        EXPECT_GE(apart_once, row.once_low);
        EXPECT_LE(apart_once, row.once_high);
        const double apart = std::abs(brightest(exact, from, step) - airy_peak);
        EXPECT_GE(apart, row.mie_low);
        EXPECT_LE(apart, row.mie_high);
    }
}

}  // namespace

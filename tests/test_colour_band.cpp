// Sunlight, water's dispersion, colour matching and the colours of the bow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scattering/colour.h"
#include "scattering/colour_band.h"

namespace {

namespace sc = rainbow::scattering;

TEST(Colour, WaterIndexMatchesPublishedValues) {
    // IAPWS's own check values (absolute index), then handbook values relative to air at
    // 20 deg C: the Fraunhofer lines C, D and F.
    EXPECT_NEAR(sc::water_index(589.3, 25.0, 997.047435), 1.3328581926, 1e-9);
    EXPECT_NEAR(sc::water_index(226.5, 25.0, 997.047435), 1.39277824, 1e-8);
    struct Row {
        double nm, index;
    };
    for (const Row row : {Row{656.3, 1.33115}, Row{589.3, 1.33299}, Row{486.1, 1.33712}}) {
        SCOPED_TRACE(row.nm);
        EXPECT_NEAR(sc::water_index_in_air(row.nm), row.index, 1e-4);
    }
}

TEST(Colour, ColourMatchingFollowsTheCieTable) {
    // CIE 1931 2 degree observer: the fit of three lobes keeps within a few hundredths.
    struct Row {
        double nm, x, y, z;
    };
    const Row rows[] = {{450, 0.3362, 0.0380, 1.7721},
                        {500, 0.0049, 0.3230, 0.2720},
                        {555, 0.5121, 1.0000, 0.0057},
                        {600, 1.0622, 0.6310, 0.0008},
                        {650, 0.2835, 0.1070, 0.0000}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nm);
        const auto c = sc::colour_matching(row.nm);
        EXPECT_NEAR(c[0], row.x, 0.03);
        EXPECT_NEAR(c[1], row.y, 0.03);
        EXPECT_NEAR(c[2], row.z, 0.04);
    }
}

TEST(Colour, SrgbOfWhiteGreyAndSpectralColours) {
    const auto white = sc::xyz_to_srgb({0.95047, 1.0, 1.08883});  // D65
    for (const double c : white) EXPECT_NEAR(c, 1.0, 1e-3);
    const auto grey = sc::xyz_to_srgb({0.95047 * 0.2, 0.2, 1.08883 * 0.2});
    for (const double c : grey) EXPECT_NEAR(c, 0.4845, 1e-3);  // sRGB curve at 0.2
    // A pure spectral green lies outside the gamut: no channel below zero, green the most.
    const auto green = sc::xyz_to_linear_srgb(sc::colour_matching(520));
    EXPECT_GE(std::min({green[0], green[1], green[2]}), 0.0);
    EXPECT_GT(green[1], green[0]);
    EXPECT_GT(green[1], green[2]);
}

// A coarse band is enough to tell the bows apart.
sc::BandSettings coarse() {
    sc::BandSettings s;
    s.columns = 111;
    s.step_nm = 10.0;
    s.sample_deg = 0.05;
    return s;
}

double chroma(const sc::Rgb& c) {
    return std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]});
}

struct BandFacts {
    double primary_red_deg, primary_blue_deg;  // reddest and bluest columns below 45 deg
    double brightest_deg;                      // the brightest column below 45 deg
    double most_saturated;
};

BandFacts facts(const sc::ColourBand& band) {
    BandFacts f{0, 0, 0, 0};
    double red = -1, blue = -1, bright = -1;
    for (std::size_t c = 0; c < band.rgb.size(); ++c) {
        const double angle = band.angles_deg[c];
        const auto& rgb = band.rgb[c];
        f.most_saturated = std::max(f.most_saturated, chroma(rgb));
        if (angle > 45.0) continue;
        if (rgb[0] - rgb[2] > red) {
            red = rgb[0] - rgb[2];
            f.primary_red_deg = angle;
        }
        if (rgb[2] - rgb[0] > blue) {
            blue = rgb[2] - rgb[0];
            f.primary_blue_deg = angle;
        }
        if (band.xyz[c][1] > bright) {
            bright = band.xyz[c][1];
            f.brightest_deg = angle;
        }
    }
    return f;
}

TEST(ColourBand, LargeDropsVividRedOutsideSmallDropsPaleAndNearerTheAntisolarPoint) {
    const auto parallel = sc::threads_parallel_for(2);
    const auto large = facts(sc::colour_band(1000.0, coarse(), parallel));
    const auto small = facts(sc::colour_band(10.0, coarse(), parallel));
    EXPECT_GT(large.primary_red_deg, large.primary_blue_deg);
    EXPECT_NEAR(large.brightest_deg, 42.0, 0.6);
    EXPECT_LT(small.brightest_deg, large.brightest_deg - 0.5);
    EXPECT_GT(large.most_saturated, 1.5 * small.most_saturated);
}

TEST(ColourBand, ThreadsGiveTheSameBandAsOneThread) {
    auto settings = coarse();
    settings.step_nm = 40.0;
    const auto serial = sc::colour_band(50.0, settings, sc::serial_for());
    const auto threads = sc::colour_band(50.0, settings, sc::threads_parallel_for(2));
    ASSERT_EQ(serial.rgb.size(), threads.rgb.size());
    for (std::size_t c = 0; c < serial.rgb.size(); ++c) EXPECT_EQ(serial.xyz[c], threads.xyz[c]);
}

TEST(LeeDiagram, RowsFromSmallToLargeWithProgressAndCancellation) {
    sc::LeeSettings settings;
    settings.rows = 5;
    settings.largest_um = 40.0;
    settings.band = coarse();
    settings.band.step_nm = 40.0;
    const auto radii = sc::lee_radii(settings);
    ASSERT_EQ(radii.size(), 5u);
    EXPECT_DOUBLE_EQ(radii.front(), 10.0);
    EXPECT_NEAR(radii.back(), 40.0, 1e-9);
    EXPECT_NEAR(radii[2], 20.0, 1e-9);  // evenly spaced in log(radius)

    std::vector<std::size_t> reported;
    const auto all = sc::lee_diagram(
        settings,
        [&](const sc::ColourBand& row, std::size_t done, std::size_t total) {
            EXPECT_EQ(total, 5u);
            EXPECT_DOUBLE_EQ(row.radius_um, radii[done - 1]);
            reported.push_back(done);
            return true;
        },
        sc::serial_for());
    EXPECT_EQ(all.size(), 5u);
    EXPECT_EQ(reported, (std::vector<std::size_t>{1, 2, 3, 4, 5}));

    // Cancelled after two rows, then resumed where it stopped: the same rows as at one go.
    const auto stop_after_two = [](const sc::ColourBand&, std::size_t done, std::size_t) {
        return done < 2;
    };
    const auto cancelled = sc::lee_diagram(settings, stop_after_two, sc::serial_for());
    ASSERT_EQ(cancelled.size(), 2u);
    EXPECT_EQ(cancelled[1].rgb, all[1].rgb);
    const auto rest = sc::lee_diagram(settings, nullptr, sc::serial_for(), cancelled.size());
    ASSERT_EQ(rest.size(), 3u);
    EXPECT_EQ(rest[0].rgb, all[2].rgb);
}

}  // namespace

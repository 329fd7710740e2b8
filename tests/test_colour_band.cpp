// Sunlight, water's dispersion, colour matching and the colours of the bow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scattering/colour.h"
#include "scattering/colour_band.h"
#include "scattering/parallel.h"

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

// Five rows of small drops, 10 to 40 um, on a coarse spectrum: quick to compute.
sc::LeeSettings five_small_rows() {
    sc::LeeSettings settings;
    settings.rows = 5;
    settings.largest_um = 40.0;
    settings.band = coarse();
    settings.band.step_nm = 40.0;
    return settings;
}

TEST(LeeDiagram, RowsCoarseToFineWithProgressAndCancellation) {
    const sc::LeeSettings settings = five_small_rows();
    const auto radii = sc::lee_radii(settings);
    ASSERT_EQ(radii.size(), 5u);
    EXPECT_DOUBLE_EQ(radii.front(), 10.0);
    EXPECT_NEAR(radii.back(), 40.0, 1e-9);
    EXPECT_NEAR(radii[2], 20.0, 1e-9);  // evenly spaced in log(radius)

    // Every 8th row and the last first, then halfway between, and so on: each row once.
    EXPECT_EQ(sc::lee_order(5), (std::vector<std::size_t>{0, 4, 2, 1, 3}));
    const auto order = sc::lee_order(200);
    ASSERT_EQ(order.size(), 200u);
    EXPECT_EQ(std::vector<std::size_t>(order.begin(), order.begin() + 4),
              (std::vector<std::size_t>{0, 8, 16, 24}));
    EXPECT_EQ(order[25], 199u);  // the largest radius ends the coarse pass
    EXPECT_EQ(order[26], 4u);
    auto sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t r = 0; r < sorted.size(); ++r) EXPECT_EQ(sorted[r], r);

    std::vector<sc::ColourBand> all(5);
    std::vector<std::size_t> reported;
    const auto computed = sc::lee_diagram(
        settings,
        [&](std::size_t index, const sc::ColourBand& row, std::size_t done, std::size_t total) {
            EXPECT_EQ(total, 5u);
            EXPECT_DOUBLE_EQ(row.radius_um, radii[index]);
            all[index] = row;
            reported.push_back(done);
            return true;
        },
        sc::serial_for());
    EXPECT_EQ(computed, 5u);
    EXPECT_EQ(reported, (std::vector<std::size_t>{1, 2, 3, 4, 5}));

    // Cancelled after two rows, then resumed: only the missing rows, the same as at one go.
    std::vector<bool> done_rows(5, false);
    sc::lee_diagram(
        settings,
        [&](std::size_t index, const sc::ColourBand&, std::size_t done, std::size_t) {
            done_rows[index] = true;
            return done < 2;
        },
        sc::serial_for());
    EXPECT_EQ(done_rows, (std::vector<bool>{true, false, false, false, true}));
    std::vector<std::size_t> resumed;
    const auto rest = sc::lee_diagram(
        settings,
        [&](std::size_t index, const sc::ColourBand& row, std::size_t done, std::size_t) {
            EXPECT_EQ(row.rgb, all[index].rgb);
            EXPECT_EQ(done, 3 + resumed.size());
            resumed.push_back(index);
            return true;
        },
        sc::serial_for(), done_rows);
    EXPECT_EQ(rest, 3u);
    EXPECT_EQ(resumed, (std::vector<std::size_t>{2, 1, 3}));
}

// The colours have converged in the angular step: halving it changes no pixel of a row by
// more than 2/255, for small, middling and large drops (the 1 mm row, whose ripple is the
// finest, included).
TEST(LeeDiagram, ColoursConvergedInTheAngularStep) {
    const auto parallel = sc::threads_parallel_for(2);
    for (const double radius : {10.0, 100.0, 1000.0}) {
        SCOPED_TRACE(radius);
        sc::BandSettings settings;
        settings.columns = 600;
        sc::BandSettings halved = settings;
        halved.sample_deg /= 2;
        halved.samples_per_ripple *= 2;
        const auto band = sc::colour_band(radius, settings, parallel);
        const auto finer = sc::colour_band(radius, halved, parallel);
        ASSERT_EQ(band.rgb.size(), finer.rgb.size());
        long worst = 0;
        for (std::size_t c = 0; c < band.rgb.size(); ++c)
            for (std::size_t i = 0; i < 3; ++i)
                worst = std::max(worst, std::abs(std::lround(255 * band.rgb[c][i]) -
                                                 std::lround(255 * finer.rgb[c][i])));
        EXPECT_LE(worst, 2);
    }
}

// A pace that stops after every piece (a browser's slice always over), its pieces small.
sc::Pace every_piece_pauses(std::size_t sums_per_piece = 200'000) {
    sc::Pace pace = sc::Pace::pausing([] { return true; });
    pace.sums_per_piece = sums_per_piece;
    return pace;
}

TEST(ColourBand, InPiecesThatPauseItIsTheBandComputedAtOnce) {
    const struct {
        const char* name;
        double radius_um;
        int pieces_more_than;  // paused between wavelengths; for large drops inside their sums
    } rows[] = {{"10 um", 10.0, 40}, {"200 um", 200.0, 200}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto at_once = sc::colour_band(row.radius_um, coarse(), sc::threads_parallel_for(2));
        sc::ColourBandWork work(row.radius_um, coarse());
        int runs = 1;
        while (!work.run(every_piece_pauses())) ++runs;
        EXPECT_GT(runs, row.pieces_more_than);
        EXPECT_EQ(work.band().xyz, at_once.xyz);
        EXPECT_EQ(work.band().rgb, at_once.rgb);
        EXPECT_TRUE(work.run(every_piece_pauses()));  // done stays done
        EXPECT_EQ(work.band().rgb, at_once.rgb);

        // Begun in pieces, ended at once on threads (a slice, then the render command).
        sc::ColourBandWork mixed(row.radius_um, coarse());
        for (int i = 0; i < 5; ++i) EXPECT_FALSE(mixed.run(every_piece_pauses()));
        EXPECT_TRUE(mixed.run(sc::Pace::at_once(sc::threads_parallel_for(2))));
        EXPECT_EQ(mixed.band().xyz, at_once.xyz);
    }
}

TEST(LeeDiagram, PausedInsideItsRowsItGivesTheRowsOfOneGo) {
    const sc::LeeSettings settings = five_small_rows();
    std::vector<sc::ColourBand> at_once(5);
    sc::lee_diagram(
        settings,
        [&](std::size_t index, const sc::ColourBand& row, std::size_t, std::size_t) {
            at_once[index] = row;
            return true;
        },
        sc::threads_parallel_for(2));

    // What comes between two calls: nothing; the paused row's place computed meanwhile (the
    // row then waits for another); other settings (a paused row of the old ones is not used).
    enum class Between { nothing, row_done, settings_changed };
    const struct {
        const char* name;
        Between between;
    } cases[] = {{"resumed", Between::nothing},
                 {"its row done meanwhile", Between::row_done},
                 {"other settings", Between::settings_changed}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<bool> done_rows(5, false);
        std::vector<sc::ColourBand> rows(5);
        std::unique_ptr<sc::LeeRowWork> paused;
        const auto take = [&](std::size_t index, const sc::ColourBand& row, std::size_t,
                              std::size_t) {
            rows[index] = row;
            done_rows[index] = true;
            return true;
        };
        sc::LeeSettings first = settings;
        if (c.between == Between::settings_changed) first.band.columns = 50;
        EXPECT_EQ(sc::lee_diagram(first, take, every_piece_pauses(2000), done_rows, paused), 0u);
        ASSERT_TRUE(paused);
        EXPECT_EQ(paused->row(), 0u);  // the first row in the order of computing
        if (c.between == Between::row_done) {
            rows[0] = at_once[0];
            done_rows[0] = true;
        }
        int calls = 1;
        while (std::count(done_rows.begin(), done_rows.end(), true) < 5) {
            sc::lee_diagram(settings, take, every_piece_pauses(2000), done_rows, paused);
            ASSERT_LT(++calls, 100000);
        }
        EXPECT_FALSE(paused);
        EXPECT_GT(calls, 10);  // rows of small drops are the mean of several: many pieces each
        for (std::size_t r = 0; r < 5; ++r) {
            EXPECT_EQ(rows[r].radius_um, at_once[r].radius_um);
            EXPECT_EQ(rows[r].xyz, at_once[r].xyz) << "row " << r;
            EXPECT_EQ(rows[r].rgb, at_once[r].rgb) << "row " << r;
        }
    }
}

}  // namespace

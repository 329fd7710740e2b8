#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "display_list.h"
#include "geometry/angles.h"
#include "geometry/circle_cut.h"
#include "geometry/ray_path.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::items_of;
using testing::texts_starting_with;

const double pi = 4 * std::atan(1.0);
const char* const deviation_prefix = "DEVIATION ANGLE γωνία απόκλισης= ";

Surface& picture(Program& p) { return p.arxiki().Picture1.surface(); }

double printed_number(const TextItem& t, std::string_view prefix) {
    return std::stod(t.text.substr(prefix.size()));
}

// Lines drawn by ray paths of a colour: each traced ray draws k + 3 lines.
std::size_t lines_of(Program& p, Rgb color) { return items_of<LineItem>(picture(p), color).size(); }

TEST(StartState, LabelsSettingsAndThreeWaterPasses) {
    Program p;
    MainWindow& w = p.arxiki();
    EXPECT_EQ(w.form().caption, "OYΡANIO TAVREL            ");
    EXPECT_TRUE(w.form().shown);
    EXPECT_EQ(w.Label1.caption, "γωνία που κάνει η ακτίνα με οριζόντιο=15");
    EXPECT_EQ(w.Label2.caption, "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 1");
    EXPECT_EQ(w.Label3.caption, "every 4th ray in central cone");
    EXPECT_FALSE(w.Label3.visible);
    EXPECT_FALSE(w.HScroll1.visible);
    EXPECT_EQ(w.Label4.caption, "No of rays = 1");
    EXPECT_EQ(w.Label5.caption, "Yc =0");
    EXPECT_EQ(w.Label6.caption, "Ysource = 0");

    EXPECT_EQ(p.settings().refractive_index, 1.343);
    EXPECT_EQ(p.settings().drop_radius, 30);
    EXPECT_EQ(p.settings().drop_xc, 10);
    EXPECT_EQ(p.settings().angle_theta, 15);

    const auto deviations = texts_starting_with(picture(p), deviation_prefix);
    ASSERT_EQ(deviations.size(), 3u);
    EXPECT_EQ(deviations[0].y, 95);
    EXPECT_EQ(deviations[1].y, 110);
    EXPECT_EQ(deviations[2].y, 80);
    EXPECT_EQ(deviations[0].color, rgb(255, 0, 0));
    EXPECT_EQ(deviations[2].color, rgb(0, 0, 255));
    // Each pass marks the first ray's incidence; all three land on the same place.
    const auto incidences = texts_starting_with(picture(p), "INCIDENCE  =");
    ASSERT_EQ(incidences.size(), 3u);
    EXPECT_EQ(incidences[0].text, incidences[2].text);
    EXPECT_EQ(incidences[0].x, incidences[2].x);
    for (const ScaleItem& s : items_of<ScaleItem>(picture(p))) {
        EXPECT_EQ(s.x1, -135);
        EXPECT_EQ(s.y1, 135);
        EXPECT_EQ(s.x2, 135);
        EXPECT_EQ(s.y2, -135);
    }
}

TEST(Layout, SquarePictureAndControlColumnFollowTheScreen) {
    for (Screen screen : {Screen{}, Screen{1024 * 15, 768 * 15}, Screen{2560 * 15, 1600 * 15}}) {
        SCOPED_TRACE(screen.height_twips);
        Program p(screen);
        MainWindow& w = p.arxiki();
        EXPECT_EQ(w.form().geometry().width, screen.width_twips);
        EXPECT_EQ(w.Picture1.width(), 0.75 * screen.height_twips);
        EXPECT_EQ(w.Picture1.height(), w.Picture1.width());
        EXPECT_EQ(w.Picture1.left(), 240);
        EXPECT_EQ(w.Label1.left(), w.Picture1.left() + w.Picture1.width());
        EXPECT_EQ(w.goniatheta.top(), w.Label1.top() + w.Label1.height());
        EXPECT_EQ(w.Label4.top() + w.Label4.height(),
                  w.arithaktinon.top() + w.arithaktinon.height());
        EXPECT_EQ(w.Command4.width(), w.Command3.width());
        EXPECT_EQ(w.Command6.top(), w.Command5.top() + w.Command5.height());
        EXPECT_EQ(w.Picture1.surface().width_twips(), w.Picture1.width());
    }
}

TEST(Layout, MovedControlIsPutBackByTheNextRedraw) {
    Program p;
    MainWindow& w = p.arxiki();
    const double left = w.Command2.left();
    w.Command2.set_left(5);
    p.set_screen(Screen{1600 * 15, 900 * 15});
    w.Option2.click();
    EXPECT_EQ(w.Picture1.width(), 0.75 * 900 * 15);
    EXPECT_NE(w.Command2.left(), 5);
    EXPECT_NE(w.Command2.left(), left);  // the column moved with the smaller picture
}

TEST(Handlers, LabelsAndRedraws) {
    Program p;
    MainWindow& w = p.arxiki();

    w.goniatheta.set_value(30);
    EXPECT_EQ(w.Label1.caption, "ANGLE OR RAY γωνία που κάνει η ακτίνα με οριζόντιο=30");
    EXPECT_EQ(p.settings().angle_theta, 30);

    w.parallel.click();
    EXPECT_EQ(w.Label1.caption, "INCIDENCE ANGLE γωνία ΠΡΟΣΠΤΩΣΗΣ=30");
    EXPECT_FALSE(w.pointsource.value());
    w.goniatheta.set_value(-20);
    EXPECT_EQ(w.Label1.caption, "INCIDENCE ANGLE γωνία ΠΡΟΣΠΤΩΣΗΣ=-20");
    w.pointsource.click();
    EXPECT_EQ(w.Label1.caption, "ANGLE OR RAY γωνία που κάνει η ακτίνα με οριζόντιο=-20");

    w.arithaktinon.set_value(80);
    EXPECT_EQ(w.Label4.caption, "No of rays = 80");
    w.arithanak.set_value(2);
    EXPECT_EQ(w.Label2.caption, "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 2");
    w.Ycthesi.set_value(-40);
    // The handler writes "Yc=", then the redraw's layout writes "Yc =" over it.
    EXPECT_EQ(w.Label5.caption, "Yc =-40");
    EXPECT_EQ(p.settings().drop_yc, -40);
}

TEST(Handlers, SourceHeightWaitsForTheNextRedraw) {
    Program p;
    MainWindow& w = p.arxiki();
    const std::size_t before = w.Picture1.surface().items().size();
    const auto generation = w.Picture1.surface().generation();
    w.psipigi.set_value(30);
    EXPECT_EQ(w.Label6.caption, "Ysource = 30");
    EXPECT_EQ(w.Picture1.surface().items().size(), before);
    EXPECT_EQ(w.Picture1.surface().generation(), generation);
    EXPECT_EQ(p.settings().source_y, 0);
    w.Option1.click();  // already chosen: nothing happens
    EXPECT_EQ(p.settings().source_y, 0);
    w.Option2.click();
    EXPECT_EQ(p.settings().source_y, 30);
    EXPECT_EQ(p.settings().refractive_index, 1.5);
}

TEST(Handlers, AngleOrReflectionsHideTheRaySelector) {
    Program p;
    MainWindow& w = p.arxiki();
    for (int which = 0; which < 2; ++which) {
        w.HScroll1.visible = true;
        w.Label3.visible = true;
        if (which == 0) w.goniatheta.set_value(25 + which);
        if (which == 1) w.arithanak.set_value(0);
        EXPECT_FALSE(w.HScroll1.visible);
        EXPECT_FALSE(w.Label3.visible);
    }
}

// Number of rays of each beam and how many lines their paths draw.
TEST(Passes, RayCounts) {
    struct Row {
        const char* name;
        bool parallel;
        int rays;            // arithaktinon
        int k;               // arithanak
        int theta;           // goniatheta
        std::size_t traced;  // rays through the drop, per pass
        std::size_t missed;  // rays drawn faintly, per pass
    };
    const Row rows[] = {
        {"parallel, one ray", true, 1, 1, 15, 1, 0},
        {"parallel, 61 rays just cover the drop", true, 61, 1, 0, 239, 2},
        {"parallel, 80 rays overflow the drop", true, 80, 2, 0, 239, 78},
        {"point source, one ray", false, 1, 1, 15, 1, 0},
        {"point source, 80 rays", false, 80, 0, 15, 41, 0},
        {"point source, fan misses", false, 80, 1, 60, 0, 41},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Program p;
        MainWindow& w = p.arxiki();
        if (row.parallel) w.parallel.click();
        w.arithanak.set_value(row.k);
        w.goniatheta.set_value(row.theta);
        w.arithaktinon.set_value(row.rays);
        w.Option2.click();  // glass: one pass in red
        const std::size_t missed = row.parallel
                                       ? items_of<LineItem>(picture(p), rgb(255, 240, 240)).size()
                                       : items_of<LineItem>(picture(p), rgb(250, 240, 240)).size();
        EXPECT_EQ(missed, row.missed);
        // Red lines: 2 axes, traced rays (k + 3 lines each), the rainbow ray (k + 3 lines),
        // the deviation's construction (2 lines and a 20-segment arc) when a ray is traced,
        // and for the parallel beam the normal at the central ray's entry.
        const std::size_t rainbow = row.parallel && row.k == 0 ? 0 : std::size_t(row.k + 3);
        std::size_t expected = 2 + row.traced * std::size_t(row.k + 3) + rainbow;
        if (row.parallel) expected += 1;
        const bool central_crosses = row.traced > 0 && !(row.parallel && row.theta == 0);
        if (central_crosses) expected += 22;
        const std::size_t black_deviation_lines =
            row.parallel && central_crosses ? 2 : 0;  // drawn in black for a horizontal ray
        EXPECT_EQ(lines_of(p, rgb(255, 0, 0)) + black_deviation_lines, expected);
    }
}

// The angle between the directions of travel of a ray that meets the drop at the angle of
// incidence i: it turns by i - r at each refraction and by pi - 2r at each reflection, all in
// one sense.
double turn_between_directions(double i, double n, int k) {
    const double r = std::asin(std::sin(i) / n);
    return std::acos(std::cos(2 * (i - r) + k * (pi - 2 * r)));
}

// Every printed deviation against the turn of the central ray, worked out from where that ray
// meets the drop: for a parallel beam at the angle theta itself, for the single ray of a point
// source from its distance to the centre. Water prints one line per index.
TEST(Deviation, PrintedValueIsTheTurnBetweenTheDirectionsOfTravel) {
    struct Heights {
        int drop, source;
    };
    struct Material {
        bool glass;
        std::vector<std::pair<double, float>> lines;  // index and the y it prints at
    };
    const Material materials[] = {{false, {{1.33, 95}, {1.333, 110}, {1.343, 80}}},
                                  {true, {{1.5, 80}}}};
    int misses = 0;
    for (bool parallel : {true, false}) {
        for (const Material& material : materials) {
            for (int k = 0; k <= 2; ++k) {
                for (int theta : {-90, -89, -60, -15, 0, 10, 40, 59, 85, 90}) {
                    for (Heights h : {Heights{0, 0}, Heights{40, -30}, Heights{-80, 50}}) {
                        SCOPED_TRACE(::testing::Message()
                                     << (parallel ? "parallel" : "point source") << ", "
                                     << (material.glass ? "glass" : "water") << ", k " << k
                                     << ", theta " << theta << ", drop at " << h.drop
                                     << ", source at " << h.source);
                        Program p;
                        MainWindow& w = p.arxiki();
                        w.psipigi.set_value(h.source);
                        w.Ycthesi.set_value(h.drop);
                        w.arithanak.set_value(k);
                        w.goniatheta.set_value(theta);
                        if (material.glass) w.Option2.click();
                        if (parallel) w.parallel.click();

                        // The central ray's distance from the centre: the beam's meets the
                        // drop at theta even when grazing it, the point source's may miss.
                        const double phi = theta * pi / 180;
                        const double impact =
                            parallel ? 30 * std::sin(phi)
                                     : 90 * std::sin(phi) - (h.drop - h.source) * std::cos(phi);
                        const auto texts = texts_starting_with(picture(p), deviation_prefix);
                        if (!parallel && std::fabs(impact) >= 30) {
                            ++misses;
                            EXPECT_TRUE(texts.empty());
                            continue;
                        }
                        const double i = std::asin(std::fabs(impact) / 30);
                        ASSERT_EQ(texts.size(), material.lines.size());
                        for (std::size_t j = 0; j < texts.size(); ++j) {
                            const auto [n, y] = material.lines[j];
                            EXPECT_EQ(texts[j].y, y);
                            EXPECT_NEAR(printed_number(texts[j], deviation_prefix),
                                        turn_between_directions(i, n, k) * 180 / pi, 0.01)
                                << "index " << n;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(misses, 0);
}

TEST(Deviation, RayThroughTheCentrePrintsZeroOrStraightBackAndNoCrossing) {
    for (int k = 0; k <= 2; ++k) {
        SCOPED_TRACE(k);
        Program p;
        MainWindow& w = p.arxiki();
        w.parallel.click();
        w.arithanak.set_value(k);
        w.goniatheta.set_value(0);
        const auto texts = texts_starting_with(picture(p), deviation_prefix);
        ASSERT_EQ(texts.size(), 3u);
        for (const TextItem& t : texts) {
            EXPECT_EQ(t.text, deviation_prefix + std::string(k == 1 ? "180.00" : "0.00"));
        }
        EXPECT_TRUE(items_of<PsetItem>(picture(p)).empty());
    }
}

TEST(Deviation, FanWithoutARayNearTheAxisUsesTheRayNearestIt) {
    // Two rays: offsets -1.6 and -0.53 degrees; neither lies within 0.2 of the axis.
    Program p;
    MainWindow& w = p.arxiki();
    w.arithaktinon.set_value(2);
    w.Option2.click();
    const auto texts = texts_starting_with(picture(p), deviation_prefix);
    ASSERT_EQ(texts.size(), 1u);
    const double printed = printed_number(texts[0], deviation_prefix);
    // The crossing is marked with a cyan dot and the ray's entry with a magenta one, on the drop.
    const auto entries = items_of<PsetItem>(picture(p), rgb(255, 0, 255));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_NEAR(std::hypot(entries[0].x - 10, entries[0].y), 30, 1e-3);
    // One reflection in glass from a source at 15 degrees: between 140 and 180 degrees.
    EXPECT_GT(printed, 140);
    EXPECT_LT(printed, 180);
}

TEST(Main, DrawsWithTheScrollBarAngleWhateverAViewLeft) {
    Program p;
    MainWindow& w = p.arxiki();
    const auto reference = picture(p).items().size();
    const std::string text = texts_starting_with(picture(p), deviation_prefix)[0].text;
    w.Command1.click();  // a construction draws rays at angles of its own
    w.Picture1.surface().cls();
    w.pointsource.set_value(false);
    w.pointsource.click();
    EXPECT_EQ(p.settings().angle_theta, 15);
    EXPECT_EQ(w.Label1.caption, "ANGLE OR RAY γωνία που κάνει η ακτίνα με οριζόντιο=15");
    EXPECT_EQ(picture(p).items().size(), reference);
    EXPECT_EQ(texts_starting_with(picture(p), deviation_prefix)[0].text, text);
}

TEST(Main, ParallelGlassIsDrawnInRed) {
    Program p;
    MainWindow& w = p.arxiki();
    w.Option2.click();
    w.parallel.click();
    const auto axes = items_of<LineItem>(picture(p));
    ASSERT_GE(axes.size(), 2u);
    EXPECT_EQ(axes[0].color, rgb(255, 0, 0));
    EXPECT_EQ(p.settings().refractive_index, 1.5);
}

TEST(Main, NothingDrawnIsNotFinite) {
    Program p;
    MainWindow& w = p.arxiki();
    w.arithaktinon.set_value(80);
    for (int theta : {-90, -45, 0, 45, 90}) {
        for (bool parallel : {false, true}) {
            if (parallel)
                w.parallel.click();
            else
                w.pointsource.click();
            w.goniatheta.set_value(theta);
            for (const TextItem& t : items_of<TextItem>(picture(p))) {
                EXPECT_EQ(t.text.find("nan"), std::string::npos) << t.text;
                EXPECT_NE(t.text.back(), ' ') << t.text;
            }
        }
    }
}

// The printed incidence of the first ray is the angle between the ray and the normal at its
// entry point, wherever the drop and the source stand.
TEST(PointSource, PrintedIncidenceIsTheAngleBetweenRayAndNormal) {
    struct Row {
        int yc, source, theta;
    };
    const Row rows[] = {{0, 0, 15},     {80, 0, 30}, {-80, 0, -30}, {40, -50, 40},
                        {-60, 50, -50}, {0, 20, -8}, {20, 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.yc) + " " + std::to_string(row.source) + " " +
                     std::to_string(row.theta));
        Program p;
        MainWindow& w = p.arxiki();
        w.psipigi.set_value(row.source);
        w.goniatheta.set_value(row.theta);
        w.Ycthesi.set_value(row.yc);
        w.Option2.click();
        const auto texts = texts_starting_with(picture(p), "INCIDENCE  =");
        ASSERT_EQ(texts.size(), 1u);
        const double phi = row.theta * pi / 180;
        const Point source{-80, double(row.source)};
        const circle_cut cut =
            line_circle_cut({10, double(row.yc)}, 30, {source, {std::cos(phi), std::sin(phi)}});
        ASSERT_TRUE(cut.cuts);
        const Point entry = nearer_cut_point(cut, source);
        const double incidence =
            trace_ray(source, entry, {{10, double(row.yc)}, 30, 1.5}, 1).incidence;
        EXPECT_NEAR(printed_number(texts[0], "INCIDENCE  ="), std::fabs(incidence) * 180 / pi,
                    0.006);
        // The arc spans the same angle, around the entry point.
        std::vector<CircleItem> arcs;
        for (const CircleItem& c : items_of<CircleItem>(picture(p))) {
            if (c.start) arcs.push_back(c);
        }
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_NEAR(*arcs[0].end - *arcs[0].start, std::fabs(incidence), 1e-5);
        EXPECT_NEAR(arcs[0].x, entry.x, 1e-4);
    }
}

TEST(Main, NoBeamChosenDrawsNothing) {
    Program p;
    MainWindow& w = p.arxiki();
    w.pointsource.set_value(false);
    w.Option2.click();
    EXPECT_TRUE(picture(p).items().empty());
    EXPECT_EQ(p.settings().refractive_index, 1.5);
}

}  // namespace
}  // namespace rainbow

namespace rainbow {
namespace {

// With every number of reflections and either beam, the printed angles are drawn after every
// ray of every pass, on white, so that no ray crosses them.
TEST(Main, PrintedAnglesLieAboveEveryRayOnWhite) {
    for (const char* beam : {"point", "parallel"}) {
        for (int reflections = 0; reflections <= 2; ++reflections) {
            SCOPED_TRACE(std::string(beam) + ", reflections " + std::to_string(reflections));
            Program p;
            if (std::string(beam) == "parallel") p.arxiki().parallel.click();
            p.arxiki().arithanak.set_value(reflections);
            const auto& items = picture(p).items();
            std::size_t last_drawing = 0, first_text = items.size(), texts = 0;
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (const auto* t = std::get_if<TextItem>(&items[i])) {
                    first_text = std::min(first_text, i);
                    ++texts;
                    EXPECT_EQ(t->backing, std::optional<Rgb>(white)) << t->text;
                } else if (!std::holds_alternative<ScaleItem>(items[i])) {
                    last_drawing = i;
                }
            }
            EXPECT_GE(texts, 3u);  // a deviation for each colour at least
            EXPECT_LT(last_drawing, first_text);
        }
    }
}

}  // namespace
}  // namespace rainbow

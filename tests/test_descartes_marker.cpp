// The theory window's Descartes curve marks the incidence of the main window's central ray as
// the main window computes it, whatever view of any window was drawn before it opened.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "caustics/caustics_window.h"
#include "crossing/cut_rays_window.h"
#include "display_list.h"
#include "forms/format.h"
#include "rainbow/main_window.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

using testing::texts_starting_with;

const std::string misses = "The main window's central ray misses the drop.";

std::vector<std::string> marker_texts(Program& p) {
    std::vector<std::string> texts;
    for (const TextItem& t : texts_starting_with(p.theoria().descartes.surface(), "i = "))
        texts.push_back(t.text);
    for (const TextItem& t : texts_starting_with(p.theoria().descartes.surface(), misses))
        texts.push_back(t.text);
    return texts;
}

// The incidence the main window prints for its first ray ("INCIDENCE  =50.94"), to one
// decimal as the marker shows it.
std::string printed_incidence(Program& p) {
    const auto texts = texts_starting_with(p.arxiki().Picture1.surface(), "INCIDENCE  =");
    if (texts.empty()) return "none printed";
    const double degrees = std::stod(texts.front().text.substr(std::string("INCIDENCE  =").size()));
    return "i = " + format_number(degrees, "0.0") + "°";
}

TEST(DescartesMarker, StandsAtTheCentralIncidenceAfterEveryOtherView) {
    struct View {
        const char* name;
        std::function<void(Program&)> act;
        bool chooses_parallel = false;  // the view itself chooses the parallel beam
    };
    const std::vector<View> views = {
        {"start-up", [](Program&) {}},
        {"full construction", [](Program& p) { p.arxiki().Command1.click(); }},
        {"ray selector",
         [](Program& p) {
             p.arxiki().Command1.click();
             p.arxiki().HScroll1.set_value(3);
         }},
        {"central rays", [](Program& p) { p.arxiki().Command2.click(); }},
        {"external rays", [](Program& p) { p.arxiki().Command3.click(); }},
        {"composite rainbow", [](Program& p) { p.arxiki().Command4.click(); }, true},
        {"ray crossing", [](Program& p) { p.arxiki().Command5.click(); }},
        {"refraction, n = 1.7",
         [](Program& p) {
             p.arxiki().Command6.click();
             p.kafstikh().Option3.click();
             p.kafstikh().Command1.click();
             p.kafstikh().Command2.click();
         }},
        {"wave fronts",
         [](Program& p) {
             p.arxiki().Command6.click();
             p.kafstikh().Command4.click();
         }},
    };
    for (const bool parallel : {false, true}) {
        for (const View& view : views) {
            SCOPED_TRACE(std::string(parallel ? "parallel beam, " : "point source, ") + view.name);
            Program p;
            if (parallel) p.arxiki().parallel.click();
            view.act(p);
            p.arxiki().Command7.click();
            const bool beam = parallel || view.chooses_parallel;
            EXPECT_EQ(marker_texts(p), std::vector<std::string>{beam ? "i = 15.0°" : "i = 50.9°"});
            // Drawing a view while the theory window is open leaves the marker where it was.
            view.act(p);
            EXPECT_EQ(marker_texts(p), std::vector<std::string>{beam ? "i = 15.0°" : "i = 50.9°"});
        }
    }
}

// As the angle changes the marker follows the main window's own figure of incidence (a
// point source) or the beam's angle (a parallel beam); a central ray that misses the drop
// gets a note in its place.
TEST(DescartesMarker, FollowsTheAngleAndNotesAMiss) {
    struct Row {
        int angle;
        bool parallel;
        const char* marker;  // none: the printed incidence
    };
    const Row rows[] = {
        {10, false, nullptr},        {-5, false, nullptr},         {0, false, "i = 0.0°"},
        {40, false, misses.c_str()}, {-25, false, misses.c_str()}, {10, true, "i = 10.0°"},
        {40, true, "i = 40.0°"},     {-25, true, "i = 25.0°"},     {90, true, "i = 90.0°"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.angle << (row.parallel ? " parallel" : " point"));
        Program p;
        p.arxiki().Command7.click();
        if (row.parallel) p.arxiki().parallel.click();
        p.arxiki().goniatheta.set_value(row.angle);
        const std::string expected = row.marker ? row.marker : printed_incidence(p);
        EXPECT_EQ(marker_texts(p), std::vector<std::string>{expected});
    }
}

}  // namespace
}  // namespace rainbow

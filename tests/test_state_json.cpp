#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "app/program.h"
#include "app/state_json.h"
#include "caustics/caustics_window.h"
#include "crossing/cut_rays_window.h"
#include "forms/form.h"
#include "json_reader.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::Json;
using testing::JsonReader;

Json state_of(Program& p) {
    std::ostringstream out;
    write_state_json(p, out);
    return JsonReader(out.str()).document();
}

TEST(StateJson, FreshProgramHasEverySettingAndOnlyTheMainWindow) {
    Program p;
    const Json state = state_of(p);
    const Json& settings = state["settings"];
    for (const char* name : {"drop_radius", "refractive_index", "angle_theta", "drop_xc", "drop_yc",
                             "source_y", "pi"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(std::holds_alternative<double>(settings[name].v));
    }
    EXPECT_FALSE(settings["cut_rays_built"].boolean());
    EXPECT_EQ(settings["angle_theta"].num(), 15);
    // Doubles read back exactly.
    EXPECT_EQ(settings["refractive_index"].num(), p.settings.refractive_index);
    EXPECT_EQ(settings["pi"].num(), p.settings.pi);

    ASSERT_EQ(state["forms"].obj().size(), 1u);
    const Json& arxiki = state["forms"]["arxiki"];
    EXPECT_EQ(arxiki["caption"].str(), "OYΡANIO TAVREL            ");
    EXPECT_TRUE(arxiki["pictures"].has("Picture1"));
    EXPECT_FALSE(arxiki["pictures"].has("client"));
    EXPECT_EQ(arxiki["controls"].obj().size(), p.arxiki().form().controls().size());
}

TEST(StateJson, ControlsCarryTheirKindsAndValues) {
    Program p;
    const Json controls = state_of(p)["forms"]["arxiki"]["controls"];
    struct Row {
        const char* name;
        const char* kind;
        bool visible;
    };
    const Row rows[] = {{"Picture1", "picture", true},    {"goniatheta", "scrollbar", true},
                        {"HScroll1", "scrollbar", false}, {"Option1", "option", true},
                        {"Command1", "button", true},     {"Label3", "label", false},
                        {"Frame1", "frame", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Json& c = controls[row.name];
        EXPECT_EQ(c["kind"].str(), row.kind);
        EXPECT_EQ(c["visible"].boolean(), row.visible);
        for (const char* field : {"caption", "left", "top", "width", "height"}) {
            EXPECT_TRUE(c.has(field)) << field;
        }
    }
    EXPECT_EQ(controls["arithaktinon"]["min"].num(), 80);
    EXPECT_EQ(controls["arithaktinon"]["max"].num(), 1);
    EXPECT_EQ(controls["goniatheta"]["value"].num(), 15);
    EXPECT_TRUE(controls["Option1"]["checked"].boolean());
    EXPECT_FALSE(controls["Option2"]["checked"].boolean());
    EXPECT_FALSE(controls["Command1"].has("checked"));
    EXPECT_EQ(controls["Label1"]["caption"].str(), p.arxiki().Label1.caption);
    EXPECT_EQ(controls["Label2"]["caption"].str(), "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 1");
}

TEST(StateJson, EveryItemKindWithItsFields) {
    Program p;
    Surface& s = p.arxiki().Picture1.surface();
    s.cls();
    s.scale(-135, 135, 135, -135);
    s.draw_style = LineStyle::dotted;
    s.draw_width = 2;
    s.line(0.1f, -1.5f, 3e-7f, 1e20f, rgb(255, 0, 0));
    s.draw_style = LineStyle::solid;
    s.fill_style = 0;
    s.fill_color = rgb(1, 2, 3);
    s.circle(1, 2, 30);
    s.fill_style = 1;
    s.arc(0, 0, 10, rgb(0, 0, 255), 0.25f, 3.5f);
    s.pset(5, 6, rgb(0, 255, 0));
    s.fore_color = rgb(9, 8, 7);
    s.current_x = -100;
    s.current_y = 100;
    s.print("θ = \"15\" \\ tab\there\n\x01");

    const Json items = state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"];
    ASSERT_EQ(items.arr().size(), 6u);
    EXPECT_EQ(items[0]["op"].str(), "scale");
    EXPECT_EQ(items[0]["y2"].num(), -135);

    const Json& line = items[1];
    EXPECT_EQ(line["op"].str(), "line");
    // Single-precision coordinates read back exactly.
    EXPECT_EQ(float(line["x1"].num()), 0.1f);
    EXPECT_EQ(float(line["x2"].num()), 3e-7f);
    EXPECT_EQ(float(line["y2"].num()), 1e20f);
    EXPECT_EQ(line["width"].num(), 2);
    EXPECT_EQ(line["style"].num(), 2);
    EXPECT_EQ(line["color"][0].num(), 255);

    const Json& filled = items[2];
    EXPECT_EQ(filled["op"].str(), "circle");
    EXPECT_EQ(filled["fill"][2].num(), 3);
    EXPECT_TRUE(filled["start"].is_null());
    EXPECT_TRUE(filled["end"].is_null());

    const Json& arc = items[3];
    EXPECT_TRUE(arc["fill"].is_null());
    EXPECT_EQ(float(arc["start"].num()), 0.25f);
    EXPECT_EQ(float(arc["end"].num()), 3.5f);

    EXPECT_EQ(items[4]["op"].str(), "pset");
    EXPECT_EQ(items[4]["color"][1].num(), 255);

    const Json& text = items[5];
    EXPECT_EQ(text["op"].str(), "text");
    EXPECT_EQ(text["text"].str(), "θ = \"15\" \\ tab\there\n\x01");
    EXPECT_EQ(text["x"].num(), -100);
    EXPECT_EQ(text["color"][0].num(), 9);
}

TEST(StateJson, AnImageIsWrittenAsItsCornersSizeAndPngInBase64) {
    Program p;
    Surface& s = p.arxiki().Picture1.surface();
    s.cls();
    s.scale(0, 1, 10, 0);
    s.image(1, 1, 9, 0, 2, 1, {255, 0, 0, 0, 0, 255});
    s.image(1, 1, 9, 0, 2, 2, {1, 2, 3});  // bytes missing: not recorded
    const Json items = state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"];
    ASSERT_EQ(items.arr().size(), 2u);
    const Json& image = items[1];
    EXPECT_EQ(image["op"].str(), "image");
    EXPECT_EQ(image["x1"].num(), 1);
    EXPECT_EQ(image["y2"].num(), 0);
    EXPECT_EQ(image["width"].num(), 2);
    EXPECT_EQ(image["height"].num(), 1);
    // The PNG signature, 89 50 4E 47 0D 0A 1A 0A, in base64.
    EXPECT_EQ(image["png"].str().rfind("iVBORw0KGgo", 0), 0u);
    EXPECT_EQ(image["png"].str().size() % 4, 0u);
}

TEST(StateJson, NonFiniteValuesAndStrayBytesKeepTheDocumentValid) {
    Program p;
    p.settings.drop_radius = std::nan("");
    p.settings.pi = 1.0 / 0.0;
    p.arxiki().Label5.caption = "bad \xff byte";
    p.arxiki().Label6.set_left(std::nan(""));
    const Json state = state_of(p);
    EXPECT_TRUE(state["settings"]["drop_radius"].is_null());
    EXPECT_TRUE(state["settings"]["pi"].is_null());
    const Json& controls = state["forms"]["arxiki"]["controls"];
    EXPECT_EQ(controls["Label5"]["caption"].str(), "bad \xef\xbf\xbd byte");
    EXPECT_TRUE(controls["Label6"]["left"].is_null());
}

TEST(StateJson, FormsAppearOnceCreatedWithTheirClientArea) {
    Program p;
    p.cut_rays().form().make_client_surface().line(0, 0, 10, 10);
    p.kafstikh();
    const Json forms = state_of(p)["forms"];
    EXPECT_EQ(forms.obj().size(), 3u);
    const Json& items = forms["cut_rays"]["pictures"]["client"]["items"];
    ASSERT_FALSE(items.arr().empty());
    EXPECT_EQ(items[items.arr().size() - 1]["op"].str(), "line");
    EXPECT_TRUE(forms.has("kafstikh"));
}

}  // namespace
}  // namespace rainbow

namespace rainbow {
namespace {

TEST(StateJson, AListClearedUnderAUserScaleStartsWithThatScale) {
    Program p;
    Surface& s = p.arxiki().Picture1.surface();
    s.cls();  // the main scene left the picture scaled -135..135
    EXPECT_TRUE(state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"].arr().empty());
    s.line(0, 0, 10, 10);
    const Json items = state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"];
    ASSERT_EQ(items.arr().size(), 2u);
    EXPECT_EQ(items[0]["op"].str(), "scale");
    EXPECT_EQ(items[0]["x1"].num(), -135);
    EXPECT_EQ(items[0]["y1"].num(), 135);
    EXPECT_EQ(items[1]["op"].str(), "line");
}

}  // namespace
}  // namespace rainbow

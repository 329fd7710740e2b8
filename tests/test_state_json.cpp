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
#include "forms/json_writer.h"
#include "forms/settings.h"
#include "json_reader.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

using testing::Json;
using testing::read_json;

Json state_of(Program& p) {
    std::ostringstream out;
    write_state_json(p, out);
    return read_json(out.str());
}

TEST(StateJson, FreshProgramHasEverySettingAndOnlyTheMainWindow) {
    Program p;
    const Json state = state_of(p);
    const Json& settings = state["settings"];
    for (const char* name : {"drop_radius", "refractive_index", "angle_theta", "drop_xc", "drop_yc",
                             "source_y", "pi"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(settings[name].is_number());
    }
    EXPECT_FALSE(settings["cut_rays_built"].get<bool>());
    EXPECT_EQ(settings["angle_theta"].get<double>(), 15);
    // Doubles read back exactly; pi is the constant, not a stored setting.
    EXPECT_EQ(settings["refractive_index"].get<double>(), 1.343);
    EXPECT_EQ(settings["pi"].get<double>(), 4 * std::atan(1.0));

    ASSERT_EQ(state["forms"].size(), 1u);
    const Json& arxiki = state["forms"]["arxiki"];
    EXPECT_EQ(arxiki["caption"].get<std::string>(), "OYΡANIO TAVREL            ");
    EXPECT_TRUE(arxiki["pictures"].contains("Picture1"));
    EXPECT_FALSE(arxiki["pictures"].contains("client"));
    EXPECT_EQ(arxiki["controls"].size(), p.arxiki().form().controls().size());
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
        EXPECT_EQ(c["kind"].get<std::string>(), row.kind);
        EXPECT_EQ(c["visible"].get<bool>(), row.visible);
        for (const char* field : {"caption", "left", "top", "width", "height"}) {
            EXPECT_TRUE(c.contains(field)) << field;
        }
    }
    EXPECT_EQ(controls["arithaktinon"]["min"].get<double>(), 80);
    EXPECT_EQ(controls["arithaktinon"]["max"].get<double>(), 1);
    EXPECT_EQ(controls["goniatheta"]["value"].get<double>(), 15);
    EXPECT_TRUE(controls["Option1"]["checked"].get<bool>());
    EXPECT_FALSE(controls["Option2"]["checked"].get<bool>());
    EXPECT_FALSE(controls["Command1"].contains("checked"));
    EXPECT_EQ(controls["Label1"]["caption"].get<std::string>(), p.arxiki().Label1.caption);
    EXPECT_EQ(controls["Label2"]["caption"].get<std::string>(), "# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= 1");
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
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0]["op"].get<std::string>(), "scale");
    EXPECT_EQ(items[0]["y2"].get<double>(), -135);

    const Json& line = items[1];
    EXPECT_EQ(line["op"].get<std::string>(), "line");
    // Single-precision coordinates read back exactly.
    EXPECT_EQ(float(line["x1"].get<double>()), 0.1f);
    EXPECT_EQ(float(line["x2"].get<double>()), 3e-7f);
    EXPECT_EQ(float(line["y2"].get<double>()), 1e20f);
    EXPECT_EQ(line["width"].get<double>(), 2);
    EXPECT_EQ(line["style"].get<double>(), 2);
    EXPECT_EQ(line["color"][0].get<double>(), 255);

    const Json& filled = items[2];
    EXPECT_EQ(filled["op"].get<std::string>(), "circle");
    EXPECT_EQ(filled["fill"][2].get<double>(), 3);
    EXPECT_TRUE(filled["start"].is_null());
    EXPECT_TRUE(filled["end"].is_null());

    const Json& arc = items[3];
    EXPECT_TRUE(arc["fill"].is_null());
    EXPECT_EQ(float(arc["start"].get<double>()), 0.25f);
    EXPECT_EQ(float(arc["end"].get<double>()), 3.5f);

    EXPECT_EQ(items[4]["op"].get<std::string>(), "pset");
    EXPECT_EQ(items[4]["color"][1].get<double>(), 255);

    const Json& text = items[5];
    EXPECT_EQ(text["op"].get<std::string>(), "text");
    EXPECT_EQ(text["text"].get<std::string>(), "θ = \"15\" \\ tab\there\n\x01");
    EXPECT_EQ(text["x"].get<double>(), -100);
    EXPECT_EQ(text["color"][0].get<double>(), 9);
}

TEST(StateJson, AnImageIsWrittenAsItsCornersSizeAndPngInBase64) {
    Program p;
    Surface& s = p.arxiki().Picture1.surface();
    s.cls();
    s.scale(0, 1, 10, 0);
    s.image(1, 1, 9, 0, 2, 1, {255, 0, 0, 0, 0, 255});
    s.image(1, 1, 9, 0, 2, 2, {1, 2, 3});  // bytes missing: not recorded
    const Json items = state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"];
    ASSERT_EQ(items.size(), 2u);
    const Json& image = items[1];
    EXPECT_EQ(image["op"].get<std::string>(), "image");
    EXPECT_EQ(image["x1"].get<double>(), 1);
    EXPECT_EQ(image["y2"].get<double>(), 0);
    EXPECT_EQ(image["width"].get<double>(), 2);
    EXPECT_EQ(image["height"].get<double>(), 1);
#ifdef RAINBOW_WITHOUT_PNG
    // Built without libpng (the browser edition passes its rasters as raw RGB): no PNG.
    EXPECT_EQ(image["png"].get<std::string>(), "");
#else
    // The PNG signature, 89 50 4E 47 0D 0A 1A 0A, in base64.
    EXPECT_EQ(image["png"].get<std::string>().rfind("iVBORw0KGgo", 0), 0u);
    EXPECT_EQ(image["png"].get<std::string>().size() % 4, 0u);
#endif
}

TEST(StateJson, NonFiniteValuesAndStrayBytesKeepTheDocumentValid) {
    Settings bad;
    bad.drop_radius = std::nan("");
    bad.refractive_index = 1.0 / 0.0;
    std::ostringstream settings_text;
    JsonOut json(settings_text);
    json.open('{');
    write_settings_json(json, bad);
    json.close('}');
    const Json settings = read_json(settings_text.str())["settings"];
    EXPECT_TRUE(settings["drop_radius"].is_null());
    EXPECT_TRUE(settings["refractive_index"].is_null());

    Program p;
    p.arxiki().Label5.caption = "bad \xff byte";
    p.arxiki().Label6.set_left(std::nan(""));
    const Json state = state_of(p);
    const Json& controls = state["forms"]["arxiki"]["controls"];
    EXPECT_EQ(controls["Label5"]["caption"].get<std::string>(), "bad \xef\xbf\xbd byte");
    EXPECT_TRUE(controls["Label6"]["left"].is_null());
}

TEST(StateJson, FormsAppearOnceCreatedWithTheirClientArea) {
    Program p;
    p.cut_rays().form().make_client_surface().line(0, 0, 10, 10);
    p.kafstikh();
    const Json forms = state_of(p)["forms"];
    EXPECT_EQ(forms.size(), 3u);
    const Json& items = forms["cut_rays"]["pictures"]["client"]["items"];
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[items.size() - 1]["op"].get<std::string>(), "line");
    EXPECT_TRUE(forms.contains("kafstikh"));
}

}  // namespace
}  // namespace rainbow

namespace rainbow {
namespace {

TEST(StateJson, AListClearedUnderAUserScaleStartsWithThatScale) {
    Program p;
    Surface& s = p.arxiki().Picture1.surface();
    s.cls();  // the main scene left the picture scaled -135..135
    EXPECT_TRUE(state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"].empty());
    s.line(0, 0, 10, 10);
    const Json items = state_of(p)["forms"]["arxiki"]["pictures"]["Picture1"]["items"];
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]["op"].get<std::string>(), "scale");
    EXPECT_EQ(items[0]["x1"].get<double>(), -135);
    EXPECT_EQ(items[0]["y1"].get<double>(), 135);
    EXPECT_EQ(items[1]["op"].get<std::string>(), "line");
}

}  // namespace
}  // namespace rainbow

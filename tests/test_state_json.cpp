#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "app/form.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/state_json.h"
#include "caustics/caustics_window.h"
#include "crossing/cut_rays_window.h"

namespace rainbow {
namespace {

// A strict little JSON reader: enough to check that the state is well formed and to look
// values up by path.
struct Json {
    using Object = std::map<std::string, Json>;
    using Array = std::vector<Json>;
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> v;

    bool is_null() const { return std::holds_alternative<std::nullptr_t>(v); }
    const Json& operator[](const std::string& k) const {
        const auto& o = std::get<Object>(v);
        auto it = o.find(k);
        if (it == o.end()) throw std::out_of_range("no member " + k);
        return it->second;
    }
    const Json& operator[](std::size_t i) const { return std::get<Array>(v).at(i); }
    bool has(const std::string& k) const { return std::get<Object>(v).count(k) > 0; }
    double num() const { return std::get<double>(v); }
    bool boolean() const { return std::get<bool>(v); }
    const std::string& str() const { return std::get<std::string>(v); }
    const Array& arr() const { return std::get<Array>(v); }
    const Object& obj() const { return std::get<Object>(v); }
};

class JsonReader {
public:
    explicit JsonReader(std::string text) : s_(std::move(text)) {}
    Json document() {
        Json j = value();
        space();
        if (i_ != s_.size()) fail("text after the document");
        return j;
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error(what + " at offset " + std::to_string(i_));
    }
    void space() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' ||
                                  s_[i_] == '\r'))
            ++i_;
    }
    bool eat(char c) {
        space();
        if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
        return false;
    }
    void expect(char c) {
        if (!eat(c)) fail(std::string("expected ") + c);
    }
    bool word(const char* w) {
        const std::string_view sv(w);
        if (s_.compare(i_, sv.size(), sv) != 0) return false;
        i_ += sv.size();
        return true;
    }
    Json value() {
        space();
        if (i_ >= s_.size()) fail("unexpected end");
        const char c = s_[i_];
        if (c == '{') return object();
        if (c == '[') return array();
        if (c == '"') return Json{string()};
        if (word("null")) return Json{nullptr};
        if (word("true")) return Json{true};
        if (word("false")) return Json{false};
        return Json{number()};
    }
    Json object() {
        expect('{');
        Json::Object o;
        if (eat('}')) return Json{o};
        do {
            space();
            std::string k = string();
            expect(':');
            if (!o.emplace(k, value()).second) fail("duplicate member " + k);
        } while (eat(','));
        expect('}');
        return Json{o};
    }
    Json array() {
        expect('[');
        Json::Array a;
        if (eat(']')) return Json{a};
        do a.push_back(value());
        while (eat(','));
        expect(']');
        return Json{a};
    }
    double number() {
        const std::size_t start = i_;
        if (s_[i_] == '-') ++i_;
        while (i_ < s_.size() && std::string_view("0123456789.eE+-").find(s_[i_]) !=
                                     std::string_view::npos)
            ++i_;
        if (i_ == start) fail("not a value");
        return std::stod(s_.substr(start, i_ - start));
    }
    std::string string() {
        if (s_[i_] != '"') fail("expected a string");
        ++i_;
        std::string out;
        while (true) {
            if (i_ >= s_.size()) fail("unterminated string");
            const char c = s_[i_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) fail("raw control character");
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = s_[i_++];
            switch (e) {
                case '"': case '\\': case '/': out += e; break;
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case 'r': out += '\r'; break;
                case 'u': {
                    const unsigned code = std::stoul(s_.substr(i_, 4), nullptr, 16);
                    i_ += 4;
                    if (code < 0x80) {
                        out += char(code);
                    } else if (code < 0x800) {
                        out += char(0xC0 | (code >> 6));
                        out += char(0x80 | (code & 0x3F));
                    } else {
                        out += char(0xE0 | (code >> 12));
                        out += char(0x80 | ((code >> 6) & 0x3F));
                        out += char(0x80 | (code & 0x3F));
                    }
                    break;
                }
                default: fail("bad escape");
            }
        }
    }
    std::string s_;
    std::size_t i_ = 0;
};

Json state_of(Program& p) {
    std::ostringstream out;
    write_state_json(p, out);
    return JsonReader(out.str()).document();
}

TEST(StateJson, FreshProgramHasEverySettingAndOnlyTheMainWindow) {
    Program p;
    const Json state = state_of(p);
    const Json& settings = state["settings"];
    for (const char* name : {"drop_radius", "refractive_index", "angle_theta", "drop_xc",
                             "drop_yc", "source_y", "pi"}) {
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
    const Row rows[] = {{"Picture1", "picture", true},   {"goniatheta", "scrollbar", true},
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

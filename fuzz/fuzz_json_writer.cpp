// Random display lists -> the state's JSON writer -> read back with nlohmann-json: every item
// comes back with its fields, numbers exactly (as floats), texts as UTF-8 with a stray byte
// replaced by U+FFFD.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/json_writer.h"
#include "forms/surface.h"
#include "forms/utf8.h"
#include "fuzz_checks.h"

using namespace rainbow;
using Json = nlohmann::json;

namespace {

Rgb colour(fuzz::Bytes& in) {
    const auto r = in.take<std::uint8_t>(), g = in.take<std::uint8_t>();
    return Rgb{r, g, in.take<std::uint8_t>()};
}

float coordinate(fuzz::Bytes& in) {
    // Mostly ordinary numbers, sometimes any bit pattern (the surface drops what is not finite).
    if (in.boolean()) return float(in.in_range(-100000, 100000)) / 8;
    return in.take<float>();
}

void draw(Surface& surface, fuzz::Bytes& in) {
    surface.fore_color = colour(in);
    surface.draw_width = in.in_range(1, 20);
    surface.draw_style = LineStyle(in.in_range(0, 3));
    surface.fill_style = in.in_range(0, 1);
    surface.fill_color = colour(in);
    switch (in.in_range(0, 6)) {
        case 0:
            surface.scale(coordinate(in), coordinate(in), coordinate(in), coordinate(in));
            break;
        case 1: surface.line(coordinate(in), coordinate(in), coordinate(in), coordinate(in)); break;
        case 2: surface.circle(coordinate(in), coordinate(in), coordinate(in)); break;
        case 3: surface.pset(coordinate(in), coordinate(in)); break;
        case 4:
            surface.current_x = coordinate(in);
            surface.current_y = coordinate(in);
            surface.print(in.text(64));
            break;
        case 5: surface.cls(); break;
        default: surface.raise_texts(std::size_t(in.in_range(0, 8)), colour(in));
    }
}

// What the JSON holds of a text: UTF-8, a stray byte as U+FFFD.
std::string as_written(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8_length(text, i);
        out += n == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(i, n);
        i += n == 0 ? 1 : n;
    }
    return out;
}

void same_number(const Json& json, float value, const char* what) {
    fuzz::require(json.is_number() && float(json.get<double>()) == value, what, json.dump());
}

void same_colour(const Json& json, Rgb c) {
    fuzz::require(json == Json::array({c.r, c.g, c.b}), "a colour", json.dump());
}

template <class T>
void same_optional(const Json& json, const std::optional<T>& value, const char* what) {
    if (!value) return fuzz::require(json.is_null(), what, json.dump());
    if constexpr (std::is_same_v<T, Rgb>) {
        same_colour(json, *value);
    } else {
        same_number(json, *value, what);
    }
}

void same_item(const Json& json, const Item& item) {
    if (const auto* s = std::get_if<ScaleItem>(&item)) {
        fuzz::require(json["op"] == "scale", "op scale");
        same_number(json["x1"], s->x1, "x1");
        same_number(json["y1"], s->y1, "y1");
        same_number(json["x2"], s->x2, "x2");
        same_number(json["y2"], s->y2, "y2");
    } else if (const auto* l = std::get_if<LineItem>(&item)) {
        fuzz::require(json["op"] == "line", "op line");
        same_number(json["x1"], l->x1, "x1");
        same_number(json["y2"], l->y2, "y2");
        same_colour(json["color"], l->color);
        fuzz::require(json["width"] == l->width && json["style"] == l->style, "a line's pen");
    } else if (const auto* c = std::get_if<CircleItem>(&item)) {
        fuzz::require(json["op"] == "circle", "op circle");
        same_number(json["r"], c->r, "r");
        same_colour(json["color"], c->color);
        same_optional(json["fill"], c->fill, "fill");
        same_optional(json["start"], c->start, "start");
        same_optional(json["end"], c->end, "end");
    } else if (const auto* p = std::get_if<PsetItem>(&item)) {
        fuzz::require(json["op"] == "pset", "op pset");
        same_number(json["x"], p->x, "x");
        same_colour(json["color"], p->color);
    } else if (const auto* t = std::get_if<TextItem>(&item)) {
        fuzz::require(json["op"] == "text", "op text");
        fuzz::require(json["text"] == as_written(t->text), "a text", json["text"].dump());
        same_number(json["x"], t->x, "x");
        same_colour(json["color"], t->color);
        if (t->backing) same_colour(json["backing"], *t->backing);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    Form form("f", in.text(32), Geometry{0, 0, 9000, 6000});
    auto& picture = form.add<PictureBox>("p", Geometry{0, 0, 6000, 4000});
    for (int n = in.in_range(0, 200); n > 0 && !in.empty(); --n) draw(picture.surface(), in);

    std::ostringstream text;
    JsonOut out(text);
    out.open('{');
    write_form_json(out, form);
    out.close('}');
    const Json json = Json::parse(text.str());  // throws, and so fails, on a malformed text
    fuzz::require(json["f"]["caption"] == as_written(form.caption), "the caption");
    const Json& items = json["f"]["pictures"]["p"]["items"];
    const Surface& surface = picture.surface();
    std::vector<Item> listed = surface.items();
    // A list cleared under a user scale starts with that scale.
    const auto& base = surface.base_user_scale();
    if (base && !listed.empty() && !std::holds_alternative<ScaleItem>(listed.front()))
        listed.insert(listed.begin(), ScaleItem{float(base->x1), float(base->y1), float(base->x2),
                                                float(base->y2)});
    fuzz::require(items.size() == listed.size(), "the number of items");
    for (std::size_t i = 0; i < listed.size(); ++i) same_item(items[i], listed[i]);
    return 0;
}

#include "forms/json_writer.h"

#include <optional>
#include <variant>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/png.h"
#include "forms/settings.h"
#include "forms/surface.h"
#include "forms/utf8.h"
#include "geometry/angles.h"

namespace rainbow {
namespace {

void write_control(JsonOut& json, const Control& c, std::string_view tooltip) {
    json.key(c.name()).open('{');
    json.key("kind").value(kind_name(c.kind()));
    json.key("caption").value(c.caption);
    json.key("tooltip").value(tooltip);
    json.key("visible").value(c.visible);
    json.key("left").value(c.left());
    json.key("top").value(c.top());
    json.key("width").value(c.width());
    json.key("height").value(c.height());
    write_control_state(json, c);
    json.close('}');
}

void write_pen(JsonOut& json, Rgb color, int width) {
    json.key("color").value(color);
    json.key("width").value(width);
}

struct ItemWriter {
    JsonOut& json;

    // The two points of a line, or the corners of a scale.
    void write_corners(float x1, float y1, float x2, float y2) {
        json.key("x1").value(x1);
        json.key("y1").value(y1);
        json.key("x2").value(x2);
        json.key("y2").value(y2);
    }
    // A value the item may leave unset, written as null then.
    template <typename T>
    void write_optional(std::string_view key, const std::optional<T>& value) {
        json.key(key);
        if (value)
            json.value(*value);
        else
            json.null();
    }

    void operator()(const ScaleItem& s) {
        json.key("op").value("scale");
        write_corners(s.x1, s.y1, s.x2, s.y2);
    }
    void operator()(const LineItem& l) {
        json.key("op").value("line");
        write_corners(l.x1, l.y1, l.x2, l.y2);
        write_pen(json, l.color, l.width);
        json.key("style").value(l.style);
    }
    void operator()(const CircleItem& c) {
        json.key("op").value("circle");
        json.key("x").value(c.x);
        json.key("y").value(c.y);
        json.key("r").value(c.r);
        write_pen(json, c.color, c.width);
        json.key("style").value(c.style);
        write_optional("fill", c.fill);
        write_optional("start", c.start);
        write_optional("end", c.end);
    }
    void operator()(const PsetItem& p) {
        json.key("op").value("pset");
        json.key("x").value(p.x);
        json.key("y").value(p.y);
        write_pen(json, p.color, p.width);
    }
    void operator()(const TextItem& t) {
        json.key("op").value("text");
        json.key("x").value(t.x);
        json.key("y").value(t.y);
        json.key("text").value(t.text);
        json.key("color").value(t.color);
        if (t.backing) json.key("backing").value(*t.backing);
    }
    void operator()(const ImageItem& image) {
        json.key("op").value("image");
        write_corners(image.x1, image.y1, image.x2, image.y2);
        json.key("width").value(image.width);
        json.key("height").value(image.height);
        json.key("png").value(base64(encode_png(image.width, image.height, image.rgb)));
    }
};

void write_picture(JsonOut& json, std::string_view name, const Surface& surface) {
    json.line(4);
    json.key(name).open('{');
    // Items baked into a raster underlay are not listed, only counted.
    if (surface.baked_count() > 0) json.key("baked").value(double(surface.baked_count()));
    json.key("items").open('[');
    ItemWriter writer{json};
    // A list cleared under a user scale starts with that scale, so that a reader of the
    // items alone knows their coordinate system.
    if (const auto leading = surface.leading_scale()) {
        json.line(5);
        json.open('{');
        writer(*leading);
        json.close('}');
    }
    for (const Item& item : surface.items()) {
        json.line(5);
        json.open('{');
        std::visit(writer, item);
        json.close('}');
    }
    json.close(']');
    json.close('}');
}

}  // namespace

void write_control_state(JsonOut& json, const Control& c) {
    switch (c.kind()) {
        case ControlKind::scrollbar: {
            const auto& bar = static_cast<const ScrollBar&>(c);
            json.key("value").value(bar.value());
            json.key("min").value(bar.min());
            json.key("max").value(bar.max());
            break;
        }
        case ControlKind::option:
            json.key("checked").value(static_cast<const OptionButton&>(c).value());
            break;
        case ControlKind::menuitem:
            json.key("checked").value(static_cast<const MenuItem&>(c).checked);
            break;
        default: break;
    }
}

void JsonOut::string(std::string_view s) {
    out_ << '"';
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        const std::size_t n = utf8_length(s, i);
        if (n == 0) {
            out_ << "\\ufffd";  // a stray byte: the replacement character
            ++i;
            continue;
        }
        if (n > 1) {
            out_ << s.substr(i, n);
            i += n;
            continue;
        }
        switch (c) {
            case '"': out_ << "\\\""; break;
            case '\\': out_ << "\\\\"; break;
            case '\n': out_ << "\\n"; break;
            case '\r': out_ << "\\r"; break;
            case '\t': out_ << "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static const char hex[] = "0123456789abcdef";
                    out_ << "\\u00" << hex[(c >> 4) & 0xF] << hex[c & 0xF];
                } else {
                    out_ << c;
                }
        }
        ++i;
    }
    out_ << '"';
}

void write_settings_json(JsonOut& json, const Settings& s) {
    json.key("settings").open('{');
    json.key("drop_radius").value(s.drop_radius);
    json.key("refractive_index").value(s.refractive_index);
    json.key("angle_theta").value(s.angle_theta);
    json.key("drop_xc").value(s.drop_xc);
    json.key("drop_yc").value(s.drop_yc);
    json.key("source_y").value(s.source_y);
    json.key("pi").value(pi_value());
    json.key("cut_rays_built").value(s.cut_rays_built);
    json.close('}');
}

void write_form_json(JsonOut& json, Form& form, const Translate& translate) {
    json.line(1);
    json.key(form.name()).open('{');
    json.line(2);
    json.key("caption").value(form.caption);
    json.key("shown").value(form.shown);
    json.line(2);
    json.key("controls").open('{');
    for (const auto& c : form.controls()) {
        json.line(3);
        const std::string& tooltip = c->description.tooltip;
        write_control(json, *c, translate ? translate(form.name(), tooltip) : tooltip);
    }
    json.close('}');
    json.line(2);
    json.key("pictures").open('{');
    if (const Surface* client = form.client_surface()) write_picture(json, "client", *client);
    for (const auto& c : form.controls()) {
        if (c->kind() != ControlKind::picture) continue;
        write_picture(json, c->name(), static_cast<const PictureBox&>(*c).surface());
    }
    json.close('}');
    json.close('}');
}

}  // namespace rainbow

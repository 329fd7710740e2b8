#include "web/picture_arrays.h"

#include <variant>

#include "forms/surface.h"

namespace rainbow {

namespace {

struct ArrayWriter {
    PictureArrays& out;

    void put(std::initializer_list<float> numbers) {
        out.nums.insert(out.nums.end(), numbers.begin(), numbers.end());
    }
    void put(Rgb c) { put({float(c.r), float(c.g), float(c.b)}); }
    void put_optional(const std::optional<Rgb>& c) {
        put({c ? 1.0f : 0.0f});
        put(c.value_or(Rgb{0, 0, 0}));
    }
    void put_optional(const std::optional<float>& v) { put({v ? 1.0f : 0.0f, v.value_or(0.0f)}); }

    void operator()(const ScaleItem& s) { put({float(ArrayOp::scale), s.x1, s.y1, s.x2, s.y2}); }
    void operator()(const LineItem& l) {
        put({float(ArrayOp::line), l.x1, l.y1, l.x2, l.y2});
        put(l.color);
        put({float(l.width), float(l.style)});
    }
    void operator()(const CircleItem& c) {
        put({float(ArrayOp::circle), c.x, c.y, c.r});
        put(c.color);
        put({float(c.width), float(c.style)});
        put_optional(c.fill);
        put_optional(c.start);
        put_optional(c.end);
    }
    void operator()(const PsetItem& p) {
        put({float(ArrayOp::pset), p.x, p.y});
        put(p.color);
        put({float(p.width)});
    }
    void operator()(const TextItem& t) {
        put({float(ArrayOp::text), t.x, t.y});
        put(t.color);
        put({float(out.texts.size())});
        out.texts.push_back(t.text);
        put_optional(t.backing);
    }
    void operator()(const ImageItem& i) {
        put({float(ArrayOp::image), i.x1, i.y1, i.x2, i.y2, float(i.width), float(i.height),
             float(out.images.size())});
        out.images.push_back({i.width, i.height, i.rgb});
    }
};

}  // namespace

PictureArrays picture_arrays(const Surface& surface) {
    PictureArrays arrays;
    arrays.width_twips = surface.width_twips();
    arrays.height_twips = surface.height_twips();
    arrays.longer_side = surface.growth().longer_side;
    arrays.reference_pixels = surface.growth().reference_pixels;
    ArrayWriter writer{arrays};
    if (const auto leading = surface.leading_scale()) writer(*leading);
    for (const Item& item : surface.items()) std::visit(writer, item);
    return arrays;
}

std::size_t item_length(float op) {
    switch (int(op)) {
        case int(ArrayOp::scale): return 5;
        case int(ArrayOp::line): return 10;
        case int(ArrayOp::circle): return 17;
        case int(ArrayOp::pset): return 7;
        case int(ArrayOp::text): return 11;
        case int(ArrayOp::image): return 8;
        default: return 0;
    }
}

}  // namespace rainbow

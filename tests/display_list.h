#pragma once

// Queries over a surface's display list for the tests: the items of one kind, those of one
// colour, texts that start with a prefix.
#include <string>
#include <string_view>
#include <vector>

#include "forms/surface.h"

namespace rainbow::testing {

template <class T>
std::vector<T> items_of(const Surface& surface) {
    std::vector<T> out;
    for (const Item& item : surface.items()) {
        if (const T* p = std::get_if<T>(&item)) out.push_back(*p);
    }
    return out;
}

template <class T>
std::vector<T> items_of(const Surface& surface, Rgb color) {
    std::vector<T> out;
    for (const T& item : items_of<T>(surface)) {
        if (item.color == color) out.push_back(item);
    }
    return out;
}

inline std::vector<TextItem> texts_starting_with(const Surface& surface, std::string_view prefix) {
    std::vector<TextItem> out;
    for (const TextItem& t : items_of<TextItem>(surface)) {
        if (std::string_view(t.text).substr(0, prefix.size()) == prefix) out.push_back(t);
    }
    return out;
}

}  // namespace rainbow::testing

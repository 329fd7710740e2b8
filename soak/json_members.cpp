#include "soak/json_members.h"

#include <optional>
#include <stdexcept>

namespace rainbow {
namespace {

bool is_space(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

std::size_t skip_space(const std::string& s, std::size_t i) {
    while (i < s.size() && is_space(s[i])) ++i;
    return i;
}

[[noreturn]] void unfinished() { throw std::invalid_argument("the JSON ends inside a value"); }

// Just past the string whose opening quote is at i.
std::size_t string_end(const std::string& s, std::size_t i) {
    for (++i; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
        } else if (s[i] == '"') {
            return i + 1;
        }
    }
    unfinished();
}

// Just past the value that starts at i.
std::size_t value_end(const std::string& s, std::size_t i) {
    if (i >= s.size()) unfinished();
    if (s[i] == '"') return string_end(s, i);
    if (s[i] == '{' || s[i] == '[') {
        int depth = 0;
        while (i < s.size()) {
            const char c = s[i];
            if (c == '"') {
                i = string_end(s, i);
                continue;
            }
            if (c == '{' || c == '[') ++depth;
            if ((c == '}' || c == ']') && --depth == 0) return i + 1;
            ++i;
        }
        unfinished();
    }
    while (i < s.size() && s[i] != ',' && s[i] != '}' && s[i] != ']' && !is_space(s[i])) ++i;
    return i;
}

struct Value {
    std::size_t begin, end;
};

// The value of the member named `key` among the direct members of the object at `object`.
std::optional<Value> member(const std::string& s, std::size_t object, std::string_view key) {
    if (object >= s.size() || s[object] != '{') return std::nullopt;
    std::size_t i = skip_space(s, object + 1);
    while (i < s.size() && s[i] == '"') {
        const std::size_t key_end = string_end(s, i);
        const std::string_view name(s.data() + i + 1, key_end - i - 2);
        const std::size_t colon = skip_space(s, key_end);
        if (colon >= s.size() || s[colon] != ':') return std::nullopt;
        const std::size_t begin = skip_space(s, colon + 1);
        const std::size_t end = value_end(s, begin);
        if (name == key) return Value{begin, end};
        i = skip_space(s, end);
        if (i >= s.size() || s[i] != ',') return std::nullopt;
        i = skip_space(s, i + 1);
    }
    return std::nullopt;
}

}  // namespace

bool blank_json_member(std::string& json, std::initializer_list<std::string_view> path) {
    std::optional<Value> value = Value{skip_space(json, 0), json.size()};
    for (const std::string_view key : path) {
        value = member(json, value->begin, key);
        if (!value) return false;
    }
    json.replace(value->begin, value->end - value->begin, "null");
    return true;
}

}  // namespace rainbow

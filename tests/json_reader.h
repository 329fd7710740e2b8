#pragma once

// The tests read JSON with nlohmann-json, as the program reads lessons; this reader also
// refuses a key given twice in one object, which nlohmann-json would let the last one win.
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace rainbow::testing {

using Json = nlohmann::json;

inline Json read_json(const std::string& text) {
    std::vector<std::set<std::string>> keys;  // of each object open
    return Json::parse(text, [&keys](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end) keys.pop_back();
        if (event == Json::parse_event_t::key &&
            !keys.back().insert(parsed.get<std::string>()).second)
            throw std::runtime_error("duplicate member " + parsed.get<std::string>());
        return true;
    });
}

}  // namespace rainbow::testing

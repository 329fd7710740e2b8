#pragma once
// Picks a member out of a JSON text by its path of keys, without building the whole document:
// the program's state is large, and reading it all is slow under the sanitizers.
#include <initializer_list>
#include <string>
#include <string_view>

namespace rainbow {

// Replaces the value of the member at `path` (keys from the outermost object in) by null.
// Only members of objects are followed, each found among the direct members of the one
// before. False, with the text unchanged, when there is no such member. Throws
// std::invalid_argument on a text that ends inside a value.
bool blank_json_member(std::string& json, std::initializer_list<std::string_view> path);

}  // namespace rainbow

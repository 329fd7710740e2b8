// Blanking one member of a JSON text by its path, as the soak does to the program's state.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "soak/json_members.h"

namespace rainbow {
namespace {

TEST(JsonMembers, BlankOnlyTheMemberAtThePath) {
    const struct {
        const char* name;
        std::string json;
        std::initializer_list<std::string_view> path;
        bool found;
        std::string after;
    } rows[] = {
        {"nested object",
         R"({"a":{"b":{"c":[1,{"d":2}],"e":3}}})",
         {"a", "b", "c"},
         true,
         R"({"a":{"b":{"c":null,"e":3}}})"},
        {"last member, spaces and lines",
         "{ \"a\" : {\n  \"x\": 1,\n  \"b\" : \"s\"\n} }",
         {"a", "b"},
         true,
         "{ \"a\" : {\n  \"x\": 1,\n  \"b\" : null\n} }"},
        {"braces and quotes inside strings are text",
         R"({"t":"} { \" ]","p":{"items":["{",{"text":"\"}"}]},"q":1})",
         {"p", "items"},
         true,
         R"({"t":"} { \" ]","p":{"items":null},"q":1})"},
        {"a key of the same name deeper is not a member",
         R"({"x":{"caption":"deep"},"caption":"top"})",
         {"caption"},
         true,
         R"({"x":{"caption":"deep"},"caption":null})"},
        {"a key that appears only as a value is not found",
         R"({"a":"b","c":{"d":"b"}})",
         {"b"},
         false,
         R"({"a":"b","c":{"d":"b"}})"},
        {"a path through a value that is no object",
         R"({"a":[{"b":1}]})",
         {"a", "b"},
         false,
         R"({"a":[{"b":1}]})"},
        {"a missing window",
         R"({"forms":{"arxiki":{}}})",
         {"forms", "theoria", "pictures"},
         false,
         R"({"forms":{"arxiki":{}}})"},
        {"numbers and literals",
         R"({"n":-1.5e3,"t":true,"z":null,"m":2})",
         {"t"},
         true,
         R"({"n":-1.5e3,"t":null,"z":null,"m":2})"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string json = row.json;
        EXPECT_EQ(blank_json_member(json, row.path), row.found);
        EXPECT_EQ(json, row.after);
    }
}

TEST(JsonMembers, ATextThatEndsInsideAValueIsRefused) {
    for (const std::string json : {R"({"a":{"b":[1,2)", R"({"a":"open)", R"({"a":)"}) {
        SCOPED_TRACE(json);
        std::string text = json;
        EXPECT_THROW(blank_json_member(text, {"a"}), std::invalid_argument);
    }
}

}  // namespace
}  // namespace rainbow

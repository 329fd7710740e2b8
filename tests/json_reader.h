#pragma once

// A strict little JSON reader for the tests: enough to check that a document is well formed,
// to look values up by path and to compare two documents value by value.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rainbow::testing {

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
    friend bool operator==(const Json&, const Json&) = default;
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
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r'))
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
        while (i_ < s_.size() &&
               std::string_view("0123456789.eE+-").find(s_[i_]) != std::string_view::npos)
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
                case '"':
                case '\\':
                case '/': out += e; break;
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

}  // namespace rainbow::testing

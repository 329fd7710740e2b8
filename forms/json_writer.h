#pragma once

#include <charconv>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "forms/color.h"
#include "forms/control_texts.h"
#include "portable/charconv.h"

namespace rainbow {

class Control;
class Form;
struct Settings;

// A small writer for the one shape of document we need: objects of named members, arrays of
// items, and numbers that read back exactly.
class JsonOut {
public:
    explicit JsonOut(std::ostream& out) : out_(out) {}

    JsonOut& key(std::string_view name) {
        separate();
        string(name);
        out_ << ':';
        after_key_ = true;
        return *this;
    }

    void open(char bracket) {
        separate();
        out_ << bracket;
        first_ = true;
    }
    void close(char bracket) {
        out_ << bracket;
        first_ = false;
    }
    // Starts a new line before the next member, with `depth` levels of indentation: keeps
    // the document readable and line-oriented for diffs.
    void line(int depth) { pending_indent_ = depth; }

    void value(bool v) { raw(v ? "true" : "false"); }
    void value(int v) { raw(std::to_string(v)); }
    void value(float v) { number(v); }
    void value(double v) { number(v); }
    void value(std::string_view v) {
        separate();
        string(v);
    }
    void value(const char* v) { value(std::string_view(v)); }
    void null() { raw("null"); }
    void value(Rgb c) {
        open('[');
        value(int(c.r));
        value(int(c.g));
        value(int(c.b));
        close(']');
    }

private:
    template <class T>
    void number(T v) {
        if (!std::isfinite(v)) return null();
        // Shortest text that reads back to the same value, independent of the locale.
        char buffer[64];
        auto [end, error] = portable::to_chars(buffer, buffer + sizeof buffer, v);
        raw(std::string_view(buffer, error == std::errc{} ? end - buffer : 0));
    }

    void raw(std::string_view text) {
        separate();
        out_ << text;
    }

    void separate() {
        if (after_key_) {
            after_key_ = false;
            first_ = false;
            return;
        }
        if (!first_) out_ << ',';
        first_ = false;
        if (pending_indent_ >= 0) {
            out_ << '\n' << std::string(2 * pending_indent_, ' ');
            pending_indent_ = -1;
        }
    }

    void string(std::string_view s);

    std::ostream& out_;
    bool first_ = true;
    bool after_key_ = false;
    int pending_indent_ = -1;
};

// What a control holds, as members: a scroll bar's "value", "min" and "max", an option's or
// a menu item's "checked"; nothing for the other kinds.
void write_control_state(JsonOut& json, const Control& control);

// The shared settings as the member "settings", every one by its name.
void write_settings_json(JsonOut& json, const Settings& settings);

// A window as the member named after it: caption, shown state, its controls and the display
// lists of its pictures (a window's own client area is the picture "client"). Numbers
// round-trip; a value that is not finite is written as null. Each control's tooltip is written
// as `translate` gives it, with the window's name as the context; without one, in English.
void write_form_json(JsonOut& json, Form& form, const Translate& translate = {});

}  // namespace rainbow

#include "tools/render_arguments.h"

#include "app/lesson.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace rainbow {

const char* const render_usage =
    "usage: rainbow-render [--screen WxH] [STEP...] [OUTPUT...]\n"
    "Starts the rainbow program without a display, applies the steps in order and writes\n"
    "the outputs.\n"
    "  --screen WxH                the screen in pixels (default 1920x1080, or the lesson's)\n"
    "  --lesson FILE               replays a saved lesson before the steps\n"
    "  --scene K                   replays the lesson only to the end of its scene K\n"
    "                              (the first is 1)\n"
    "steps:\n"
    "  --set FORM.CONTROL=VALUE    a scroll bar takes VALUE; an option or menu item given 1\n"
    "                              is chosen (an option given 0 is cleared)\n"
    "  --click FORM.CONTROL        clicks a button, an option or a menu item\n"
    "  --click FORM.CONTROL=ROWS   ... that stops long work at ROWS (theoria.lee_cancel)\n"
    "outputs:\n"
    "  --png FORM.PICTURE=FILE     paints a picture (a picture box, or `client` for a\n"
    "  --svg FORM.PICTURE=FILE     window's own drawing area) to PNG, SVG or PDF\n"
    "  --pdf FORM.PICTURE=FILE\n"
    "  --size PIXELS               the longer side of the pictures that follow (16 to\n"
    "                              10000; lines and text grow with it; by default the\n"
    "                              picture's size on the screen, at least 600)\n"
    "  --json FILE                 the whole state as JSON (`-` for standard output)\n"
    "A file is written in place when it is a FIFO, a device or a standard stream, and\n"
    "through a link to a regular file. Bad input writes nothing and exits with status 2.\n";

namespace {

constexpr int smallest_picture_side = 16;
constexpr int largest_picture_side = largest_picture_pixels;

std::optional<int> whole_number(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

Screen parse_screen(const std::string& text) {
    const auto x = text.find_first_of("xX");
    const auto width = whole_number(std::string_view(text).substr(0, x));
    const auto height =
        x == std::string::npos ? std::nullopt : whole_number(std::string_view(text).substr(x + 1));
    const auto fits = [](std::optional<int> v) {
        return v && *v >= smallest_screen_pixels && *v <= largest_screen_pixels;
    };
    if (!fits(width) || !fits(height)) {
        throw BadInput("--screen " + in_quotes(text) +
                       ": expected WIDTHxHEIGHT in pixels, each from " +
                       std::to_string(smallest_screen_pixels) + " to " +
                       std::to_string(largest_screen_pixels));
    }
    return Screen{*width * twips_per_pixel, *height * twips_per_pixel};
}

int parse_size(const std::string& text) {
    const auto side = whole_number(text);
    if (!side || *side < smallest_picture_side || *side > largest_picture_side) {
        throw BadInput("--size " + in_quotes(text) + ": expected the longer side in pixels, from " +
                       std::to_string(smallest_picture_side) + " to " +
                       std::to_string(largest_picture_side));
    }
    return *side;
}

// Splits "FORM.NAME" (and "=VALUE" when wanted) from an argument of `option`.
struct Target {
    std::string form, name, value;
};
Target parse_target(const std::string& option, const std::string& text, bool with_value) {
    std::string path = text;
    Target t;
    if (with_value) {
        const auto eq = text.find('=');
        if (eq == std::string::npos || eq + 1 == text.size()) {
            throw BadInput(option + " " + in_quotes(text) + ": expected FORM.NAME=" +
                           (option == "--set"     ? "VALUE"
                            : option == "--click" ? "ROWS"
                                                  : "FILE"));
        }
        path = text.substr(0, eq);
        t.value = text.substr(eq + 1);
    }
    const auto dot = path.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == path.size()) {
        throw BadInput(option + " " + in_quotes(text) + ": expected FORM.NAME" +
                       (with_value ? "=..." : ""));
    }
    t.form = path.substr(0, dot);
    t.name = path.substr(dot + 1);
    return t;
}

Step parse_step(const std::string& option, const std::string& argument) {
    const bool click = option == "--click";
    // A click may give the rows at which it stops long work, as a lesson records them.
    const bool rows = click && argument.find('=') != std::string::npos;
    const Target t = parse_target(option, argument, !click || rows);
    Step step{click ? Step::Action::click : Step::Action::set, t.form, t.name, 0};
    if (rows) {
        const auto value = whole_number(t.value);
        if (!value || *value < 0) {
            throw BadInput(in_quotes(t.form + "." + t.name) + ": " + in_quotes(t.value) +
                           " is not a number of rows");
        }
        step.rows = *value;
    } else if (!click) {
        const auto value = whole_number(t.value);
        if (!value) {
            throw BadInput(in_quotes(t.form + "." + t.name) + ": " + in_quotes(t.value) +
                           " is not a whole number");
        }
        step.value = *value;
    }
    return step;
}

}  // namespace

RenderRequest parse_render_arguments(const std::vector<std::string>& args) {
    RenderRequest request;
    int picture_side = 0;  // from the last --size
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::string argument;
        bool has_argument = false;
        if (const auto eq = option.find('=');
            option.rfind("--", 0) == 0 && eq != std::string::npos) {
            argument = option.substr(eq + 1);
            option = option.substr(0, eq);
            has_argument = true;
        }
        if (option == "--help" || option == "-h") {
            request.help = true;
            continue;
        }
        const bool known = option == "--screen" || option == "--set" || option == "--click" ||
                           option == "--png" || option == "--svg" || option == "--pdf" ||
                           option == "--json" || option == "--size" || option == "--lesson" ||
                           option == "--scene";
        if (!known) throw BadInput("unknown argument " + in_quotes(args[i]) + " (see --help)");
        if (!has_argument) {
            if (i + 1 >= args.size()) throw BadInput(option + " needs an argument");
            argument = args[++i];
        }
        if (option == "--screen") {
            request.screen = parse_screen(argument);
            request.screen_given = true;
        } else if (option == "--lesson") {
            if (!request.lesson.empty()) throw BadInput("--lesson may be given once");
            if (argument.empty()) throw BadInput("--lesson needs a file name");
            request.lesson = argument;
        } else if (option == "--scene") {
            if (request.scene != 0) throw BadInput("--scene may be given once");
            const auto scene = whole_number(argument);
            if (!scene || *scene < 1 || std::size_t(*scene) > most_scenes) {
                throw BadInput("--scene " + in_quotes(argument) + ": expected a scene from 1 to " +
                               std::to_string(most_scenes));
            }
            request.scene = *scene;
        } else if (option == "--size") {
            picture_side = parse_size(argument);
        } else if (option == "--set" || option == "--click") {
            request.steps.push_back(parse_step(option, argument));
        } else if (option == "--json") {
            if (argument.empty())
                throw BadInput("--json needs a file name, or - for standard output");
            request.outputs.push_back({RenderRequest::Output::Kind::json, "", "", argument});
        } else {
            const Target t = parse_target(option, argument, true);
            using Kind = RenderRequest::Output::Kind;
            const Kind kind = option == "--png"   ? Kind::png
                              : option == "--svg" ? Kind::svg
                                                  : Kind::pdf;
            request.outputs.push_back({kind, t.form, t.name, t.value, picture_side});
        }
    }
    if (request.scene != 0 && request.lesson.empty()) {
        throw BadInput("--scene needs a lesson (--lesson FILE)");
    }
    return request;
}

}  // namespace rainbow

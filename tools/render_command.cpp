#include "tools/render_command.h"

#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "forms/controls.h"
#include "forms/form.h"
#include "app/state_json.h"
#include "qt/picture_files.h"

namespace rainbow {

const char* const render_usage =
    "usage: rainbow-render [--screen WxH] [STEP...] [OUTPUT...]\n"
    "Starts the rainbow program without a display, applies the steps in order and writes\n"
    "the outputs.\n"
    "  --screen WxH                the screen in pixels (default 1920x1080)\n"
    "steps:\n"
    "  --set FORM.CONTROL=VALUE    a scroll bar takes VALUE; an option or menu item given 1\n"
    "                              is chosen (an option given 0 is cleared)\n"
    "  --click FORM.CONTROL        clicks a button, an option or a menu item\n"
    "outputs:\n"
    "  --png FORM.PICTURE=FILE     paints a picture (a picture box, or `client` for a\n"
    "  --svg FORM.PICTURE=FILE     window's own drawing area) to PNG or SVG\n"
    "  --json FILE                 the whole state as JSON (`-` for standard output)\n"
    "Bad input writes nothing and exits with status 2.\n";

namespace {

constexpr int smallest_screen = 100;
constexpr int largest_screen = 20000;

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
        return v && *v >= smallest_screen && *v <= largest_screen;
    };
    if (!fits(width) || !fits(height)) {
        throw BadInput("--screen '" + text + "': expected WIDTHxHEIGHT in pixels, each from " +
                       std::to_string(smallest_screen) + " to " +
                       std::to_string(largest_screen));
    }
    return Screen{*width * twips_per_pixel, *height * twips_per_pixel};
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
            throw BadInput(option + " '" + text + "': expected FORM.NAME=" +
                           (option == "--set" ? "VALUE" : "FILE"));
        }
        path = text.substr(0, eq);
        t.value = text.substr(eq + 1);
    }
    const auto dot = path.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == path.size()) {
        throw BadInput(option + " '" + text + "': expected FORM.NAME" +
                       (with_value ? "=..." : ""));
    }
    t.form = path.substr(0, dot);
    t.name = path.substr(dot + 1);
    return t;
}

Form& find_form(Program& program, const std::string& name) {
    if (Form* form = program.find_form(name)) return *form;
    std::string known;
    for (Form* f : program.forms()) known += (known.empty() ? "" : ", ") + f->name();
    throw BadInput("unknown form '" + name + "' (the windows open now: " + known + ")");
}

Control& find_control(Form& form, const std::string& name) {
    if (Control* c = form.find(name)) return *c;
    throw BadInput("unknown control '" + form.name() + "." + name + "'");
}

std::string what(const Control& c, const Form& form) {
    return form.name() + "." + c.name() + " (a " + kind_name(c.kind()) + ")";
}

void apply_set(Program& program, const RenderRequest::Step& step) {
    Form& form = find_form(program, step.form);
    Control& control = find_control(form, step.control);
    const std::string name = form.name() + "." + control.name();
    switch (control.kind()) {
        case ControlKind::scrollbar: {
            auto& bar = static_cast<ScrollBar&>(control);
            const auto value = whole_number(step.value);
            if (!value) throw BadInput(name + ": '" + step.value + "' is not a whole number");
            if (!bar.accepts(*value)) {
                throw BadInput(name + ": " + step.value + " is outside its range " +
                               std::to_string(bar.min()) + " to " + std::to_string(bar.max()));
            }
            bar.set_value(*value);
            return;
        }
        case ControlKind::option: {
            auto& option = static_cast<OptionButton&>(control);
            if (step.value == "1") return option.click();
            if (step.value == "0") return option.set_value(false);
            throw BadInput(name + ": an option takes 1 (chosen) or 0, not '" + step.value + "'");
        }
        case ControlKind::menuitem:
            if (step.value == "1") return static_cast<MenuItem&>(control).click();
            throw BadInput(name + ": a menu item takes 1 (clicked), not '" + step.value + "'");
        default:
            throw BadInput(what(control, form) +
                           " cannot be set: only scroll bars, options and menu items can");
    }
}

void apply_click(Program& program, const RenderRequest::Step& step) {
    Form& form = find_form(program, step.form);
    Control& control = find_control(form, step.control);
    switch (control.kind()) {
        case ControlKind::button: return static_cast<CommandButton&>(control).click();
        case ControlKind::option: return static_cast<OptionButton&>(control).click();
        case ControlKind::menuitem: return static_cast<MenuItem&>(control).click();
        default:
            throw BadInput(what(control, form) +
                           " cannot be clicked: only buttons, options and menu items can");
    }
}

const Surface& find_picture(Program& program, const RenderRequest::Output& output) {
    Form& form = find_form(program, output.form);
    const std::string name = form.name() + "." + output.picture;
    const Surface* surface = nullptr;
    if (output.picture == "client") {
        surface = form.client_surface();
        if (surface == nullptr) throw BadInput(name + ": this window does not draw on itself");
    } else {
        Control& control = find_control(form, output.picture);
        if (control.kind() != ControlKind::picture) {
            throw BadInput(what(control, form) + " is not a picture");
        }
        surface = &static_cast<PictureBox&>(control).surface();
    }
    if (!(surface->width_twips() > 0 && surface->height_twips() > 0)) {
        throw BadInput(name + ": the picture has no area to paint");
    }
    return *surface;
}

// Whether the file can be written, checked without creating it.
bool writable(const std::string& file) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path(file);
    if (fs::exists(path, error)) {
        return !fs::is_directory(path, error) && ::access(file.c_str(), W_OK) == 0;
    }
    fs::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    return fs::is_directory(dir, error) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

RenderRequest parse_render_arguments(const std::vector<std::string>& args) {
    RenderRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::string argument;
        bool has_argument = false;
        if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
            argument = option.substr(eq + 1);
            option = option.substr(0, eq);
            has_argument = true;
        }
        if (option == "--help" || option == "-h") {
            request.help = true;
            continue;
        }
        const bool known = option == "--screen" || option == "--set" || option == "--click" ||
                           option == "--png" || option == "--svg" || option == "--json";
        if (!known) throw BadInput("unknown argument '" + args[i] + "' (see --help)");
        if (!has_argument) {
            if (i + 1 >= args.size()) throw BadInput(option + " needs an argument");
            argument = args[++i];
        }
        if (option == "--screen") {
            request.screen = parse_screen(argument);
        } else if (option == "--set" || option == "--click") {
            const Target t = parse_target(option, argument, option == "--set");
            request.steps.push_back({option == "--click", t.form, t.name, t.value});
        } else if (option == "--json") {
            if (argument.empty()) throw BadInput("--json needs a file name, or - for standard output");
            request.outputs.push_back({RenderRequest::Output::Kind::json, "", "", argument});
        } else {
            const Target t = parse_target(option, argument, true);
            const auto kind = option == "--png" ? RenderRequest::Output::Kind::png
                                                : RenderRequest::Output::Kind::svg;
            request.outputs.push_back({kind, t.form, t.name, t.value});
        }
    }
    return request;
}

void run_render(const RenderRequest& request, std::ostream& standard_output) {
    Program program(request.screen);
    for (const auto& step : request.steps) {
        if (step.click) {
            apply_click(program, step);
        } else {
            apply_set(program, step);
        }
    }

    // Every output is checked before the first is written.
    std::vector<const Surface*> pictures;
    for (const auto& output : request.outputs) {
        const bool json = output.kind == RenderRequest::Output::Kind::json;
        pictures.push_back(json ? nullptr : &find_picture(program, output));
        if (!(json && output.file == "-") && !writable(output.file)) {
            throw BadInput("cannot write '" + output.file + "'");
        }
    }

    // Each file is written beside its place under a temporary name and moved into place only
    // when every output has been written, so that a failure leaves no file behind.
    std::vector<std::filesystem::path> staged;
    const auto discard_staged = [&] {
        std::error_code ignored;
        for (const auto& path : staged) std::filesystem::remove(path, ignored);
    };
    std::optional<std::string> json_for_standard_output;
    for (std::size_t i = 0; i < request.outputs.size(); ++i) {
        const auto& output = request.outputs[i];
        if (output.kind == RenderRequest::Output::Kind::json && output.file == "-") {
            std::ostringstream text;
            write_state_json(program, text);
            json_for_standard_output = text.str();
            continue;
        }
        const std::filesystem::path temporary =
            output.file + ".rainbow-render-" + std::to_string(getpid()) + "-" + std::to_string(i);
        staged.push_back(temporary);
        const QString file = QString::fromStdString(temporary.string());
        bool written = true;
        switch (output.kind) {
            case RenderRequest::Output::Kind::png:
                written = write_png(*pictures[i], file);
                break;
            case RenderRequest::Output::Kind::svg:
                written = write_svg(*pictures[i], file,
                                    QString::fromStdString(output.form + "." + output.picture));
                break;
            case RenderRequest::Output::Kind::json: {
                std::ofstream out(temporary, std::ios::binary);
                write_state_json(program, out);
                written = bool(out.flush());
                break;
            }
        }
        if (!written) {
            discard_staged();
            throw BadInput("cannot write '" + output.file + "'");
        }
    }
    std::size_t staged_index = 0;
    for (const auto& output : request.outputs) {
        if (output.kind == RenderRequest::Output::Kind::json && output.file == "-") continue;
        std::error_code error;
        std::filesystem::rename(staged[staged_index++], output.file, error);
        if (error) {
            discard_staged();
            throw BadInput("cannot write '" + output.file + "'");
        }
    }
    if (json_for_standard_output) {
        standard_output << *json_for_standard_output;
        standard_output.flush();
    }
}

}  // namespace rainbow

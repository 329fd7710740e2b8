#include "tools/render_command.h"

#include <optional>
#include <sstream>
#include <string_view>

#include "app/lesson.h"
#include "app/state_json.h"
#include "forms/background_work.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "qt/picture_files.h"
#include "qt/translations.h"
#include "tools/output_files.h"

namespace rainbow {

namespace {

// A caption on one line: a button's caption may be broken over several.
std::string one_line(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (space && (line.empty() || line.back() == ' ')) continue;
        line += space ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// What a step can do with a control, and its range or caption.
std::string control_help(const Control& c) {
    std::string text = kind_name(c.kind());
    if (c.kind() == ControlKind::scrollbar) {
        const auto& bar = static_cast<const ScrollBar&>(c);
        text += " " + std::to_string(bar.min()) + " to " + std::to_string(bar.max());
    } else if (c.kind() != ControlKind::label && !one_line(c.caption).empty()) {
        text += " \"" + one_line(c.caption) + "\"";
    }
    if (!c.description.role.empty()) text += ": " + c.description.role;
    return text;
}

std::string padded(const std::string& name, std::size_t width) {
    return name.size() >= width ? name + " " : name + std::string(width - name.size(), ' ');
}

PictureFormat picture_format(RenderRequest::Output::Kind kind) {
    switch (kind) {
        case RenderRequest::Output::Kind::svg: return PictureFormat::svg;
        case RenderRequest::Output::Kind::pdf: return PictureFormat::pdf;
        default: return PictureFormat::png;
    }
}

Form& find_form(Program& program, const std::string& name) {
    if (Form* form = program.find_form(name)) return *form;
    std::string known;
    for (Form* f : program.forms()) known += (known.empty() ? "" : ", ") + f->name();
    throw BadInput("unknown form " + in_quotes(name) + " (the windows open now: " + known + ")");
}

Control& find_control(Form& form, const std::string& name) {
    if (Control* c = form.find(name)) return *c;
    throw BadInput("unknown control " + in_quotes(form.name() + "." + name));
}

std::string what(const Control& c, const Form& form) {
    return form.name() + "." + c.name() + " (a " + kind_name(c.kind()) + ")";
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

}  // namespace

std::string render_help() {
    std::ostringstream out;
    out << render_usage;
    // Every window opened on the usual screen, as a user opens them; the theory window's long
    // computations are not needed to name its controls.
    Program program;
    program.set_background_work_factory([] { return std::make_unique<SkipEveryJob>(); });
    for (const std::string_view name : Program::window_names()) program.open_window(name);
    out << "\nwindows (FORM), their controls (FORM.CONTROL, for --set and --click; a scroll bar\n"
           "with its range on a 1920x1080 screen) and pictures (FORM.PICTURE, for --png, --svg\n"
           "and --pdf):\n";
    for (const Form* form : program.forms()) {
        out << "  " << form->name() << "  \"" << one_line(form->caption) << "\"\n";
        std::vector<std::string> pictures;
        if (form->client_surface() != nullptr) {
            pictures.push_back(padded("client", 18) + form->client_description.role);
        }
        for (const auto& owned : form->controls()) {
            const Control& c = *owned;
            if (c.kind() == ControlKind::picture) {
                pictures.push_back(padded(c.name(), 18) + c.description.role);
                continue;
            }
            out << "    " << padded(c.name(), 18) << control_help(c) << '\n';
        }
        out << "    pictures:\n";
        for (const std::string& picture : pictures) out << "      " << picture << '\n';
    }
    return out.str();
}

void run_render(const RenderRequest& request, std::ostream& standard_output) {
    Lesson lesson{request.screen, {}};
    if (!request.lesson.empty()) {
        try {
            lesson = open_lesson_file(request.lesson, request.screen_given
                                                          ? std::optional<Screen>(request.screen)
                                                          : std::nullopt);
        } catch (const BadLesson& e) {
            throw BadInput("lesson " + in_quotes(request.lesson) + ": " + e.what());
        }
        const auto scenes = scene_count(lesson);
        if (std::size_t(request.scene) > scenes) {
            throw BadInput("--scene " + std::to_string(request.scene) + ": the lesson " +
                           in_quotes(request.lesson) + " has " + std::to_string(scenes) +
                           (scenes == 1 ? " scene" : " scenes"));
        }
        if (request.scene > 0) lesson.steps.resize(scene_end(lesson, request.scene - 1));
    }
    // The computations wait while the steps are taken: a burst of settings costs one or two.
    DeferredWork work;
    Program program(lesson.screen);
    program.set_translate(translate_core);
    program.set_background_work_factory([&work] { return work.runner(); });
    std::vector<Step> steps = lesson.steps;
    steps.insert(steps.end(), request.steps.begin(), request.steps.end());
    try {
        take_steps_coalesced(program, steps, work);
    } catch (const BadStep& e) {
        work.discard();  // what waits would never be seen
        throw BadInput(e.what());
    }

    // Every output is checked, and every picture painted, before the first file is written.
    OutputFiles files;
    std::vector<std::string> contents;
    for (const auto& output : request.outputs) {
        if (output.kind == RenderRequest::Output::Kind::json) {
            files.add(output.file);
            std::ostringstream text;
            write_state_json(program, text, translate_core);
            contents.push_back(text.str());
            continue;
        }
        const Surface& picture = find_picture(program, output);
        files.add(output.file);
        const QSize pixels = output.size > 0 ? size_with_longer_side(picture, output.size)
                                             : default_file_size(picture);
        const QByteArray bytes =
            encode_picture(picture, picture_format(output.kind), pixels,
                           QString::fromStdString(output.form + "." + output.picture));
        if (bytes.isEmpty()) {
            throw BadInput("cannot paint " + output.form + "." + output.picture + " for " +
                           in_quotes(output.file));
        }
        contents.emplace_back(bytes.constData(), std::size_t(bytes.size()));
    }
    files.write(contents, standard_output);
}

}  // namespace rainbow

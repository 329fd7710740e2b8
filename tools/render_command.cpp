#include "tools/render_command.h"

#include <optional>
#include <sstream>
#include <string_view>

#include "app/lesson.h"
#include "app/state_json.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "qt/picture_files.h"
#include "qt/translations.h"
#include "tools/output_files.h"

namespace rainbow {

namespace {

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

#include "web/session.h"

#include <algorithm>
#include <chrono>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "app/lesson.h"
#include "app/state_json.h"
#include "app/step.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/json_writer.h"
#include "forms/utf8.h"

namespace rainbow {

namespace {

using Json = nlohmann::json;

int screen_side(int pixels) {
    return std::clamp(pixels, smallest_screen_pixels, largest_screen_pixels);
}

// The surfaces of a form by picture name: its client area first, then its picture boxes.
std::vector<std::pair<std::string, const Surface*>> surfaces_of(Form& form) {
    std::vector<std::pair<std::string, const Surface*>> surfaces;
    if (const Surface* client = form.client_surface()) surfaces.emplace_back("client", client);
    for (const auto& c : form.controls()) {
        if (c->kind() == ControlKind::picture)
            surfaces.emplace_back(c->name(), &static_cast<const PictureBox&>(*c).surface());
    }
    return surfaces;
}

void write_control(JsonOut& json, const Form& form, const Control& c, const Translate& translate) {
    json.key(c.name()).open('{');
    json.key("kind").value(kind_name(c.kind()));
    json.key("caption").value(c.caption);
    json.key("visible").value(c.visible);
    const Geometry place = form.placed_twips(c);
    json.key("left").value(place.left);
    json.key("top").value(place.top);
    json.key("width").value(place.width);
    json.key("height").value(place.height);
    write_control_state(json, c);
    if (c.kind() == ControlKind::scrollbar) {
        const auto& bar = static_cast<const ScrollBar&>(c);
        json.key("large").value(bar.large_change);
        json.key("small").value(bar.small_change);
        json.key("vertical").value(bar.vertical());
    }
    json.key("container").value(c.container);
    if (c.kind() == ControlKind::option) json.key("group").value(c.container);
    json.key("fore_color").value(c.fore_color);
    json.key("back_color");
    if (c.back_color) {
        json.value(*c.back_color);
    } else {
        json.null();
    }
    json.key("font").value(c.font);
    json.key("font_size").value(c.font_size);
    const std::string role = translate_text(translate, form.name(), c.description.role);
    json.key("role").value(role);
    const std::string tooltip = translate_text(translate, form.name(), c.description.tooltip);
    json.key("tooltip").value(tooltip);
    json.key("accessible_name").value(c.caption.empty() ? role : c.caption);
    json.key("accessible_description").value(tooltip);
    json.close('}');
}

void write_form(JsonOut& json, Form& form, const Translate& translate) {
    json.key(form.name()).open('{');
    json.key("caption").value(form.caption);
    json.key("shown").value(form.shown);
    json.key("width").value(form.client_width_twips());
    json.key("height").value(form.client_height_twips());
    if (form.client_surface() != nullptr) {
        json.key("client_role")
            .value(translate_text(translate, form.name(), form.client_description.role));
        json.key("client_tooltip")
            .value(translate_text(translate, form.name(), form.client_description.tooltip));
    }
    json.key("controls").open('{');
    for (const auto& c : form.controls()) write_control(json, form, *c, translate);
    json.close('}');
    json.key("pictures").open('[');
    for (const auto& [name, surface] : surfaces_of(form)) json.value(name);
    json.close(']');
    json.close('}');
}

Step::Action action_named(const std::string& action) {
    if (action == "set") return Step::Action::set;
    if (action == "click") return Step::Action::click;
    if (action == "close") return Step::Action::close;
    throw BadStep("unknown action " + in_quotes(action) + " (set, click or close)");
}

}  // namespace

Translate translate_from_json(const std::string& table) {
    if (table.empty()) return {};
    const Json json = Json::parse(table, nullptr, false);
    if (!json.is_object()) throw std::invalid_argument("the translations are not a JSON object");
    auto texts =
        std::make_shared<std::map<std::string, std::map<std::string, std::string>, std::less<>>>();
    for (const auto& [context, entries] : json.items()) {
        if (!entries.is_object())
            throw std::invalid_argument("the translations of " + in_quotes(context) +
                                        " are not a JSON object");
        auto& own = (*texts)[context];
        for (const auto& [source, text] : entries.items()) {
            if (text.is_string() && !text.get_ref<const std::string&>().empty())
                own[source] = text.get<std::string>();
        }
    }
    return [texts](std::string_view context, std::string_view source) {
        const auto in_context = texts->find(context);
        if (in_context != texts->end()) {
            const auto found = in_context->second.find(std::string(source));
            if (found != in_context->second.end()) return found->second;
        }
        return std::string(source);
    };
}

Session::Session(int width_pixels, int height_pixels, const std::string& translations_json)
    : screen_{screen_side(width_pixels) * twips_per_pixel,
              screen_side(height_pixels) * twips_per_pixel},
      translate_(translate_from_json(translations_json)) {
    start();
}

Session::~Session() { stop(); }

void Session::start() {
    work_ = std::make_unique<DeferredWork>();
    program_ = std::make_unique<Program>(screen_);
    program_->set_translate(translate_);
    program_->set_background_work_factory([work = work_.get()] { return work->runner(); });
    reported_.clear();
}

void Session::stop() {
    scene_marks_.clear();
    lesson_steps_.clear();
    lesson_next_ = 0;
    if (work_) work_->discard();  // nothing waiting will ever be seen
    program_.reset();
    work_.reset();
}

std::string Session::step(const std::string& action, const std::string& form,
                          const std::string& control, int value) {
    try {
        finish_lesson();  // the page's steps come after the lesson's
        Step step{action_named(action), form, control, value};
        if (step.action == Step::Action::close) step.control.clear();
        take_step(*program_, step);
        return "";
    } catch (const BadStep& e) {
        return e.what();
    } catch (const std::exception& e) {
        // A handler that fails leaves its window as it was drawn; the page says so and goes on.
        return describe(Step{Step::Action::click, form, control, value}) + ": " + e.what();
    }
}

std::string Session::state_json() {
    std::ostringstream out;
    write_state_json(*program_, out, translate_);
    return out.str();
}

std::string Session::forms_json() {
    std::ostringstream out;
    JsonOut json(out);
    json.open('{');
    json.key("forms").open('{');
    for (Form* form : program_->forms()) write_form(json, *form, translate_);
    json.close('}');
    json.close('}');
    return out.str();
}

std::vector<std::string> Session::changed_pictures() {
    std::vector<std::string> changed;
    for (Form* form : program_->forms()) {
        for (const auto& [name, surface] : surfaces_of(*form)) {
            const std::string key = form->name() + "." + name;
            const auto now = std::make_tuple(surface->generation(), surface->items().size(),
                                             surface->baked_count(), surface->width_twips(),
                                             surface->height_twips());
            auto [it, added] = reported_.try_emplace(key, now);
            if (added || it->second != now) {
                it->second = now;
                changed.push_back(key);
            }
        }
    }
    return changed;
}

PictureArrays Session::picture(const std::string& form, const std::string& picture) {
    Form* found = program_->find_form(form);
    if (found == nullptr) return {};
    for (const auto& [name, surface] : surfaces_of(*found)) {
        if (name == picture) return picture_arrays(*surface);
    }
    return {};
}

bool Session::busy() const { return !work_->idle() || !lesson_steps_.empty(); }

void Session::work(double ms) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double, std::milli>(ms));
    work_->settle_slice([end] { return Clock::now() >= end; });
    if (!lesson_steps_.empty() && work_->idle()) take_lesson_steps();
}

std::string Session::lesson_json() {
    finish_lesson();
    return rainbow::lesson_json(with_scenes(lesson_of(*program_), scene_marks_));
}

void Session::add_scene(const std::string& title, const std::string& note) {
    finish_lesson();
    // A title stays on one line; both within what a lesson allows, or it could not be opened.
    std::string line;
    for (const char c : title) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!space)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    if (!line.empty() && line.back() == ' ') line.pop_back();
    add_scene_mark(scene_marks_, program_->steps().size(),
                   LessonText{fitted_utf8(line, largest_title_bytes), {}},
                   LessonText{fitted_utf8(note, largest_note_bytes), {}});
}

namespace {

// The lesson in `text` on `screen`, every step checked; throws BadLesson.
Lesson checked_lesson(const std::string& text, Screen screen) {
    Lesson lesson = parse_lesson(text);
    lesson.screen = screen;  // laid out for the screen it is shown on
    check_lesson(lesson);
    return lesson;
}

}  // namespace

std::string Session::open_lesson(const std::string& text) {
    try {
        const Lesson lesson = checked_lesson(text, screen_);
        presentation_.reset();
        replay_afresh(lesson);
    } catch (const std::exception& e) {  // checked: only a failing handler replays with one
        return e.what();
    }
    return "";
}

void Session::replay_afresh(const Lesson& lesson) {
    // The new program's windows draw at once what the old one's computed, as the desktop's do:
    // Back in a presented lesson computes nothing again.
    std::unique_ptr<DeferredWork> old_work = std::move(work_);
    std::unique_ptr<Program> old = std::move(program_);
    if (old_work) old_work->discard();
    lesson_steps_.clear();
    lesson_next_ = 0;
    start();
    if (old) program_->share_kept_results(*old);
    old.reset();  // before the work its runners came from
    old_work.reset();
    scene_marks_ = scene_marks_of(lesson);
    take_later(lesson.steps);
}

void Session::take_later(const std::vector<Step>& steps) {
    lesson_steps_.insert(lesson_steps_.end(), steps.begin(), steps.end());
    take_lesson_steps();
}

std::string Session::present_lesson(const std::string& text) {
    try {
        presentation_.emplace(checked_lesson(text, screen_));
        replay_afresh(presentation_->up_to(0));
    } catch (const std::exception& e) {
        presentation_.reset();
        return e.what();
    }
    return "";
}

void Session::bring_to_end_of(std::size_t k) {
    const Lesson part = presentation_->up_to(k);
    finish_lesson();
    if (program_->steps() != part.steps) replay_afresh(part);
}

bool Session::next_scene() {
    if (!presentation_) return false;
    const std::size_t shown = presentation_->scene();
    if (!presentation_->next()) return false;
    bring_to_end_of(shown);
    take_later(presentation_->steps_of(presentation_->scene()));
    return true;
}

bool Session::previous_scene() {
    if (!presentation_ || !presentation_->back()) return false;
    bring_to_end_of(presentation_->scene());
    return true;
}

void Session::end_presentation() { presentation_.reset(); }

std::string Session::scene_json(const std::string& language) const {
    if (!presentation_) return "";
    Json scene = {{"scene", presentation_->scene() + 1},
                  {"scenes", presentation_->scenes()},
                  {"title", presentation_->title(language)},
                  {"note", presentation_->note(language)}};
    return scene.dump();
}

void Session::take_lesson_steps() {
    // The steps are taken as the render command takes them, the computations they ask for
    // waiting in work_ meanwhile; a step that waits for them is taken once they have ended.
    while (lesson_next_ < lesson_steps_.size()) {
        const Step& step = lesson_steps_[lesson_next_];
        if (!work_->idle() && waits_for_work(*program_, step)) return;
        ++lesson_next_;
        try {
            take_step(*program_, step);
        } catch (...) {  // the lesson ends there, as its replay at once would
            lesson_steps_.clear();
            lesson_next_ = 0;
            throw;
        }
    }
    lesson_steps_.clear();
    lesson_next_ = 0;
}

void Session::finish_lesson() {
    while (!lesson_steps_.empty()) {
        work_->settle();
        take_lesson_steps();
    }
}

void Session::restart() {
    presentation_.reset();
    stop();
    start();
}

bool Session::ended() const { return program_->ended(); }

}  // namespace rainbow

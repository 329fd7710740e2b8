#include "app/lesson.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>

#include "forms/utf8.h"
#include "theory/theory_window.h"

namespace rainbow {
namespace {

// Objects keep the order of their keys: texts by language keep the order the teacher wrote.
using Json = nlohmann::ordered_json;

// The offset of the first byte that does not belong to well-formed UTF-8, or npos.
std::size_t first_bad_utf8_byte(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8_length(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::string_view::npos;
}

const Json& field(const Json& object, const char* name, const std::string& where) {
    const auto it = object.find(name);
    if (it == object.end()) throw BadLesson(where + " has no \"" + name + "\"");
    return *it;
}

std::string text_field(const Json& object, const char* name, const std::string& where) {
    const Json& value = field(object, name, where);
    if (!value.is_string()) throw BadLesson(where + ": \"" + name + "\" is not a text");
    return value.get<std::string>();
}

int whole_field(const Json& object, const char* name, const std::string& where) {
    const Json& value = field(object, name, where);
    if (!value.is_number_integer()) {
        throw BadLesson(where + ": \"" + name + "\" is not a whole number");
    }
    // A number beyond int is out of every range; report it as given.
    if (value.is_number_unsigned()
            ? value.get<std::uint64_t>() > std::numeric_limits<int>::max()
            : (value.get<std::int64_t>() < std::numeric_limits<int>::min() ||
               value.get<std::int64_t>() > std::numeric_limits<int>::max())) {
        throw BadLesson(where + ": \"" + name + "\" " + value.dump() + " is out of range");
    }
    return value.get<int>();
}

void only_fields(const Json& object, std::initializer_list<const char*> names,
                 const std::string& where) {
    for (const auto& [key, value] : object.items()) {
        bool known = false;
        for (const char* name : names) known = known || key == name;
        if (!known) throw BadLesson(where + ": unknown field " + in_quotes(key));
    }
}

double screen_side(const Json& screen, const char* name) {
    const Json& side = field(screen, name, "the screen");
    if (!side.is_number() || !(side.get<double>() >= smallest_screen_pixels &&
                               side.get<double>() <= largest_screen_pixels)) {
        throw BadLesson(std::string("the screen's ") + name + " is not a number of pixels from " +
                        std::to_string(smallest_screen_pixels) + " to " +
                        std::to_string(largest_screen_pixels));
    }
    return side.get<double>() * twips_per_pixel;
}

Step parse_step(const Json& json, std::size_t index) {
    const std::string where = "step " + std::to_string(index + 1);
    if (!json.is_object()) throw BadLesson(where + " is not an object");
    Step step;
    const std::string action = text_field(json, "action", where);
    step.form = text_field(json, "form", where);
    if (action == "close") {
        only_fields(json, {"action", "form"}, where);
        step.action = Step::Action::close;
        return step;
    }
    step.control = text_field(json, "control", where);
    if (action == "click") {
        only_fields(json, {"action", "form", "control", "rows"}, where);
        step.action = Step::Action::click;
        if (json.contains("rows")) {
            step.rows = whole_field(json, "rows", where);
            if (*step.rows < 0) throw BadLesson(where + ": \"rows\" is below 0");
        }
    } else if (action == "set") {
        only_fields(json, {"action", "form", "control", "value"}, where);
        step.action = Step::Action::set;
        step.value = whole_field(json, "value", where);
    } else {
        throw BadLesson(where + ": unknown action " + in_quotes(action) + " (set, click or close)");
    }
    return step;
}

// A language tag: two to eight letters, then "-" or "_" and letters or digits ("el", "en-GB").
bool language_tag(const std::string& tag) {
    std::size_t letters = 0;
    while (letters < tag.size() && std::isalpha(static_cast<unsigned char>(tag[letters]))) {
        ++letters;
    }
    if (letters < 2 || letters > 8 || tag.size() > 16) return false;
    for (std::size_t i = letters; i < tag.size(); ++i) {
        const auto c = static_cast<unsigned char>(tag[i]);
        if (!std::isalnum(c) && !(i == letters && (c == '-' || c == '_'))) return false;
    }
    return tag.size() == letters || tag.size() > letters + 1;
}

// A title stays on one line; a note may break lines. No other control character is shown.
void check_text(const std::string& text, const std::string& where, std::size_t largest,
                bool lines) {
    if (text.size() > largest) {
        throw BadLesson(where + " is longer than " + std::to_string(largest) + " bytes");
    }
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && !(lines && (c == '\n' || c == '\t'))) || u == 0x7F) {
            throw BadLesson(where + " holds a control character: " + in_quotes(text));
        }
    }
}

LessonText text_of(const Json& json, const std::string& where, std::size_t largest, bool lines) {
    LessonText text;
    if (json.is_string()) {
        text.text = json.get<std::string>();
        check_text(text.text, where, largest, lines);
        return text;
    }
    if (!json.is_object() || json.empty()) {
        throw BadLesson(where + " is neither a text nor texts by language");
    }
    for (const auto& [language, value] : json.items()) {
        if (!language_tag(language)) {
            throw BadLesson(where + ": " + in_quotes(language) + " is not a language tag");
        }
        const std::string here = where + " in " + language;
        if (!value.is_string()) throw BadLesson(here + " is not a text");
        text.by_language.emplace_back(language, value.get<std::string>());
        check_text(text.by_language.back().second, here, largest, lines);
    }
    return text;
}

nlohmann::ordered_json text_json(const LessonText& text) {
    if (text.by_language.empty()) return text.text;
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& [language, value] : text.by_language) json[language] = value;
    return json;
}

std::vector<Step> steps_of(const Json& steps, const std::string& where, std::size_t first) {
    if (!steps.is_array()) throw BadLesson(where + " are not a list");
    std::vector<Step> read;
    for (std::size_t i = 0; i < steps.size(); ++i) read.push_back(parse_step(steps[i], first + i));
    return read;
}

// Written in the order a reader expects: action, form, control, value.
nlohmann::ordered_json step_json(const Step& step) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["action"] = step.action == Step::Action::set     ? "set"
                     : step.action == Step::Action::click ? "click"
                                                          : "close";
    json["form"] = step.form;
    if (step.action == Step::Action::close) return json;
    json["control"] = step.control;
    if (step.action == Step::Action::set) json["value"] = step.value;
    if (step.action == Step::Action::click && step.rows) json["rows"] = *step.rows;
    return json;
}

// Writes a number of pixels without a needless fraction.
Json pixels(double twips) {
    const double px = twips / twips_per_pixel;
    if (px == std::round(px)) return Json(static_cast<long long>(px));
    return Json(px);
}

// The whole text as one JSON value, each key once in its object. nlohmann-json takes a NUL
// byte for the end of the text and lets a repeated key overwrite the first: both are refused
// here. Every error of the parser (syntax, a number beyond a double) becomes a BadLesson.
Json parse_json(std::string_view text) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        throw BadLesson("the file is not JSON (a NUL byte at byte " + std::to_string(nul + 1) +
                        ")");
    }
    // The keys met so far in each object that is open.
    std::vector<std::set<std::string>> keys;
    const Json::parser_callback_t once = [&keys](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == Json::parse_event_t::key && !keys.empty() &&
            !keys.back().insert(parsed.get<std::string>()).second) {
            throw BadLesson("the file is not a lesson: the key " +
                            in_quotes(parsed.get<std::string>()) + " is given twice in one object");
        }
        return true;
    };
    try {
        return Json::parse(text, once);
    } catch (const Json::exception& e) {
        std::string why = e.what();
        if (const auto end = why.find("] "); end != std::string::npos) why.erase(0, end + 2);
        throw BadLesson("the file is not JSON (" + escaped(why) + ")");
    }
}

}  // namespace

Lesson lesson_of(const Program& program) { return Lesson{program.screen(), program.steps()}; }

std::string LessonText::in(std::string_view language) const {
    if (by_language.empty()) return text;
    const std::string_view base = language.substr(0, language.find_first_of("_-"));
    for (const std::string_view wanted : {language, base, std::string_view("en")}) {
        for (const auto& [tag, value] : by_language) {
            if (tag == wanted) return value;
        }
    }
    return by_language.front().second;
}

std::size_t scene_count(const Lesson& lesson) {
    return lesson.scenes.empty() ? 1 : lesson.scenes.size();
}

std::size_t scene_start(const Lesson& lesson, std::size_t k) {
    return k == 0 || lesson.scenes.empty() ? 0 : lesson.scenes[k - 1].end;
}

std::size_t scene_end(const Lesson& lesson, std::size_t k) {
    return lesson.scenes.empty() ? lesson.steps.size() : lesson.scenes[k].end;
}

namespace {

// The steps from `first` to `end`, one a line, as the text of a list.
std::string steps_text(const Lesson& lesson, std::size_t first, std::size_t end,
                       const std::string& indent) {
    std::string out = "[";
    for (std::size_t i = first; i < end; ++i) {
        out += (i == first ? "\n" : ",\n") + indent + "  ";
        out += step_json(lesson.steps[i]).dump();
    }
    return out + (first == end ? "]" : "\n" + indent + "]");
}

}  // namespace

std::string lesson_json(const Lesson& lesson) {
    // By hand, so that the file reads top to bottom with one step a line.
    const bool guided = !lesson.scenes.empty() || !lesson.title.empty();
    std::string out = "{\n  \"version\": " + std::to_string(guided ? 2 : 1) + ",\n";
    out += "  \"screen\": {\"width\": " + pixels(lesson.screen.width_twips).dump() +
           ", \"height\": " + pixels(lesson.screen.height_twips).dump() + "},\n";
    if (!guided)
        return out + "  \"steps\": " + steps_text(lesson, 0, lesson.steps.size(), "  ") + "\n}\n";
    if (!lesson.title.empty()) out += "  \"title\": " + text_json(lesson.title).dump() + ",\n";
    out += "  \"scenes\": [";
    for (std::size_t k = 0; k < scene_count(lesson); ++k) {
        out += k == 0 ? "\n    {" : ",\n    {";
        if (!lesson.scenes.empty()) {
            const Scene& scene = lesson.scenes[k];
            out += "\"title\": " + text_json(scene.title).dump() + ",\n     ";
            if (!scene.note.empty())
                out += "\"note\": " + text_json(scene.note).dump() + ",\n     ";
        } else {
            out += "\"title\": \"\",\n     ";
        }
        out += "\"steps\": " +
               steps_text(lesson, scene_start(lesson, k), scene_end(lesson, k), "     ") + "}";
    }
    return out + "\n  ]\n}\n";
}

Lesson parse_lesson(std::string_view text) {
    if (text.size() > largest_lesson_bytes) {
        throw BadLesson("the file is too large for a lesson (more than " +
                        std::to_string(largest_lesson_bytes / 1024) + " KiB)");
    }
    if (const auto bad = first_bad_utf8_byte(text); bad != std::string_view::npos) {
        throw BadLesson("the file is not UTF-8 text (byte " + std::to_string(bad + 1) + ")");
    }
    const Json json = parse_json(text);
    if (!json.is_object()) throw BadLesson("the file is JSON but not a lesson (no object)");
    const int version = whole_field(json, "version", "the lesson");
    if (version < 1 || version > lesson_version) {
        throw BadLesson("the lesson's version " + std::to_string(version) +
                        " is not one this program reads (1 to " + std::to_string(lesson_version) +
                        ")");
    }
    only_fields(json,
                version == 1
                    ? std::initializer_list<const char*>{"version", "screen", "steps"}
                    : std::initializer_list<const char*>{"version", "screen", "title", "scenes"},
                "the lesson");
    Lesson lesson;
    const Json& screen = field(json, "screen", "the lesson");
    if (!screen.is_object()) throw BadLesson("the lesson's screen is not an object");
    only_fields(screen, {"width", "height"}, "the screen");
    lesson.screen = Screen{screen_side(screen, "width"), screen_side(screen, "height")};
    if (version == 1) {
        lesson.steps = steps_of(field(json, "steps", "the lesson"), "the lesson's steps", 0);
        return lesson;
    }
    if (json.contains("title")) {
        lesson.title = text_of(json["title"], "the lesson's title", largest_title_bytes, false);
    }
    const Json& scenes = field(json, "scenes", "the lesson");
    if (!scenes.is_array() || scenes.empty()) {
        throw BadLesson("the lesson's scenes are not a list of one or more");
    }
    if (scenes.size() > most_scenes) {
        throw BadLesson("the lesson has more than " + std::to_string(most_scenes) + " scenes");
    }
    for (std::size_t k = 0; k < scenes.size(); ++k) {
        const std::string where = "scene " + std::to_string(k + 1);
        const Json& json_scene = scenes[k];
        if (!json_scene.is_object()) throw BadLesson(where + " is not an object");
        only_fields(json_scene, {"title", "note", "steps"}, where);
        Scene scene;
        scene.title = text_of(field(json_scene, "title", where), where + "'s title",
                              largest_title_bytes, false);
        if (json_scene.contains("note")) {
            scene.note = text_of(json_scene["note"], where + "'s note", largest_note_bytes, true);
        }
        const std::vector<Step> steps =
            steps_of(field(json_scene, "steps", where), where + "'s steps", lesson.steps.size());
        lesson.steps.insert(lesson.steps.end(), steps.begin(), steps.end());
        scene.end = lesson.steps.size();
        lesson.scenes.push_back(std::move(scene));
    }
    return lesson;
}

Lesson read_lesson_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BadLesson("the file cannot be read");
    std::string text(largest_lesson_bytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) throw BadLesson("the file cannot be read");
    text.resize(static_cast<std::size_t>(in.gcount()));
    return parse_lesson(text);
}

bool write_lesson_file(const Lesson& lesson, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << lesson_json(lesson);
    return bool(out.flush());
}

Lesson open_lesson_file(const std::string& path, std::optional<Screen> screen) {
    Lesson lesson = read_lesson_file(path);
    if (screen) lesson.screen = *screen;
    check_lesson(lesson);
    return lesson;
}

void replay(Program& program, const Lesson& lesson) {
    for (const Step& step : lesson.steps) take_step(program, step);
}

bool waits_for_work(Program& program, const Step& step) {
    // A Cancel that recorded no rows (an older lesson, the command line) finds the Lee
    // diagram ended, as it always has here; one that did stops it at those rows.
    const bool unrecorded_cancel = step.action == Step::Action::click && !step.rows &&
                                   step.form == "theoria" && step.control == "lee_cancel";
    return unrecorded_cancel && program.has_theoria() && program.theoria().lee_running();
}

std::size_t take_steps_coalesced(Program& program, const std::vector<Step>& steps,
                                 DeferredWork& work) {
    std::size_t computations = 0;
    for (const Step& step : steps) {
        if (waits_for_work(program, step)) computations += work.settle();
        take_step(program, step);
    }
    return computations + work.settle();
}

void check_lesson(const Lesson& lesson) {
    Program scratch(lesson.screen);
    // Its pictures are never seen: the long computations are not worth making.
    scratch.set_background_work_factory([] { return std::make_unique<SkipEveryJob>(); });
    for (std::size_t i = 0; i < lesson.steps.size(); ++i) {
        try {
            take_step(scratch, lesson.steps[i]);
        } catch (const BadStep& e) {
            throw BadLesson("step " + std::to_string(i + 1) + ": " + e.what());
        }
    }
}

}  // namespace rainbow

#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/deferred_work.h"
#include "app/program.h"
#include "app/step.h"

namespace rainbow {

// A text a teacher wrote, in one language or in several: a plain text, or texts by language
// tag ("en", "el").
struct LessonText {
    std::string text;                                              // when not by language
    std::vector<std::pair<std::string, std::string>> by_language;  // in the file's order

    // The text in `language` ("el", or "el_GR" as a locale names it), else in English, else
    // the first one given.
    std::string in(std::string_view language) const;
    bool empty() const { return text.empty() && by_language.empty(); }
    friend bool operator==(const LessonText&, const LessonText&) = default;
};

// A titled part of a lesson with a short note for the class: the steps from the end of the
// scene before it up to `end`.
struct Scene {
    LessonText title;
    LessonText note;
    std::size_t end = 0;

    friend bool operator==(const Scene&, const Scene&) = default;
};

// A lesson: the steps a user took since start-up on a screen of a given size. Replayed on a
// fresh program started on that screen, it gives the same state. A guided lesson groups its
// steps into scenes, in order, the last ending with the last step; a lesson without scenes is
// one scene without a title.
struct Lesson {
    Lesson() = default;
    Lesson(Screen screen_, std::vector<Step> steps_, LessonText title_ = {},
           std::vector<Scene> scenes_ = {})
        : screen(screen_),
          steps(std::move(steps_)),
          title(std::move(title_)),
          scenes(std::move(scenes_)) {}

    Screen screen;
    std::vector<Step> steps;
    LessonText title;
    std::vector<Scene> scenes;
};

inline constexpr int lesson_version = 2;
inline constexpr std::size_t largest_lesson_bytes = 1 << 20;
inline constexpr std::size_t largest_title_bytes = 200;
inline constexpr std::size_t largest_note_bytes = 2000;
inline constexpr std::size_t most_scenes = 100;

// How many scenes the lesson has (1 without scenes), and where scene `k` (0-based) starts.
std::size_t scene_count(const Lesson& lesson);
std::size_t scene_start(const Lesson& lesson, std::size_t k);
std::size_t scene_end(const Lesson& lesson, std::size_t k);

// A lesson that cannot be read or replayed; the message says what is wrong, in one line.
class BadLesson : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lesson of the program as it stands: its screen and the steps taken so far.
Lesson lesson_of(const Program& program);

// The lesson as a small JSON text, one step a line; version 1 without scenes:
//   {"version": 1, "screen": {"width": 1920, "height": 1080}, "steps": [
//     {"action": "click", "form": "arxiki", "control": "parallel"},
//     {"action": "set", "form": "arxiki", "control": "goniatheta", "value": 30},
//     {"action": "close", "form": "cut_rays"}]}
// The screen is in pixels of 15 twips. The theory window's Cancel keeps the rows its Lee
// diagram ended with: {"action": "click", "form": "theoria", "control": "lee_cancel", "rows": 17}.
// With scenes, version 2: a title, and the steps in scenes, each a text or texts by language:
//   {"version": 2, "screen": {…}, "title": {"en": "The rainbow", "el": "Το ουράνιο τόξο"},
//    "scenes": [{"title": "A point source", "note": "…", "steps": [ … ]}, …]}
std::string lesson_json(const Lesson& lesson);

// Reads a lesson from its JSON text: UTF-8, at most largest_lesson_bytes, of this version or
// older, every field of the kind it should be. Throws BadLesson.
Lesson parse_lesson(std::string_view text);

// Reads and parses a lesson file, reading no more than the largest lesson allows.
Lesson read_lesson_file(const std::string& path);

// Writes the lesson to a file; false when it cannot be written.
bool write_lesson_file(const Lesson& lesson, const std::string& path);

// Replays the lesson on a scratch program started on the lesson's screen; throws BadLesson
// naming the first step that cannot be taken.
void check_lesson(const Lesson& lesson);

// What opening a lesson file does, in the desktop program and the render command alike: reads
// it, puts it on `screen` when one is given (the screen the windows are laid out for), and
// checks every step on a scratch program. Throws BadLesson, with one line that names the first
// thing wrong, every quoted input escaped.
Lesson open_lesson_file(const std::string& path, std::optional<Screen> screen);

// Takes the lesson's steps on `program` in order (BadStep from a step that cannot be taken).
void replay(Program& program, const Lesson& lesson);

// Takes the steps on `program`, whose runners come from `work`, as the render command does:
// the long computations wait in `work` while the steps are taken, so that a burst of settings
// costs what it costs on the desktop (the computation asked for first and the last one; those
// between were never asked for, their window waiting for the first to end). They run at the
// end. The Lee diagram computes the rows a recorded Cancel kept and no more; before a Cancel
// without rows (an older lesson, the command line) it runs to its end, as it did for them.
// Returns how many computations ran; BadStep as take_step.
// True when the step, replayed, is taken only once the long computations waiting have ended: a
// Cancel that recorded no rows, while the Lee diagram runs.
bool waits_for_work(Program& program, const Step& step);
std::size_t take_steps_coalesced(Program& program, const std::vector<Step>& steps,
                                 DeferredWork& work);

}  // namespace rainbow

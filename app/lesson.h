#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/deferred_work.h"
#include "app/program.h"
#include "app/step.h"

namespace rainbow {

// A lesson: the steps a user took since start-up on a screen of a given size. Replayed on a
// fresh program started on that screen, it gives the same state.
struct Lesson {
    Screen screen;
    std::vector<Step> steps;
};

inline constexpr int lesson_version = 1;
inline constexpr std::size_t largest_lesson_bytes = 1 << 20;

// A lesson that cannot be read or replayed; the message says what is wrong, in one line.
class BadLesson : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lesson of the program as it stands: its screen and the steps taken so far.
Lesson lesson_of(const Program& program);

// The lesson as a small JSON text, one step a line:
//   {"version": 1, "screen": {"width": 1920, "height": 1080}, "steps": [
//     {"action": "click", "form": "arxiki", "control": "parallel"},
//     {"action": "set", "form": "arxiki", "control": "goniatheta", "value": 30},
//     {"action": "close", "form": "cut_rays"}]}
// The screen is in pixels of 15 twips.
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
// end, and before any step while the Lee diagram is being computed (it runs to its end before
// the next step). Returns how many computations ran; BadStep as take_step.
std::size_t take_steps_coalesced(Program& program, const std::vector<Step>& steps,
                                 DeferredWork& work);

}  // namespace rainbow

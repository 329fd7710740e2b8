#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

// Takes the lesson's steps on `program` in order (BadStep from a step that cannot be taken).
void replay(Program& program, const Lesson& lesson);

}  // namespace rainbow

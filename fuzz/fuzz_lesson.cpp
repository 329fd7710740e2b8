// Bytes -> lesson -> replayed on a scratch program, as the desktop program and the render
// command open a lesson. A lesson either opens or is refused with one escaped line; one that
// opens is written again and reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/lesson.h"
#include "fuzz_checks.h"

using namespace rainbow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Lesson lesson;
    try {
        lesson = parse_lesson(text);
        check_lesson(lesson);  // every step on a scratch program, its computations skipped
    } catch (const BadLesson& e) {
        fuzz::require_one_escaped_line(e.what());
        return 0;
    }
    const Lesson again = parse_lesson(lesson_json(lesson));
    fuzz::require(again.steps == lesson.steps, "a lesson written and read again changed");
    fuzz::require(again.screen.width_twips == lesson.screen.width_twips &&
                      again.screen.height_twips == lesson.screen.height_twips,
                  "a lesson's screen written and read again changed");
    return 0;
}

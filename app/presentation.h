#pragma once
// Lessons taught scene by scene, and the scenes of a lesson being recorded: what the desktop
// program's presenter and the browser edition's session share.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/lesson.h"
#include "app/step.h"

namespace rainbow {

// Where a scene of the lesson being recorded begins (the number of steps taken before it),
// with its title and note.
struct SceneMark {
    std::size_t start = 0;
    LessonText title, note;
};

// The scenes of a lesson replayed, which go on in the lesson recorded from there.
std::vector<SceneMark> scene_marks_of(const Lesson& lesson);

// Begins a scene at step `start`; a scene begun twice at the same step is the second one.
void add_scene_mark(std::vector<SceneMark>& marks, std::size_t start, LessonText title,
                    LessonText note);

// The lesson recorded (its steps) with the scenes begun so far; steps taken before the first
// scene make a scene of their own, untitled.
Lesson with_scenes(Lesson recorded, const std::vector<SceneMark>& marks);

// A lesson presented scene by scene: which scene is shown, and what each scene's steps are.
// Between scenes the teacher may move any control; Next first brings the windows back to the
// end of the scene shown, then takes the next scene's steps; Back brings them to the end of
// the scene before.
class Presentation {
public:
    explicit Presentation(Lesson lesson) : lesson_(std::move(lesson)) {}

    const Lesson& lesson() const { return lesson_; }
    std::size_t scene() const { return scene_; }
    std::size_t scenes() const { return scene_count(lesson_); }
    // Back to the first scene.
    void begin() { scene_ = 0; }
    // Moves to the next (the previous) scene; false at the last (first), where nothing changes.
    bool next();
    bool back();
    // The lesson up to the end of scene `k`, without its scenes: what a fresh program replays.
    Lesson up_to(std::size_t k) const;
    // The steps of scene `k` alone.
    std::vector<Step> steps_of(std::size_t k) const;
    // The shown scene's title and note in `language` ("el", "en"); a lesson without scenes has
    // its own title and no note.
    std::string title(std::string_view language) const;
    std::string note(std::string_view language) const;

private:
    Lesson lesson_;
    std::size_t scene_ = 0;
};

}  // namespace rainbow

#include "app/presentation.h"

#include <algorithm>
#include <cstddef>

namespace rainbow {

std::vector<SceneMark> scene_marks_of(const Lesson& lesson) {
    std::vector<SceneMark> marks;
    for (std::size_t k = 0; k < lesson.scenes.size(); ++k) {
        marks.push_back(
            SceneMark{scene_start(lesson, k), lesson.scenes[k].title, lesson.scenes[k].note});
    }
    return marks;
}

void add_scene_mark(std::vector<SceneMark>& marks, std::size_t start, LessonText title,
                    LessonText note) {
    while (!marks.empty() && marks.back().start >= start) marks.pop_back();
    marks.push_back(SceneMark{start, std::move(title), std::move(note)});
}

Lesson with_scenes(Lesson recorded, const std::vector<SceneMark>& marks) {
    const std::size_t steps = recorded.steps.size();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const SceneMark& mark = marks[i];
        if (mark.start > steps) break;
        if (i == 0 && mark.start > 0) recorded.scenes.push_back(Scene{{}, {}, mark.start});
        const std::size_t end = i + 1 < marks.size() ? std::min(marks[i + 1].start, steps) : steps;
        recorded.scenes.push_back(Scene{mark.title, mark.note, end});
    }
    return recorded;
}

bool Presentation::next() {
    if (scene_ + 1 >= scenes()) return false;
    ++scene_;
    return true;
}

bool Presentation::back() {
    if (scene_ == 0) return false;
    --scene_;
    return true;
}

Lesson Presentation::up_to(std::size_t k) const {
    Lesson part = lesson_;
    part.steps.resize(scene_end(lesson_, k));
    part.scenes.clear();
    return part;
}

std::vector<Step> Presentation::steps_of(std::size_t k) const {
    return {lesson_.steps.begin() + std::ptrdiff_t(scene_start(lesson_, k)),
            lesson_.steps.begin() + std::ptrdiff_t(scene_end(lesson_, k))};
}

std::string Presentation::title(std::string_view language) const {
    return lesson_.scenes.empty() ? lesson_.title.in(language)
                                  : lesson_.scenes[scene_].title.in(language);
}

std::string Presentation::note(std::string_view language) const {
    return lesson_.scenes.empty() ? std::string() : lesson_.scenes[scene_].note.in(language);
}

}  // namespace rainbow

#include "app/compact_lesson.h"

namespace rainbow {

Lesson compacted(const Lesson& lesson) {
    Lesson out = lesson;
    out.steps.clear();
    for (std::size_t k = 0; k < scene_count(lesson); ++k) {
        const std::size_t first = scene_start(lesson, k), end = scene_end(lesson, k);
        for (std::size_t i = first; i < end; ++i) {
            const Step& step = lesson.steps[i];
            const bool superseded = i + 1 < end && step.action == Step::Action::set &&
                                    lesson.steps[i + 1].action == Step::Action::set &&
                                    lesson.steps[i + 1].form == step.form &&
                                    lesson.steps[i + 1].control == step.control;
            if (!superseded) out.steps.push_back(step);
        }
        if (!out.scenes.empty()) out.scenes[k].end = out.steps.size();
    }
    return out;
}

}  // namespace rainbow

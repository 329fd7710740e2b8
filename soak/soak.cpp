#include "soak/soak.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <random>
#include <sstream>

#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "soak/soak_checks.h"

namespace rainbow {
namespace {

std::string state_of(Program& program) {
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

bool is_end(const Control& control) {
    return control.kind() == ControlKind::button && control.caption == "END";
}

bool takes_steps(const Control& control) {
    switch (control.kind()) {
        case ControlKind::scrollbar:
        case ControlKind::option:
        case ControlKind::button:
        case ControlKind::menuitem: return control.visible && !is_end(control);
        default: return false;
    }
}

class Soak {
public:
    explicit Soak(const SoakOptions& options) : options_(options), random_(options.seed) {
        restart();
    }

    SoakReport run() {
        for (long event = 1; event <= options_.events; ++event) {
            report_.events = event;
            const bool last = event == options_.events;
            try {
                if (last) {
                    end_program();
                } else {
                    one_event();
                }
            } catch (const std::exception& e) {
                faults(event, {std::string("exception: ") + e.what()});
                continue;
            }
            check(event);
        }
        report_.most_picture_items = lists_.most_items();
        report_.farthest_item = lists_.farthest();
        return report_;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int between(int a, int b) {
        return std::uniform_int_distribution<int>(std::min(a, b), std::max(a, b))(random_);
    }

    void restart() {
        lists_.reset();
        program_ = std::make_unique<Program>();
    }

    std::vector<Form*> shown_forms() {
        std::vector<Form*> shown;
        for (Form* form : program_->forms()) {
            if (form->shown) shown.push_back(form);
        }
        return shown;
    }

    void one_event() {
        const int roll = below(1000);
        if (roll < 2) return restart();
        if (roll < 22) return lesson_round_trip();
        if (roll < 42) return export_pictures();
        if (roll < 52) return refused_step();
        if (roll < 62) return close_a_window();
        control_step();
    }

    void control_step() {
        const std::vector<Form*> forms = shown_forms();
        Form& form = *forms[below(int(forms.size()))];
        std::vector<Control*> candidates;
        for (const auto& control : form.controls()) {
            if (takes_steps(*control)) candidates.push_back(control.get());
        }
        if (candidates.empty()) return;
        const Control& control = *candidates[below(int(candidates.size()))];
        Step step{Step::Action::click, form.name(), control.name(), 0};
        if (control.kind() == ControlKind::scrollbar) {
            const auto& bar = static_cast<const ScrollBar&>(control);
            step.action = Step::Action::set;
            const int end = below(4);
            step.value = end == 0   ? bar.min()
                         : end == 1 ? bar.max()
                                    : between(bar.min(), bar.max());
        }
        take_step(*program_, step);
    }

    // A step no user can take must be refused and leave no trace.
    void refused_step() {
        Form& form = *shown_forms().front();
        std::vector<Step> refused = {{Step::Action::click, form.name(), "no-such-control", 0},
                                     {Step::Action::click, "no-such-window", "Command1", 0}};
        for (const auto& control : form.controls()) {
            if (control->kind() == ControlKind::scrollbar) {
                const auto& bar = static_cast<const ScrollBar&>(*control);
                refused.push_back({Step::Action::set, form.name(), bar.name(),
                                   std::max(bar.min(), bar.max()) + 1 + below(1000)});
            } else if (control->kind() == ControlKind::label) {
                refused.push_back({Step::Action::click, form.name(), control->name(), 0});
            } else if (!control->visible && takes_steps(*control)) {
                refused.push_back({Step::Action::click, form.name(), control->name(), 0});
            }
        }
        const Step& step = refused[below(int(refused.size()))];
        const std::size_t steps_before = program_->steps().size();
        try {
            take_step(*program_, step);
        } catch (const BadStep&) {
            if (program_->steps().size() != steps_before) {
                throw std::logic_error("the refused step " + describe(step) + " was recorded");
            }
            return;
        }
        throw std::logic_error("the step " + describe(step) + " was taken");
    }

    void close_a_window() {
        const std::vector<Form*> forms = shown_forms();
        if (forms.size() < 2) return;
        // Never the main window: closing it ends the program.
        Form& form = *forms[1 + below(int(forms.size()) - 1)];
        take_step(*program_, Step{Step::Action::close, form.name(), "", 0});
    }

    // Saves the lesson, reads it back, replays it on a fresh program and carries on with that
    // one: its state must be the state the steps left.
    void lesson_round_trip() {
        const Lesson lesson = parse_lesson(lesson_json(lesson_of(*program_)));
        check_lesson(lesson);
        auto replayed = std::make_unique<Program>(lesson.screen);
        replay(*replayed, lesson);
        ++report_.lessons_replayed;
        if (state_of(*replayed) != state_of(*program_)) {
            throw std::logic_error("the replayed lesson gives another state");
        }
        lists_.reset();
        program_ = std::move(replayed);
    }

    void export_pictures() {
        std::ostringstream json;
        write_state_json(*program_, json);
        if (options_.export_pictures) options_.export_pictures(*program_);
        ++report_.exports;
    }

    // END of a window that has one, opening the caustics window first when none is open.
    void end_program() {
        if (!program_->find_form("kafstikh") || !program_->find_form("kafstikh")->shown) {
            take_step(*program_, Step{Step::Action::click, "arxiki", "Command6", 0});
        }
        take_step(*program_, Step{Step::Action::click, "kafstikh", "Command3", 0});
        if (!program_->ended() || !shown_forms().empty()) {
            throw std::logic_error("END left the program running");
        }
    }

    void check(long event) {
        std::vector<std::string> problems = lists_.check(*program_);
        for (std::string& p : label_disagreements(*program_)) problems.push_back(std::move(p));
        const std::size_t resident = resident_bytes();
        report_.most_resident_bytes = std::max(report_.most_resident_bytes, resident);
        if (resident > options_.largest_resident_bytes) {
            problems.push_back("resident memory " + std::to_string(resident >> 20) + " MiB");
        }
        faults(event, problems);
    }

    // Records the faults and starts afresh, so that one fault is not counted at every event.
    void faults(long event, const std::vector<std::string>& problems) {
        if (problems.empty()) return;
        for (const std::string& what : problems) {
            report_.faults.push_back(SoakFault{event, what, program_->steps()});
        }
        restart();
    }

    SoakOptions options_;
    std::mt19937_64 random_;
    std::unique_ptr<Program> program_;
    DisplayListCheck lists_;
    SoakReport report_;
};

}  // namespace

SoakReport run_soak(const SoakOptions& options) { return Soak(options).run(); }

}  // namespace rainbow

#include "soak/soak.h"

#include <algorithm>
#include <ctime>
#include <exception>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/deferred_work.h"
#include "app/lesson.h"
#include "app/program.h"
#include "app/state_json.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "soak/random_draws.h"
#include "soak/soak_checks.h"

namespace rainbow {
namespace {

std::string state_of(Program& program) {
    std::ostringstream out;
    write_state_json(program, out);
    return out.str();
}

// The state without what depends on when background results came rather than on the steps:
// the theory window's pictures of computed results and the progress of its Lee diagram.
nlohmann::json state_of_steps(Program& program) {
    nlohmann::json state = nlohmann::json::parse(state_of(program));
    nlohmann::json& forms = state["forms"];
    if (!forms.contains("theoria")) return state;
    nlohmann::json& theory = forms["theoria"];
    for (const char* picture : {"primary", "secondary", "band", "lee"}) {
        if (theory["pictures"].contains(picture)) theory["pictures"][picture] = nullptr;
    }
    if (theory["controls"].contains("lee_progress"))
        theory["controls"]["lee_progress"]["caption"] = nullptr;
    return state;
}

// A program with its background work in the soak's hands. The work is dropped before the
// program goes, so that its windows find nothing left to wait for.
struct Session {
    explicit Session(Screen screen = {}) : program(std::make_unique<Program>(screen)) {
        program->set_background_work_factory([this] { return work.runner(); });
    }
    ~Session() {
        work.discard();
        program.reset();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    DeferredWork work;
    std::unique_ptr<Program> program;
};

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

// How often, in events per thousand, the user waits for the computations under way.
constexpr int wait_per_mille = 5;

class Soak {
public:
    explicit Soak(const SoakOptions& options) : options_(options), random_(options.seed) {
        restart();
    }

    SoakReport run() {
        for (long event = 1; event <= options_.events; ++event) {
            report_.events = event;
            const bool last = event == options_.events;
            const std::clock_t cpu_start = std::clock();
            kind_ = "end";
            try {
                if (last) {
                    end_program();
                } else {
                    one_event();
                }
            } catch (const std::exception& e) {
                count_cost(cpu_start);
                faults(event, {std::string("exception: ") + e.what()});
                continue;
            }
            check(event);
            count_cost(cpu_start);
        }
        report_.most_picture_items = lists_.most_items();
        report_.farthest_item = lists_.farthest();
        return report_;
    }

private:
    int below(int n) { return int(random_.below(std::uint32_t(n))); }
    int between(int a, int b) { return random_.between(a, b); }

    void restart() {
        lists_.reset();
        session_.reset();
        session_ = std::make_unique<Session>();
        program_ = session_->program.get();
    }

    std::vector<Form*> shown_forms() {
        std::vector<Form*> shown;
        for (Form* form : program_->forms()) {
            if (form->shown) shown.push_back(form);
        }
        return shown;
    }

    void count_cost(std::clock_t cpu_start) {
        SoakReport::Cost& cost = report_.costs[kind_];
        cost.cpu_seconds += double(std::clock() - cpu_start) / CLOCKS_PER_SEC;
        ++cost.events;
    }

    void one_event() {
        // Events per thousand of each kind; the rest are steps on the controls.
        struct Chance {
            int per_mille;
            const char* kind;
            void (Soak::*event)();
        };
        static constexpr Chance chances[] = {
            {2, "restart", &Soak::restart},
            {20, "lesson", &Soak::lesson_round_trip},
            {20, "export", &Soak::export_pictures},
            {10, "refused", &Soak::refused_step},
            {10, "close", &Soak::close_a_window},
            {wait_per_mille, "wait", &Soak::wait_for_results},
        };
        int roll = below(1000);
        for (const Chance& chance : chances) {
            if (roll < chance.per_mille) {
                kind_ = chance.kind;
                return (this->*chance.event)();
            }
            roll -= chance.per_mille;
        }
        kind_ = "control";
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
        kind_ = form.name() + "." + control.name();
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
        // A whole Lee diagram takes a minute of processor time, several under the sanitizers:
        // this user stops it at once, so that each start adds the one row under way.
        if (kind_ == "theoria.lee_start")
            take_step(*program_, Step{Step::Action::click, "theoria", "lee_cancel", 0});
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

    // The user waits until every computation under way has ended and its pictures are drawn;
    // the checks after the event read them complete.
    void wait_for_results() { report_.jobs_run += long(session_->work.settle()); }

    // Saves the lesson, reads it back, opens it as the desktop does (checked, then replayed on
    // a fresh program whose computations start in the background) and carries on with that
    // one: its state must be the state the steps left.
    void lesson_round_trip() {
        const Lesson lesson = parse_lesson(lesson_json(lesson_of(*program_)));
        check_lesson(lesson);
        auto replayed = std::make_unique<Session>(lesson.screen);
        replay(*replayed->program, lesson);
        ++report_.lessons_replayed;
        if (state_of_steps(*replayed->program) != state_of_steps(*program_)) {
            throw std::logic_error("the replayed lesson gives another state");
        }
        lists_.reset();
        session_ = std::move(replayed);
        program_ = session_->program.get();
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
    RandomDraws random_;
    std::unique_ptr<Session> session_;
    Program* program_ = nullptr;  // the session's
    DisplayListCheck lists_;
    SoakReport report_;
    std::string kind_;  // of the event under way, for its cost
};

}  // namespace

SoakReport run_soak(const SoakOptions& options) { return Soak(options).run(); }

}  // namespace rainbow

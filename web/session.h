#pragma once
// The browser edition's program: the same Program the desktop and the render command start,
// driven by a page through steps, with its long computations run in short slices (a browser
// worker has no threads and must stay free to take the next message).
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/deferred_work.h"
#include "app/presentation.h"
#include "app/program.h"
#include "app/step.h"
#include "forms/control_texts.h"
#include "web/picture_arrays.h"

namespace rainbow {

// The translator made from a table {"context": {"English source": "translation", ...}, ...}
// (the contexts are the windows' names); an empty text is English. Throws
// std::invalid_argument when the text is not such a table.
Translate translate_from_json(const std::string& table);

class Session {
public:
    // Starts the program on a screen of that many pixels (15 twips a pixel, each side kept
    // within the screens the program is laid out for), the main window's first scene drawn.
    Session(int width_pixels, int height_pixels, const std::string& translations_json = "");
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Takes one step ("set", "click" or "close"): "" when taken, else one line saying why not.
    std::string step(const std::string& action, const std::string& form, const std::string& control,
                     int value);
    // What the render command writes with --json for the same steps.
    std::string state_json();
    // The windows as the page builds them: captions, sizes, every control with its place in
    // twips of the client area, its value, role, tooltip and accessible name (translated).
    std::string forms_json();
    // The pictures ("form.picture", "form.client" for a window's own area) whose display list
    // changed since the last call; every picture on the first call.
    std::vector<std::string> changed_pictures();
    // One picture's display list as arrays; empty arrays for a picture the program lacks.
    PictureArrays picture(const std::string& form, const std::string& picture);

    // True while a long computation waits or runs.
    bool busy() const;
    // Runs the waiting computations for about `ms` milliseconds: a job that can pause (the Lee
    // diagram, after a row) stops when the time is up, another runs to its end.
    void work(double ms);

    // The steps taken since start-up as a lesson, in the desktop program's format, with the
    // scenes of the lesson opened (its steps are the first ones) and those begun since.
    std::string lesson_json();
    // Begins a scene at the next step, as the desktop's "Add scene…".
    void add_scene(const std::string& title, const std::string& note);
    // Replays a lesson on a fresh program on this screen, as the desktop's "Open lesson…"
    // does: "" when opened, else one line naming what is wrong (the program is then unchanged).
    // Its steps are taken at once and its computations run in the slices of work(), ending in
    // the state the render command gives; a step that waits for them (a Cancel that recorded
    // no rows) and those after it are taken there too, once they have ended. A step of the
    // page meanwhile, or saving the lesson, first finishes the lesson's steps at once.
    std::string open_lesson(const std::string& text);

    // Presents a lesson scene by scene, as the desktop's "Present lesson…": the program afresh
    // with the first scene's steps. "" when presented, else one line naming what is wrong.
    std::string present_lesson(const std::string& text);
    // The next (the previous) scene, as the desktop's presenter takes it: the windows are
    // first brought back to the end of the scene shown (the teacher may have moved controls).
    // False at the last (the first) scene, or when no lesson is presented.
    bool next_scene();
    bool previous_scene();
    void end_presentation();
    // The scene shown, {"scene": 1, "scenes": 5, "title": "…", "note": "…"} (1-based, the texts
    // in `language`, "el" or "en"), or "" when no lesson is presented.
    std::string scene_json(const std::string& language) const;
    // The program afresh on the same screen.
    void restart();
    bool ended() const;

private:
    void start();
    void stop();
    // The program afresh, the lesson's steps taken as open_lesson takes them.
    void replay_afresh(const Lesson& lesson);
    // The windows as at the end of scene `k` of the lesson presented.
    void bring_to_end_of(std::size_t k);
    // Queues steps after the lesson's steps left, and takes what can be taken.
    void take_later(const std::vector<Step>& steps);
    // Takes the lesson's steps left, up to one that waits for the computations under way.
    void take_lesson_steps();
    // Runs the computations and takes every step of the lesson left, at once.
    void finish_lesson();

    Screen screen_;
    Translate translate_;
    std::unique_ptr<DeferredWork> work_;
    std::unique_ptr<Program> program_;
    std::vector<Step> lesson_steps_;  // of a lesson opened and not yet replayed to its end
    std::size_t lesson_next_ = 0;
    std::vector<SceneMark> scene_marks_;  // of the lesson being recorded
    std::optional<Presentation> presentation_;
    // What each picture was when last reported: its generation, items, baked items and size.
    std::map<std::string, std::tuple<std::uint64_t, std::size_t, std::size_t, double, double>>
        reported_;
};

}  // namespace rainbow

#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "forms/background_work.h"
#include "forms/control_texts.h"
#include "forms/form.h"
#include "forms/screen.h"
#include "forms/settings.h"

namespace rainbow {

// Results a window computed that depend on its settings and the screen alone, kept apart from
// the window so that a program started afresh (a lesson replayed back to an earlier scene) can
// draw them at once instead of computing them again. Each window derives its own.
class KeptResults {
public:
    virtual ~KeptResults() = default;
};

// A window of the program: its form and what another window's button does to it.
class Window {
public:
    virtual ~Window() = default;
    virtual Form& form() = 0;
    // Brought up by another window, or by start-up for the first window: builds it on first
    // use, shows it and draws.
    virtual void open() = 0;
    // The main window has drawn its scene again: what it shares may have changed.
    virtual void main_scene_changed() {}

    // A control that stops long work (the theory window's Cancel of its Lee diagram) gives,
    // after its click, the rows the work ends with, which the click's step records; other
    // controls give none.
    virtual std::optional<int> stopped_at(std::string_view /*control*/) const {
        return std::nullopt;
    }
    // Before a recorded click of such a control is taken again: the work stops at `rows`, not
    // where it stands at the click.
    virtual void stop_replayed_at(std::string_view /*control*/, int /*rows*/) {}
};

// What a window reaches beyond itself: what the main window shares, the screen, and the other
// windows by name. The program implements it; a window never includes another window or the
// program.
class WindowHost {
public:
    // Asked of the main window each time: never a copy another window left behind.
    virtual SharedScene main_scene() = 0;
    virtual const Screen& screen() const = 0;
    // END: every window closes and the program stops at once.
    virtual void end() = 0;
    // The window of that name asks for the focus.
    virtual void give_focus(std::string_view window) = 0;
    // The window of that name is created when it does not exist yet, then opened.
    virtual void open_window(std::string_view window) = 0;
    // Tells every window that exists that the main window has drawn its scene again.
    virtual void main_scene_changed() {}
    // The user's language: a window's own new words (not its designed captions) pass through
    // it, with the window's name as the context. English by default.
    virtual const Translate& translate() const {
        static const Translate english;
        return english;
    }
    // A runner for a window's long computations: by default every job runs at once.
    virtual std::unique_ptr<BackgroundWork> background_work() {
        return std::make_unique<RunAtOnce>();
    }
    // The results the window of that name keeps, when a program before this one left some
    // (null otherwise); a window made asks once, then hands over what it will keep.
    virtual std::shared_ptr<KeptResults> kept_results(std::string_view /*window*/) {
        return nullptr;
    }
    virtual void keep_results(std::string_view /*window*/, std::shared_ptr<KeptResults>) {}

protected:
    ~WindowHost() = default;
};

}  // namespace rainbow

#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/presentation.h"

namespace rainbow {

class CaptionBar;
class ProgramView;

// A lesson presented scene by scene. The caption bar shows the scene's title and note along
// the bottom of the window in front; Page Down and Page Up (what a presenter's clicker sends),
// and the arrow keys when no control has the focus, go to the next and the previous scene.
// Between scenes the teacher may move any control: Next first brings the windows back to the
// end of the scene shown, then takes the next scene's steps; Back replays the lesson up to the
// end of the scene before. Escape ends the presentation.
class Presenter : public QObject {
    Q_OBJECT

public:
    // `restart` starts the program afresh and replays a lesson on it; `view` is the view of
    // the program running (null while it is replaced).
    Presenter(Lesson lesson, std::function<void(const Lesson&)> restart,
              std::function<ProgramView*()> view);
    ~Presenter() override;

    // Starts the program afresh and takes the first scene's steps.
    void begin();
    // False at the last (first) scene, where nothing changes.
    bool next();
    bool back();

    int scene() const { return int(presentation_.scene()); }
    const Lesson& lesson() const { return presentation_.lesson(); }
    const CaptionBar& caption_bar() const { return *bar_; }

signals:
    // Escape was pressed: the presentation is over.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void go_next() { next(); }
    void go_back() { back(); }
    // The windows as at the end of scene `k`: replayed afresh unless they are so already.
    void bring_to_end_of(std::size_t k);
    void show_caption();

    Presentation presentation_;
    std::function<void(const Lesson&)> restart_;
    std::function<ProgramView*()> view_;
    std::unique_ptr<CaptionBar> bar_;
};

}  // namespace rainbow

#include "app/windows_snapshot.h"

#include <optional>
#include <utility>

#include "app/program.h"
#include "forms/form.h"

namespace rainbow {

struct WindowsSnapshot::ControlState {
    std::string caption;
    bool visible = true;
    Geometry geometry;
    int value = 0;  // a scroll bar's value, an option's or a menu item's 0 or 1
    int min = 0;
    int max = 0;
    std::optional<Surface> picture;
};

struct WindowsSnapshot::FormState {
    std::string name;
    std::string caption;
    Geometry geometry;
    bool shown = false;
    std::optional<Surface> client;
    std::vector<ControlState> controls;  // in the form's order
};

WindowsSnapshot::WindowsSnapshot(Program& program) {
    for (Form* form : program.forms()) {
        FormState f{form->name(), form->caption, form->geometry(), form->shown, std::nullopt, {}};
        if (const Surface* client = form->client_surface()) f.client = *client;
        for (const auto& c : form->controls()) {
            ControlState s{c->caption, c->visible, c->geometry(), 0, 0, 0, std::nullopt};
            switch (c->kind()) {
                case ControlKind::scrollbar: {
                    const auto& bar = static_cast<const ScrollBar&>(*c);
                    s.value = bar.value();
                    s.min = bar.min();
                    s.max = bar.max();
                    break;
                }
                case ControlKind::option:
                    s.value = static_cast<const OptionButton&>(*c).value();
                    break;
                case ControlKind::menuitem:
                    s.value = static_cast<const MenuItem&>(*c).checked;
                    break;
                case ControlKind::picture:
                    s.picture = static_cast<const PictureBox&>(*c).surface();
                    break;
                default: break;
            }
            f.controls.push_back(std::move(s));
        }
        forms_.push_back(std::move(f));
    }
}

WindowsSnapshot::~WindowsSnapshot() = default;

void WindowsSnapshot::restore(Program& program) const {
    for (Form* form : program.forms()) {
        const FormState* kept = nullptr;
        for (const FormState& f : forms_) {
            if (f.name == form->name()) kept = &f;
        }
        if (kept == nullptr || kept->controls.size() != form->controls().size()) {
            form->shown = false;  // created by the step
            continue;
        }
        form->caption = kept->caption;
        form->set_geometry(kept->geometry);
        form->shown = kept->shown;
        if (kept->client) form->make_client_surface().restore(*kept->client);
        // Options first cleared, then chosen, so that choosing one clears no kept choice.
        for (const bool chosen : {false, true}) {
            for (std::size_t i = 0; i < kept->controls.size(); ++i) {
                Control& c = *form->controls()[i];
                if (c.kind() != ControlKind::option || bool(kept->controls[i].value) != chosen)
                    continue;
                auto& option = static_cast<OptionButton&>(c);
                Event handler = std::exchange(option.on_click, nullptr);
                option.set_value(chosen);
                option.on_click = std::move(handler);
            }
        }
        for (std::size_t i = 0; i < kept->controls.size(); ++i) {
            Control& c = *form->controls()[i];
            const ControlState& s = kept->controls[i];
            c.caption = s.caption;
            c.visible = s.visible;
            c.set_geometry(s.geometry);
            if (c.kind() == ControlKind::scrollbar) {
                auto& bar = static_cast<ScrollBar&>(c);
                Event handler = std::exchange(bar.on_change, nullptr);
                bar.set_min(s.min);
                bar.set_max(s.max);
                bar.set_value(s.value);
                bar.on_change = std::move(handler);
            } else if (c.kind() == ControlKind::menuitem) {
                static_cast<MenuItem&>(c).checked = bool(s.value);
            } else if (c.kind() == ControlKind::picture) {
                static_cast<PictureBox&>(c).surface().restore(*s.picture);
            }
        }
    }
}

}  // namespace rainbow

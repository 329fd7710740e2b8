#include "soak/soak_checks.h"

#include <unistd.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <variant>

#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/format.h"
#include "forms/surface.h"

namespace rainbow {
namespace {

std::string whole(int v) { return format_number(v, "0"); }

int bar_value(const Form& form, const char* name) {
    return static_cast<const ScrollBar&>(*form.find(name)).value();
}

const std::string& caption_of(const Form& form, const char* name) {
    return form.find(name)->caption;
}

// The label's caption is one of `allowed`: the texts the window's handlers write for the
// control's present value (or the label's name, before any handler has written it).
void expect_caption(const Form& form, const char* label, const std::vector<std::string>& allowed,
                    std::vector<std::string>& problems) {
    const std::string& caption = caption_of(form, label);
    if (std::find(allowed.begin(), allowed.end(), caption) != allowed.end()) return;
    problems.push_back(form.name() + "." + label + " shows '" + caption + "', expected '" +
                       allowed.front() + "'");
}

void main_window_labels(const Form& form, std::vector<std::string>& problems) {
    expect_caption(form, "Label4", {"No of rays = " + whole(bar_value(form, "arithaktinon"))},
                   problems);
    expect_caption(form, "Label2",
                   {"# REFLECTIONS ΑΝΑΚΛΑΣΕΙΣ= " + whole(bar_value(form, "arithanak"))}, problems);
    const std::string angle = whole(bar_value(form, "goniatheta"));
    expect_caption(form, "Label1",
                   {"ANGLE OR RAY γωνία που κάνει η ακτίνα με οριζόντιο=" + angle,
                    "INCIDENCE ANGLE γωνία ΠΡΟΣΠΤΩΣΗΣ=" + angle,
                    "γωνία που κάνει η ακτίνα με οριζόντιο=" + angle},
                   problems);
    const std::string height = whole(bar_value(form, "Ycthesi"));
    expect_caption(form, "Label5", {"Yc =" + height, "Yc=" + height, "Label5"}, problems);
    expect_caption(form, "Label6", {"Ysource = " + whole(bar_value(form, "psipigi")), "Label6"},
                   problems);
    if (form.find("Label3")->visible) {
        switch (bar_value(form, "HScroll1")) {
            case 1:
                expect_caption(form, "Label3",
                               {"Every 4th ray in central cone", "every 4th ray in central cone"},
                               problems);
                break;
            case 2:
                expect_caption(form, "Label3", {"Every 2th ray in central cone"}, problems);
                break;
            default: expect_caption(form, "Label3", {"Every ray in central cone"}, problems); break;
        }
    }
}

void crossing_labels(const Form& form, std::vector<std::string>& problems) {
    // The incidence angles of Label1 and Label2 come out of the traced rays; the index is the
    // scroll bar's hundredths.
    expect_caption(form, "Label3",
                   {"index = " + format_number(bar_value(form, "allagideikth") / 100.0, "0.00")},
                   problems);
}

void caustics_labels(const Form& form, std::vector<std::string>& problems) {
    const std::string radius = whole(bar_value(form, "AKTIN"));
    expect_caption(form, "Label1", {"AKTINA = " + radius, "R = " + radius}, problems);
    const int hundredths = bar_value(form, "timhv");
    const std::string wavelength = format_number(hundredths / 100.0, "0.00");
    expect_caption(form, "Label2",
                   {"V =" + wavelength, "V= " + wavelength, "v = " + whole(hundredths)}, problems);
}

double extent(const Scale& s) {
    return std::max({std::fabs(s.x1), std::fabs(s.x2), std::fabs(s.y1), std::fabs(s.y2),
                     std::fabs(s.width()), std::fabs(s.height())});
}

}  // namespace

std::vector<std::string> label_disagreements(Program& program) {
    std::vector<std::string> problems;
    for (Form* form : program.forms()) {
        if (form->name() == "arxiki") main_window_labels(*form, problems);
        if (form->name() == "cut_rays" && program.settings().cut_rays_built) {
            crossing_labels(*form, problems);
        }
        if (form->name() == "kafstikh" && form->shown) caustics_labels(*form, problems);
    }
    return problems;
}

std::vector<std::string> DisplayListCheck::check(Program& program) {
    std::vector<std::string> problems;
    for (Form* form : program.forms()) {
        if (const Surface* client = form->client_surface()) {
            check_surface(form->name() + ".client", *client, problems);
        }
        for (const auto& control : form->controls()) {
            if (control->kind() != ControlKind::picture) continue;
            check_surface(form->name() + "." + control->name(),
                          static_cast<const PictureBox&>(*control).surface(), problems);
        }
    }
    return problems;
}

void DisplayListCheck::check_surface(const std::string& name, const Surface& surface,
                                     std::vector<std::string>& problems) {
    const auto& items = surface.items();
    Read& read = read_[&surface];
    if (read.generation != surface.generation() || read.items > items.size() || read.items == 0) {
        read = Read{surface.generation(), 0, surface.base_scale()};
    }
    most_items_ = std::max(most_items_, items.size());
    if (items.size() > largest_picture_items) {
        problems.push_back(name + " holds " + std::to_string(items.size()) + " items");
    }
    Scale& scale = read.scale;
    for (std::size_t i = read.items; i < items.size(); ++i) {
        std::array<float, 4> coordinates{};
        std::size_t count = 0;
        std::visit(
            [&](const auto& item) {
                using T = std::decay_t<decltype(item)>;
                if constexpr (std::is_same_v<T, ScaleItem> || std::is_same_v<T, LineItem> ||
                              std::is_same_v<T, ImageItem>) {
                    coordinates = {item.x1, item.y1, item.x2, item.y2};
                    count = 4;
                } else if constexpr (std::is_same_v<T, CircleItem>) {
                    coordinates = {item.x, item.y, item.r};
                    count = 3;
                } else {
                    coordinates = {item.x, item.y};
                    count = 2;
                }
            },
            items[i]);
        // A scale sets the picture's coordinates afresh (a plot of intensity may span
        // millions): its own numbers need only be finite.
        const bool new_scale = std::holds_alternative<ScaleItem>(items[i]);
        const double size = std::max(extent(scale), 1e-9);
        for (std::size_t k = 0; k < count; ++k) {
            const float v = coordinates[k];
            const double far = new_scale ? 0.0 : std::fabs(double(v)) / size;
            if (std::isfinite(v) && far <= absurd_factor) {
                farthest_ = std::max(farthest_, far);
                continue;
            }
            problems.push_back(name + " item " + std::to_string(i) + " has the coordinate " +
                               std::to_string(v) + " in a picture of extent " +
                               std::to_string(size));
            break;
        }
        if (const auto* s = std::get_if<ScaleItem>(&items[i]))
            scale = Scale{s->x1, s->y1, s->x2, s->y2};
    }
    read.items = items.size();
}

std::size_t resident_bytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    if (!(statm >> pages >> resident)) return 0;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace rainbow

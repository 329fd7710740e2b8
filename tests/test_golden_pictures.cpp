// Every view of tests/golden/views.txt, replayed through the program's own controls, must draw
// exactly the items of its golden file (scripts/update-goldens writes them with the render
// command). A picture that changes on purpose is regenerated and its diff reviewed.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/state_json.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "json_reader.h"

namespace rainbow {
namespace {

using testing::Json;
using testing::read_json;

struct View {
    std::string name;
    std::vector<std::string> steps;  // the render command's words: --click X, --set X=V
};

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<View> golden_views() {
    std::istringstream table(read_file(GOLDEN_DIR "/views.txt"));
    std::vector<View> views;
    for (std::string line; std::getline(table, line);) {
        std::istringstream words(line);
        View view;
        if (!(words >> view.name) || view.name.front() == '#') continue;
        for (std::string word; words >> word;) view.steps.push_back(word);
        views.push_back(view);
    }
    return views;
}

Control& control_at(Program& program, const std::string& path) {
    const auto dot = path.find('.');
    Form* form = program.find_form(path.substr(0, dot));
    if (form == nullptr) throw std::runtime_error("no window for " + path);
    Control* control = form->find(path.substr(dot + 1));
    if (control == nullptr) throw std::runtime_error("no control " + path);
    return *control;
}

// A click, or a value set, on a control, as the render command's user gives them.
void apply(Program& program, const std::string& option, const std::string& argument) {
    const auto eq = argument.find('=');
    Control& control = control_at(program, argument.substr(0, eq));
    switch (control.kind()) {
        case ControlKind::scrollbar:
            static_cast<ScrollBar&>(control).set_value(std::stoi(argument.substr(eq + 1)));
            return;
        case ControlKind::button: return static_cast<CommandButton&>(control).click();
        case ControlKind::option: return static_cast<OptionButton&>(control).click();
        case ControlKind::menuitem: return static_cast<MenuItem&>(control).click();
        default: throw std::runtime_error(option + " " + argument + ": cannot act on it");
    }
}

// The items of every picture of every window, keyed as the golden files key them.
Json pictures_of(Program& program) {
    std::ostringstream text;
    write_state_json(program, text);
    const Json state = read_json(text.str());
    Json forms = Json::object();
    for (const auto& [form, body] : state["forms"].items()) {
        Json pictures = Json::object();
        for (const auto& [picture, content] : body["pictures"].items()) {
            pictures[picture] = content["items"];
        }
        forms[form] = pictures;
    }
    return forms;
}

// Names the first picture and item where the two documents part.
std::string first_difference(const Json& actual, const Json& golden) {
    for (const auto& [form, pictures] : golden.items()) {
        if (!actual.contains(form)) return "window " + form + " is missing";
        for (const auto& [picture, items] : pictures.items()) {
            if (!actual[form].contains(picture)) return form + "." + picture + " is missing";
            const Json& now = actual[form][picture];
            const Json& then = items;
            for (std::size_t i = 0; i < std::min(now.size(), then.size()); ++i) {
                if (!(now[i] == then[i])) {
                    return form + "." + picture + ": item " + std::to_string(i) + " (" +
                           then[i]["op"].get<std::string>() + ") differs";
                }
            }
            if (now.size() != then.size()) {
                return form + "." + picture + ": " + std::to_string(now.size()) +
                       " items instead of " + std::to_string(then.size());
            }
        }
    }
    return "a window or picture that the golden file does not have";
}

TEST(GoldenPictures, EveryViewDrawsItsGoldenItems) {
    const std::vector<View> views = golden_views();
    ASSERT_GE(views.size(), 8u);
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        Program program;
        for (std::size_t i = 0; i + 1 < view.steps.size(); i += 2) {
            apply(program, view.steps[i], view.steps[i + 1]);
        }
        const Json actual = pictures_of(program);
        const Json golden = read_json(read_file(GOLDEN_DIR "/" + view.name + ".json"));
        EXPECT_TRUE(actual == golden) << first_difference(actual, golden);
    }
}

}  // namespace
}  // namespace rainbow

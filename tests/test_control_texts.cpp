#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "app/state_json.h"
#include "forms/control_texts.h"
#include "forms/form.h"
#include "rainbow/main_window.h"

namespace rainbow {
namespace {

Program& with_every_window(Program& program) {
    program.arxiki().Command5.click();
    program.arxiki().Command6.click();
    return program;
}

// A control that can be without a caption must be named by its role for a screen reader.
bool may_lack_a_caption(ControlKind kind) {
    return kind == ControlKind::scrollbar || kind == ControlKind::picture ||
           kind == ControlKind::frame || kind == ControlKind::label;
}

TEST(ControlTexts, EveryControlOfEveryWindowSaysWhatItDoes) {
    Program program;
    std::set<std::string> forms;
    for (const Form* form : with_every_window(program).forms()) {
        forms.insert(form->name());
        for (const auto& c : form->controls()) {
            SCOPED_TRACE(form->name() + "." + c->name());
            EXPECT_GT(c->description.tooltip.size(), 20u);
            if (may_lack_a_caption(c->kind())) {
                EXPECT_FALSE(c->description.role.empty());
            }
        }
        if (form->client_surface() != nullptr) {
            SCOPED_TRACE(form->name() + ".client");
            EXPECT_FALSE(form->client_description.role.empty());
            EXPECT_FALSE(form->client_description.tooltip.empty());
        }
    }
    EXPECT_EQ(forms, (std::set<std::string>{"arxiki", "cut_rays", "kafstikh"}));
}

TEST(ControlTexts, ScrollBarTooltipsGiveTheirRange) {
    Program program;
    for (const Form* form : with_every_window(program).forms()) {
        for (const auto& c : form->controls()) {
            if (c->kind() != ControlKind::scrollbar) continue;
            SCOPED_TRACE(form->name() + "." + c->name());
            EXPECT_NE(c->description.tooltip.find(" to "), std::string::npos);
        }
    }
}

TEST(ControlTexts, ANameTheWindowDoesNotHaveIsRefused) {
    Form form("f", "F", Geometry{0, 0, 1000, 1000});
    form.add<Label>("Label1", Geometry{}, "");
    const ControlText renamed[] = {{"Label1", "Role", "Tooltip"}, {"Label9", "Role", "Tooltip"}};
    EXPECT_THROW(describe_controls(form, renamed), std::logic_error);
}

TEST(ControlTexts, TheJsonStateWritesEachTooltipAsItsTranslatorGivesIt) {
    Program program;
    std::ostringstream english, translated;
    write_state_json(program, english);
    write_state_json(program, translated, [](std::string_view context, std::string_view source) {
        return "[" + std::string(context) + "]" + std::string(source);
    });
    const std::string& tooltip = program.arxiki().goniatheta.description.tooltip;
    EXPECT_NE(english.str().find("\"tooltip\":\"" + tooltip + "\""), std::string::npos);
    EXPECT_NE(translated.str().find("\"tooltip\":\"[arxiki]" + tooltip + "\""), std::string::npos);
}

}  // namespace
}  // namespace rainbow

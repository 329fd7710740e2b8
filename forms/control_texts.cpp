#include "forms/control_texts.h"

#include <stdexcept>
#include <string>

#include "forms/form.h"

namespace rainbow {

std::string translate_text(const Translate& translate, std::string_view context,
                           std::string_view source) {
    return translate && !source.empty() ? translate(context, source) : std::string(source);
}

void describe_controls(Form& form, std::span<const ControlText> table) {
    for (const ControlText& row : table) {
        Description description{std::string(row.role), std::string(row.tooltip)};
        if (row.control == "client") {
            form.client_description = std::move(description);
        } else if (Control* control = form.find(row.control)) {
            control->description = std::move(description);
        } else {
            throw std::logic_error(form.name() + " has no control " + std::string(row.control));
        }
    }
}

}  // namespace rainbow

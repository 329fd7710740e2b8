#include "app/state_json.h"

#include "app/program.h"
#include "forms/form.h"
#include "forms/json_writer.h"

namespace rainbow {

void write_state_json(Program& program, std::ostream& out, const Translate& translate) {
    JsonOut json(out);
    json.open('{');
    json.line(0);
    write_settings_json(json, program.settings());
    json.line(0);
    json.key("forms").open('{');
    for (Form* form : program.forms()) write_form_json(json, *form, translate);
    json.close('}');
    json.close('}');
    out << '\n';
}

}  // namespace rainbow

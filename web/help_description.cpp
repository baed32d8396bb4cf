#include "help_description.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "command_table.h"
#include "help_text.h"
#include "json_text.h"
#include "spin_ranges.h"

namespace quorvel {
namespace {

// The licence file the site serves beside each web font, by the family the help names.
constexpr struct {
    std::string_view family;
    std::string_view file;
} font_licence_files[] = {
    {"Liberation Serif, Liberation Sans", "fonts/LICENSE-serif.txt"},
    {"IPAPGothic (IPA fonts)", "fonts/LICENSE-gothic.txt"},
};

}  // namespace

std::string help_description(const FormState& state) {
    const SpinRangeOf range_of = spin_ranges(state);
    const FormNumberOf number_of = form_numbers(state);
    const HelpText& help = help_text();
    JsonText json;
    json.begin_object()
        .field("title", help.title)
        .field("intro", help.intro)
        .field("steps_heading", help.steps_heading)
        .key("steps")
        .begin_array();
    for (const std::string_view step : help.steps) {
        json.value(help_prose(step, range_of, number_of));
    }
    json.end_array().field("glossary_heading", help.glossary_heading).key("glossary").begin_array();
    for (const HelpTerm& term : help.glossary) {
        json.begin_array()
            .value(term.term)
            .value(meaning_of(term, range_of, number_of))
            .end_array();
    }
    json.end_array()
        .field("readout_heading", help.readout_heading)
        .field("readout", help_prose(help.readout, range_of, number_of))
        .field("keys_heading", help.keys_heading)
        .key("keys")
        .begin_array();
    for (const KeyLine& key : key_lines(Shell::web)) {
        json.begin_array().value(key.keys).value(key.action).end_array();
    }
    const HelpAbout& about = help.about;
    json.end_array()
        .field("about_heading", help.about_heading)
        .key("about")
        .begin_object()
        .field("program", about.program)
        .field("summary", about.summary)
        .field("version", about.version)
        .field("copyright", about.copyright)
        .field("licence", about.licence)
        .key("fonts")
        .begin_array();
    for (const HelpFont& font : about.fonts) {
        json.begin_object().field("family", font.family).field("licence", font.licence).key("file");
        const auto* known =
            std::find_if(std::begin(font_licence_files), std::end(font_licence_files),
                         [&](const auto& row) { return row.family == font.family; });
        if (known != std::end(font_licence_files)) {
            json.value(known->file);
        } else {
            json.null();
        }
        json.end_object();
    }
    json.end_array().end_object().end_object();
    return json.text();
}

}  // namespace quorvel

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "command_table.h"
#include "spin_range.h"

namespace quorvel {

// The "How to use" text, written once and shown by every shell: the road of one
// exercise, what each tag and plot of the window shows, how to read S/T, the keys, and
// what the program is and under which licences it and its fonts come. Plain data in the
// order a reader meets it; a shell chooses only the typography.

// One tag or part of the window and what it shows. The meaning tells spin buttons'
// bounds as placeholders (range_prose.h): a shell shows meaning_of(term).
struct HelpTerm {
    std::string_view term;
    std::string_view meaning;
};

// A font the window's text is set in and the licence it comes under.
struct HelpFont {
    std::string_view family;
    std::string_view licence;
};

struct HelpAbout {
    std::string_view program;  // "Quorvel"
    std::string_view summary;  // what it is, in a few words
    std::string_view version;  // the build's project version, "0.1.0"
    std::string_view copyright;
    std::string_view licence;  // the program's licence and where its text is
    std::span<const HelpFont> fonts;
};

struct HelpText {
    std::string_view title;
    std::string_view intro;
    std::string_view steps_heading;
    std::span<const std::string_view> steps;  // numbered 1, 2, … in this order
    std::string_view glossary_heading;
    std::span<const HelpTerm> glossary;
    std::string_view readout_heading;
    std::string_view readout;       // why S/T can read 2.9999 for 3
    std::string_view keys_heading;  // over the shell's key_lines (command_table.h)
    std::string_view about_heading;
    HelpAbout about;
};

const HelpText& help_text();

// A glossary meaning as shown, with the bounds it tells taken from range_of and the form's
// numbers from number_of.
std::string meaning_of(const HelpTerm& term, const SpinRangeOf& range_of,
                       const FormNumberOf& number_of);

// A step or the readout's explanation as shown: the numbers it tells are the form's.
std::string help_prose(std::string_view prose, const SpinRangeOf& range_of,
                       const FormNumberOf& number_of);

}  // namespace quorvel

// The help text every shell shows: it names what the window shows and what the student
// presses, lists the zoom steps the shells offer, and carries the build's version.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "case_name.h"
#include "command_table.h"
#include "help_text.h"
#include "layout.h"
#include "zoom_steps.h"

namespace quorvel {
namespace {

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The tags a glossary term stands for: "C0 … C4" for C0, C1, C2, C3 and C4.
std::vector<std::string> tags_of(std::string_view term) {
    constexpr std::string_view to = " … ";
    const auto dots = term.find(to);
    if (dots == std::string_view::npos) {
        return {std::string(term)};
    }
    const std::string_view first = term.substr(0, dots);
    const std::string_view last = term.substr(dots + to.size());
    std::vector<std::string> out;
    for (char digit = first.back(); digit <= last.back(); ++digit) {
        out.push_back(std::string(first.substr(0, first.size() - 1)) + digit);
    }
    return out;
}

std::string all_text(const HelpText& help) {
    std::string out(help.intro);
    for (const std::string_view step : help.steps) {
        out += ' ';
        out += step;
    }
    for (const HelpTerm& term : help.glossary) {
        out += ' ';
        out += term.meaning;
    }
    return out;
}

// Every tag written over a plot (W0, C3, S1, …), the "T" marks and the chart's title
// are explained.
TEST(HelpText, GlossaryExplainsEveryTagOfTheWindow) {
    std::vector<std::string> explained;
    for (const HelpTerm& term : help_text().glossary) {
        EXPECT_FALSE(term.meaning.empty()) << term.term;
        for (std::string& tag : tags_of(term.term)) {
            explained.push_back(std::move(tag));
        }
    }
    for (const ControlRow& row : layout_table()) {
        const bool tag =
            row.name.name == "Label25" || row.name.name == "Label26" || row.name.name == "Label27";
        if (tag && row.visible) {
            EXPECT_NE(std::find(explained.begin(), explained.end(), row.caption), explained.end())
                << row.caption;
        }
    }
}

// The steps and the glossary speak of every button by the caption the window shows.
TEST(HelpText, NamesEveryButtonByItsCaption) {
    const std::string text = all_text(help_text());
    for (const ControlRow& row : layout_table()) {
        if (row.kind == ControlKind::push_button || row.kind == ControlKind::option_button) {
            EXPECT_TRUE(contains(text, row.caption)) << row.caption;
        }
    }
}

// Numbers are told only in the steps, the glossary and the readout, the parts a shell
// fills in (help_prose, meaning_of): a placeholder anywhere else would be shown as written.
TEST(HelpText, TellsNumbersOnlyWhereAShellFillsThem) {
    const HelpText& help = help_text();
    std::vector<std::string_view> parts = {help.title, help.intro, help.about.summary,
                                           help.about.licence};
    std::vector<KeyLine> lines = key_lines(Shell::desktop, Catalogue{});
    for (KeyLine& line : key_lines(Shell::web, Catalogue{})) {
        lines.push_back(std::move(line));
    }
    for (const KeyLine& line : lines) {
        parts.push_back(line.keys);
        parts.push_back(line.action);
    }
    for (const std::string_view part : parts) {
        EXPECT_FALSE(contains(part, "{")) << part;
    }
}

TEST(HelpText, IsAWholeExerciseWithTheReadoutExplained) {
    const HelpText& help = help_text();
    ASSERT_GE(help.steps.size(), 5U);
    EXPECT_TRUE(contains(help.steps.front(), "Example Wave"));
    EXPECT_TRUE(contains(help.steps[1], "CALC"));
    EXPECT_TRUE(contains(help.steps.back(), "RESET"));
    EXPECT_TRUE(contains(help.readout, "2.9999"));
    EXPECT_TRUE(contains(help.readout, "floored"));
}

std::string zoom_steps_text() {
    std::string steps;
    for (const int step : zoom_steps) {
        steps += (steps.empty() ? "" : ", ") + std::to_string(step);
    }
    return steps;
}

// What a shell's key list says: each of its keys and actions, one per line.
std::string keys_of(Shell shell) {
    std::string out;
    for (const KeyLine& key : key_lines(shell, Catalogue{})) {
        out += key.keys + ": " + std::string(key.action) + '\n';
    }
    return out;
}

// Each shell lists the keys that work in it, and each key once: the desktop its own zoom
// steps and a menu that offers them; the web page the browser's zoom and a menu without
// it. Both copy a picture of the window.
struct ShellKeysCase {
    const char* name;
    Shell shell;
    std::vector<std::string> says;
    std::vector<std::string> never_says;
};

void PrintTo(const ShellKeysCase& c, std::ostream* os) {
    *os << c.name;
}

class ShellKeys : public ::testing::TestWithParam<ShellKeysCase> {};

TEST_P(ShellKeys, ListOnlyWhatWorksInTheShell) {
    const std::string listed = keys_of(GetParam().shell);
    for (const std::string& part : GetParam().says) {
        EXPECT_TRUE(contains(listed, part)) << part << " missing from\n" << listed;
    }
    for (const std::string& part : GetParam().never_says) {
        EXPECT_FALSE(contains(listed, part)) << part << " listed in\n" << listed;
    }
    std::vector<std::string> names;
    for (const KeyLine& key : key_lines(GetParam().shell, Catalogue{})) {
        EXPECT_EQ(std::count(names.begin(), names.end(), key.keys), 0) << key.keys;
        names.push_back(key.keys);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShellKeys,
    ::testing::Values(
        ShellKeysCase{"desktop",
                      Shell::desktop,
                      {"F1: Open this help", "Esc: Close this help",
                       "Ctrl+= or Ctrl++: Zoom in: " + zoom_steps_text(), "Ctrl+0: Back to 100 %",
                       "Ctrl+C: Copy a picture", "Ctrl+Alt+H: High contrast on or off",
                       "Tab, Shift+Tab", "Up, Down",
                       "Right click, Menu key: The menu with help, zoom, high contrast, the "
                       "language, copy picture, the exercise codes and printing"},
                      {"browser"}},
        ShellKeysCase{"web",
                      Shell::web,
                      {"F1: Open this help", "Esc: Close this help",
                       "Ctrl+= or Ctrl++: Zoom in, in the browser's own steps", "Ctrl+-: Zoom out",
                       "Ctrl+0: Back to 100 %", "Ctrl+C: Copy a picture",
                       "Ctrl+Alt+H: High contrast on or off", "Tab, Shift+Tab", "Up, Down",
                       "Right click, Menu key: The menu with help, high contrast, copy picture, "
                       "the language, the exercise codes and printing"},
                      {zoom_steps_text(), "zoom and"}}),
    testing::CaseName{});

// The version of the newest release in the package's changelog: its first line reads
// "quorvel (0.1.0) unstable; urgency=medium".
std::string changelog_version() {
    std::ifstream changelog(QUORVEL_CHANGELOG);
    std::string first;
    std::getline(changelog, first);
    const std::size_t open = first.find('(');
    const std::size_t close = first.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return "";
    }
    return first.substr(open + 1, close - open - 1);
}

TEST(HelpText, AboutGivesTheNewestReleasesVersionAndTheLicences) {
    const HelpAbout& about = help_text().about;
    const std::string released = changelog_version();
    ASSERT_FALSE(released.empty()) << "no version in " << QUORVEL_CHANGELOG;
    EXPECT_EQ(about.version, released);
    EXPECT_TRUE(contains(about.licence, "MIT"));
    ASSERT_EQ(about.fonts.size(), 2U);
    EXPECT_TRUE(contains(about.fonts[0].licence, "SIL Open Font License 1.1"));
    EXPECT_TRUE(contains(about.fonts[1].licence, "IPA Font License"));
}

struct ZoomCase {
    const char* name;
    int from;
    int in;
    int out;
};

void PrintTo(const ZoomCase& c, std::ostream* os) {
    *os << c.name;
}

class ZoomStep : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomStep, MovesOneStepAndStopsAtTheEnds) {
    EXPECT_EQ(zoom_in(GetParam().from), GetParam().in);
    EXPECT_EQ(zoom_out(GetParam().from), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomStep,
                         ::testing::Values(ZoomCase{"actual_size", 100, 125, 100},
                                           ZoomCase{"first_step", 125, 150, 100},
                                           ZoomCase{"double", 200, 250, 150},
                                           ZoomCase{"largest", 300, 300, 250},
                                           ZoomCase{"between_steps", 180, 200, 150},
                                           ZoomCase{"below_the_steps", 50, 100, 100},
                                           ZoomCase{"above_the_steps", 400, 300, 300}),
                         testing::CaseName{});

// The numbers the steps and the readout tell are the form's: filled from a form whose
// largest coefficient and circle constant were other numbers, the text shows those and
// not the start values.
TEST(HelpText, TellsTheFormsOwnNumbers) {
    const SpinRangeOf no_spin = [](ControlName) { return std::optional<SpinRange>{}; };
    const FormNumberOf other_form = [](std::string_view name) -> std::optional<std::string> {
        if (name == "coef_max") {
            return "7";
        }
        if (name == "pi") {
            return "3.5";
        }
        return std::nullopt;
    };
    const HelpText& help = help_text();
    std::string steps;
    for (const std::string_view step : help.steps) {
        steps += help_prose(step, no_spin, other_form, Catalogue{});
    }
    const std::string readout = help_prose(help.readout, no_spin, other_form, Catalogue{});
    EXPECT_TRUE(contains(steps, "from 1 to 7")) << steps;
    EXPECT_FALSE(contains(steps, "10")) << steps;
    EXPECT_TRUE(contains(readout, "taken as 3.5")) << readout;
    EXPECT_FALSE(contains(readout, "3.14159")) << readout;
    // Without the form's numbers a step cannot be shown at all.
    EXPECT_THROW(for (const std::string_view step
                      : help.steps) help_prose(step, no_spin, {}, Catalogue{}),
                 std::logic_error);
}

}  // namespace
}  // namespace quorvel

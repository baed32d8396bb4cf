// The help text every shell shows: it names what the window shows and what the student
// presses, lists the zoom steps the shells offer, and carries the build's version.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

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

TEST(HelpText, IsAWholeExerciseWithTheReadoutExplained) {
    const HelpText& help = help_text();
    ASSERT_GE(help.steps.size(), 5U);
    EXPECT_TRUE(contains(help.steps.front(), "Example Wave"));
    EXPECT_TRUE(contains(help.steps[1], "CALC"));
    EXPECT_TRUE(contains(help.steps.back(), "RESET"));
    EXPECT_TRUE(contains(help.readout, "2.9999"));
    EXPECT_TRUE(contains(help.readout, "floored"));
}

TEST(HelpText, KeysListTheZoomStepsTheShellsOffer) {
    std::string steps;
    for (const int step : zoom_steps) {
        steps += (steps.empty() ? "" : ", ") + std::to_string(step);
    }
    const auto& keys = help_text().keys;
    EXPECT_TRUE(std::any_of(keys.begin(), keys.end(), [&](const HelpKey& key) {
        return contains(key.action, steps);
    })) << steps;
}

TEST(HelpText, AboutGivesTheBuildsVersionAndTheLicences) {
    const HelpAbout& about = help_text().about;
    EXPECT_EQ(about.version, QUORVEL_EXPECTED_VERSION);
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

INSTANTIATE_TEST_SUITE_P(
    Steps, ZoomStep,
    ::testing::Values(ZoomCase{"actual_size", 100, 125, 100}, ZoomCase{"first_step", 125, 150, 100},
                      ZoomCase{"double", 200, 250, 150}, ZoomCase{"largest", 300, 300, 250},
                      ZoomCase{"between_steps", 180, 200, 150},
                      ZoomCase{"below_the_steps", 50, 100, 100},
                      ZoomCase{"above_the_steps", 400, 300, 300}),
    [](const ::testing::TestParamInfo<ZoomCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quorvel

// Prose with spin buttons' bounds left out takes them from the ranges it is given: its own
// button's, or a named one's, with the minus sign the reader needs; a placeholder that
// names no bound is refused rather than shown.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "case_name.h"
#include "range_prose.h"

namespace quorvel {
namespace {

// Two buttons, one of them reaching below zero.
std::optional<SpinRange> two_buttons(ControlName spin) {
    if (spin == ControlName{"Spin_x"}) {
        return SpinRange{-3, 7, 2};
    }
    if (spin == ControlName{"Spin_y"}) {
        return SpinRange{10, 40, 10};
    }
    return std::nullopt;
}

struct ProseCase {
    std::string name;
    std::string_view prose;
    std::string_view minus;
    std::string shown;  // "" for a prose that is refused
};

void PrintTo(const ProseCase& c, std::ostream* out) {
    *out << c.name;
}

class Prose : public ::testing::TestWithParam<ProseCase> {};

TEST_P(Prose, IsFilledOrRefused) {
    const ProseCase& c = GetParam();
    if (c.shown.empty()) {
        EXPECT_THROW(with_ranges(c.prose, two_buttons, c.minus, {"Spin_x"}), std::logic_error);
    } else {
        EXPECT_EQ(with_ranges(c.prose, two_buttons, c.minus, {"Spin_x"}), c.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, Prose,
    ::testing::Values(
        ProseCase{"own_bounds", "Steps x by {step} ({min} to {max})", "-",
                  "Steps x by 2 (-3 to 7)"},
        ProseCase{"named_bounds", "k = {Spin_y.min} … {Spin_y.max}", "−", "k = 10 … 40"},
        ProseCase{"typeset_minus", "from {Spin_x.min} to {Spin_x.max}", "−", "from −3 to 7"},
        ProseCase{"no_placeholder", "The example's level", "-", "The example's level"},
        ProseCase{"unknown_button", "({Spin_z.min})", "-", ""},
        ProseCase{"unknown_bound", "({Spin_y.mid})", "-", ""},
        ProseCase{"unclosed", "({Spin_y.max)", "-", ""}),
    testing::CaseName{});

// Unqualified bounds belong to the button the prose describes; a text of no button has
// none.
TEST(Prose, WithoutItsOwnButtonHasNoOwnBounds) {
    EXPECT_THROW(with_ranges("({min} to {max})", two_buttons, "-"), std::logic_error);
}

}  // namespace
}  // namespace quorvel

#pragma once

#include <optional>

#include "form_state.h"
#include "ui.h"

namespace quorvel {

// The numbers a spin button's handlers keep its value between, and how far one press
// moves it. The buttons themselves hold no value; assistive tools show these bounds.
struct SpinRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    friend constexpr bool operator==(SpinRange, SpinRange) = default;
};

// The range of one of the twelve spin buttons, read from the form's constants; nullopt
// for any other control. Meaningful once Form_Load has set those constants.
std::optional<SpinRange> spin_range(const FormState& state, ControlName spin);

}  // namespace quorvel

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui.h"

namespace quorvel {

// The numbers a spin button's handlers keep its value between, and how far one press
// moves it. The buttons themselves hold no value; assistive tools show these bounds and
// the texts that describe a button tell them.
struct SpinRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    friend constexpr bool operator==(SpinRange, SpinRange) = default;
};

// Where a text finds the range of a spin button it speaks of: nullopt for a control that
// is no spin button. The form holds the ranges; this layer only asks for them.
using SpinRangeOf = std::function<std::optional<SpinRange>(ControlName)>;

// Where a text finds a number the form holds that bounds no spin button ("coef_max",
// "pi"), written as the window writes it; nullopt for a name the form does not hold.
using FormNumberOf = std::function<std::optional<std::string>(std::string_view name)>;

}  // namespace quorvel

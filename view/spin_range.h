#pragma once

#include <functional>
#include <optional>

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

}  // namespace quorvel

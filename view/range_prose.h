#pragma once

#include <string>
#include <string_view>

#include "spin_range.h"
#include "ui.h"

namespace quorvel {

// Prose that tells spin buttons' bounds, written without the numbers: "{Spin_k.min}",
// "{Spin_k.max}" and "{Spin_k.step}" stand for that bound of that button, and "{min}",
// "{max}" and "{step}" for the bound of `own`, the button the prose describes. So a text
// always says what the handlers really keep. A negative number is written with `minus`
// in front of its digits ("-" for a screen reader, "−" for typeset text). Any other name
// in braces ("{coef_max}", "{pi}") is a number the form holds, taken from number_of. A
// placeholder that names neither is a fault of the text: std::logic_error.
std::string with_ranges(std::string_view prose, const SpinRangeOf& range_of, std::string_view minus,
                        ControlName own = {}, const FormNumberOf& number_of = {});

}  // namespace quorvel

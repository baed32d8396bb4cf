#pragma once

#include <optional>

#include "form_state.h"
#include "spin_range.h"
#include "ui.h"

namespace quorvel {

// The range of one of the twelve spin buttons, read from the form's constants; nullopt
// for any other control. Meaningful once Form_Load has set those constants.
std::optional<SpinRange> spin_range(const FormState& state, ControlName spin);

// spin_range over a state that outlives the lookup, for the texts that tell the bounds.
SpinRangeOf spin_ranges(const FormState& state);

// The form's numbers that texts tell by name, written as the window writes them:
// "coef_max" (the largest coefficient, the plots' half-range) and "pi" (the circle
// constant every plot and mean is computed with), over a state that outlives the lookup.
FormNumberOf form_numbers(const FormState& state);

}  // namespace quorvel

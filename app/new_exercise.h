#pragma once

namespace quorvel {

class Form;

// A new example at the current level: new coefficients and their plots, answers hidden,
// S/T emptied, the trial reset and the chart redrawn. n, k and cos/sin stay as they are.
void new_exercise(Form& f);

}  // namespace quorvel

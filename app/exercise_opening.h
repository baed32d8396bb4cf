#pragma once

#include <optional>
#include <string_view>

#include "exercise_code.h"

namespace quorvel {

class Form;

// Draws the form's next example from the random source, noting first where the source
// stood, so the exercise on the form always has a code.
void draw_example(Form& f);

// The exercise on the form: its level and where its example was drawn from.
Exercise current_exercise(const Form& f);

// Starts an exercise as a change of level does: the level shown, the random source set
// to the exercise's state, then a new example with answers hidden, S/T emptied and the
// trial reset. n, k and cos/sin stay as they are. The level must lie in 1 … max_order.
void start_exercise(Form& f, const Exercise& exercise);

// Reads a code with the form's own levels and starts its exercise; a code that names
// none leaves the form untouched and comes back as what is wrong with it.
std::optional<CodeError> open_exercise(Form& f, std::string_view code);

}  // namespace quorvel

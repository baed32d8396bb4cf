#pragma once

#include "value.h"

namespace quorvel {

class Form;

// The plot of one trial harmonic n (1 … 4): a_n·cos nθ on campus_a(n), b_n·sin nθ on
// campus_b(n), over a green axis.
void get_curve_a(Form& f, const Value& n);
void get_curve_b(Form& f, const Value& n);

}  // namespace quorvel

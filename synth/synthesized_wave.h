#pragma once

namespace quorvel {

class Form;

// The "Simulate Wave": the sum of all nine trial terms on campus_sim, computed exactly as
// the example wave is, so a trial equal to the example draws the same curve.
void get_curve(Form& f);

// The constant term a0 on campus_a(0): one black horizontal line over a green axis.
void get_const(Form& f);

}  // namespace quorvel

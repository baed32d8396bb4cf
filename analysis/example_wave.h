#pragma once

namespace quorvel {

class Form;

// Draws new random coefficients for the current level: a_i and b_i from 1 … coef_max for
// i ≤ lebel (drawn in the order a0, b0, a1, b1, …), 0 above it.
void init_value(Form& f);

// Plots the example wave on campus_ex.
void get_ex(Form& f);

}  // namespace quorvel

#pragma once

#include <string>

namespace quorvel {

class Form;

// Plots the example times the essential wave on campus_sqr.
void get_sqr(Form& f);

// Samples the product at k left edges θ_j = j·d_theta, draws the k rectangles over the
// curve and stores the mean Σ p(θ_j)·Δθ / T in s_over_t.
void calc_sqr(Form& f);

// The S/T readout: s_over_t cut to four decimals towards minus infinity (so a mean a hair
// below its exact value shows one unit less in the fourth decimal), as text.
std::string s_over_t_text(float s_over_t);

// k, the number of rectangles for the mean, 10 … div_k_max in steps of 10: each accepted
// step shows the new k, empties the S/T readout, works out the rectangles' width again
// and redraws the product; a press at a bound does nothing.
void Spin_k_SpinUp(Form& f);
void Spin_k_SpinDown(Form& f);

}  // namespace quorvel

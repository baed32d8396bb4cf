#pragma once

namespace quorvel {

class Form;

// The "Spectol" bar chart of the trial coefficients: a0 in dark orange at the left, then
// for each harmonic a red a_i bar left of x = i and a blue b_i bar right of it, each 1/3
// wide, standing on y = 0 with the signed coefficient as its height.
void get_graph(Form& f);

// Sets the whole trial back to 0, rewrites all ten value labels and redraws the harmonic
// plots and the Simulate Wave (the caller redraws the chart).
void reset_curve(Form& f);

// reset_curve without the Simulate Wave: start-up draws that later, after the example.
void reset_trial_terms(Form& f);

}  // namespace quorvel

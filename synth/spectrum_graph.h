#pragma once

namespace quorvel {

class Form;

// The "Spectol" bar chart of the trial coefficients: a0 in dark orange at the left, then
// for each harmonic a red a_i bar left of x = i and a blue b_i bar right of it, each 1/3
// wide, standing on y = 0 with the signed coefficient as its height.
void get_graph(Form& f);

}  // namespace quorvel

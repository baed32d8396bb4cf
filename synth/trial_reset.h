#pragma once

namespace quorvel {

class Form;

// Sets the whole trial back to 0, rewrites all ten value labels and redraws the harmonic
// plots and the Simulate Wave (the caller redraws the chart).
void reset_curve(Form& f);

// reset_curve without the Simulate Wave: start-up draws that later, after the example.
void reset_trial_terms(Form& f);

}  // namespace quorvel

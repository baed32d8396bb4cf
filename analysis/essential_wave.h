#pragma once

namespace quorvel {

class Form;

// Plots cos nθ or sin nθ on campus_ess (the constant 1 while n = 0).
void get_ess(Form& f);

// After n or the cos/sin choice changed: the old S/T no longer applies, and the
// essential wave and the product are redrawn.
void essential_wave_changed(Form& f);

// The order n of the essential wave, 0 … n_max: up and down by one, each accepted step
// shows the new n and redraws the essential wave and the product; a press at a bound
// does nothing.
void Spin_n_SpinUp(Form& f);
void Spin_n_SpinDown(Form& f);

}  // namespace quorvel

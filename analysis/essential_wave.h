#pragma once

namespace quorvel {

class Form;

// Plots cos nθ or sin nθ on campus_ess (the constant 1 while n = 0).
void get_ess(Form& f);

// After n or the cos/sin choice changed: the old S/T no longer applies, and the
// essential wave and the product are redrawn.
void essential_wave_changed(Form& f);

void Spin_n_SpinUp(Form& f);
void Spin_n_SpinDown(Form& f);

}  // namespace quorvel

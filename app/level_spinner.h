#pragma once

namespace quorvel {

class Form;

// The level (how many harmonics the example has), 1 … max_order; every accepted step
// starts a new exercise, a press at a bound does nothing at all.
void Spin_lebel_SpinUp(Form& f);
void Spin_lebel_SpinDown(Form& f);

}  // namespace quorvel

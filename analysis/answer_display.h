#pragma once

namespace quorvel {

class Form;

// Shows the example's true coefficients in ans_a / ans_b when ans_shown is set, hides
// them otherwise. ans_b(0) is never shown: there is no sine term of order 0.
void disp_ans(Form& f);

}  // namespace quorvel

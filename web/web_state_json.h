#pragma once

#include <string>

#include "form.h"

namespace quorvel {

// The form's state as the replay tool prints it after every event: the value labels'
// captions, y_axis, the answer labels and which are shown, the option buttons, and the
// form variables lebel, ess_n, div_k, d_theta, s_over_t, cos_mode, ans_shown, ex_a, ex_b,
// sim_a and sim_b; keys in the replay's order (sorted), numbers that read back exactly.
std::string web_state_json(const Form& form);

}  // namespace quorvel

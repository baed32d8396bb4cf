#pragma once

#include <string>
#include <string_view>

#include "form.h"
#include "runtime_fault.h"

namespace quorvel {

// What a user sees and what the form holds, as one line of compact JSON: the captions of
// the value labels, y_axis and the answer labels, which answer labels are visible, the
// two option buttons, and the form variables lebel, ess_n, div_k, d_theta, s_over_t,
// cos_mode, ans_shown, ex_a, ex_b, sim_a and sim_b; the code of the exercise on the form
// ("exercise"; null at a level no code carries); then the event that led to it and,
// when that event raised one, its fault. Keys come in byte order. Integers and 32-bit
// floats are JSON numbers that read back to the same value; a generic value is a number
// (a Boolean one true or false, an empty one null). Every shell writes its state lines
// with this one function, so their lines can be compared byte for byte.
std::string state_json(const Form& form, std::string_view event, const RuntimeFault* fault);

}  // namespace quorvel

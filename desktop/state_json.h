#pragma once

#include <QJsonObject>

#include "form.h"

namespace quorvel {

// What a user sees and what the form holds, as one JSON object: the captions of the
// value labels, y_axis and the answer labels, which answer labels are visible, the two
// option buttons, and the form variables lebel, ess_n, div_k, d_theta, s_over_t,
// cos_mode, ans_shown, ex_a, ex_b, sim_a and sim_b. Integers and 32-bit floats are JSON
// numbers that read back to the same value; a generic value is a number (a Boolean one
// true or false, an empty one null).
QJsonObject state_json(const Form& form);

}  // namespace quorvel

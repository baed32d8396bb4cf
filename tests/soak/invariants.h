#pragma once

#include <string>
#include <vector>

#include "event.h"

namespace quorvel {
class Form;
}

namespace quorvel::testing {

// Every handler a user can reach once the window is open (the event table without
// Form_Load), sorted by name so that a recorded sequence of indices keeps its meaning
// whatever order the table lists them in.
std::vector<EventEntry> user_events();

// How far the mean of a calculation may lie from the coefficient it picks out: one unit
// in the readout's fourth decimal; the 32-bit sums and the short pi move it by less.
inline constexpr double mean_tolerance = 1e-4;

// The rules that hold after every event, whatever came before: the state within the
// bounds the spin buttons keep, every readout showing its variable, the answers shown
// exactly when revealed, the option buttons agreeing with the cosine flag, and a shown
// S/T belonging to the waves on screen. One line per broken rule; empty when all hold.
std::vector<std::string> broken_rules(const Form& f);

}  // namespace quorvel::testing

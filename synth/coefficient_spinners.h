#pragma once

#include <span>

#include "event.h"

namespace quorvel {

// The eighteen SpinUp/SpinDown handlers of the trial coefficients a0 … a4, b1 … b4.
std::span<const EventEntry> coefficient_spin_events();

}  // namespace quorvel

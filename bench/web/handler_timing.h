#pragma once

#include <string_view>

#include "web_window.h"

namespace quorvel {

// How long one handler takes on the page's window, in microseconds: the median of
// `rounds` rounds, each the mean of `runs_per_round` runs back to back. The same code
// runs natively and as WebAssembly, so the two figures compare like with like.
double handler_micros(WebWindow& window, std::string_view handler, int rounds, int runs_per_round);

}  // namespace quorvel

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::testing {

// Reads text typed as an exercise code with the window's levels and with every level a
// code can carry. Whatever the text, an exercise read has a code that reads back to the
// same exercise, and a refusal is one non-empty line. Returns what broke, or nothing.
std::optional<std::string> check_code_text(std::string_view text);

}  // namespace quorvel::testing

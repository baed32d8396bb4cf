#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace quorvel {

// A name in braces in a translated text ("{display}") and what it stands for. Messages
// are translated whole, with their values named, so that a translation can put them where
// its own grammar wants them; the values go in afterwards.
using Filling = std::pair<std::string_view, std::string_view>;

// The text with each "{name}" of `values` replaced by its value; other braces stay.
std::string filled(std::string_view text, std::initializer_list<Filling> values);

}  // namespace quorvel

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::testing {

// Reads text as a page's kept state and as a link's work, on freshly started forms.
// Whatever the text, a refusal is one non-empty line and leaves the form as it was; what
// is read restores to a window whose work is the work read, and that work written again
// (as a link's text and as a kept state) reads back the same. Returns what broke, or
// nothing.
std::optional<std::string> check_kept_text(std::string_view text);

}  // namespace quorvel::testing

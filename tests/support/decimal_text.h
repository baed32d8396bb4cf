#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace quorvel::testing {

// The number a caption shows, read with a point as separator whatever the process
// locale; nullopt unless the whole text is one decimal number.
inline std::optional<double> decimal_of(std::string_view text) {
    double v = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return v;
}

}  // namespace quorvel::testing

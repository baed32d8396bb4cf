#pragma once

#include <cstdint>

namespace quorvel {

// A 24-bit colour written 0x00BBGGRR: red in the low byte, blue in the high byte.
struct Colour {
    std::uint32_t bgr = 0;

    constexpr int red() const { return static_cast<int>(bgr & 0xFFu); }
    constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFFu); }
    constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFFu); }

    friend constexpr bool operator==(Colour, Colour) = default;
};

namespace colours {
inline constexpr Colour black{0x00000000};
inline constexpr Colour red{0x000000FF};
inline constexpr Colour green{0x0000FF00};
inline constexpr Colour blue{0x00FF0000};
inline constexpr Colour dark_orange{0x000040C0};
inline constexpr Colour light_yellow{0x00C0FFFF};
inline constexpr Colour white{0x00FFFFFF};
}  // namespace colours

}  // namespace quorvel

#pragma once

#include <compare>
#include <cstdint>

#include "runtime_fault.h"

namespace quorvel {

// A signed 16-bit integer whose arithmetic raises an overflow fault instead of wrapping.
class Int16 {
  public:
    constexpr Int16() = default;
    constexpr Int16(int v) : v_(checked(v)) {}  // NOLINT: whole-number literals read naturally

    constexpr int value() const { return v_; }

    friend constexpr Int16 operator+(Int16 a, Int16 b) { return Int16(a.v_ + b.v_); }
    friend constexpr Int16 operator-(Int16 a, Int16 b) { return Int16(a.v_ - b.v_); }
    friend constexpr Int16 operator*(Int16 a, Int16 b) { return Int16(a.v_ * b.v_); }
    constexpr Int16 operator-() const { return Int16(-v_); }

    friend constexpr bool operator==(Int16 a, Int16 b) = default;
    friend constexpr auto operator<=>(Int16 a, Int16 b) = default;

  private:
    static constexpr std::int16_t checked(int v) {
        if (v < -32768 || v > 32767) {
            throw RuntimeFault(FaultKind::overflow);
        }
        return static_cast<std::int16_t>(v);
    }

    std::int16_t v_ = 0;
};

}  // namespace quorvel

#pragma once

#include <cstdint>

namespace quorvel {

// The program's uniform random source: a 24-bit linear congruential generator that starts
// from a fixed state and is never seeded, so every run shows the same examples.
class RandomSource {
  public:
    float next() {
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return static_cast<float>(state_) / 16777216.0f;
    }

    std::uint32_t state() const { return state_; }

  private:
    std::uint32_t state_ = 0x50000u;
};

}  // namespace quorvel

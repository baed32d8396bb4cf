#pragma once

#include <cstdint>

namespace quorvel {

// The program's uniform random source: a 24-bit linear congruential generator. A run
// starts from the same fixed state, so every run shows the same examples; an exercise
// code starts it again from the state it names.
class RandomSource {
  public:
    RandomSource() = default;
    explicit RandomSource(std::uint32_t state) : state_(state & 0xFFFFFFu) {}

    float next() {
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return static_cast<float>(state_) / 16777216.0f;
    }

    std::uint32_t state() const { return state_; }

  private:
    std::uint32_t state_ = 0x50000u;
};

}  // namespace quorvel

#pragma once

namespace quorvel {

// How a spin button's arrow held down repeats, alike in every shell: the press raises
// its event once, the first repeat follows first_ms later, then one every interval_ms
// for as long as the arrow stays held.
struct SpinRepeat {
    int first_ms;
    int interval_ms;
};

inline constexpr SpinRepeat spin_repeat{.first_ms = 400, .interval_ms = 60};

}  // namespace quorvel

#pragma once

#include <array>

namespace quorvel {

// The zoom steps a shell offers, in per cent of the window's own size: zooming in or out
// moves one step, and stops at either end.
inline constexpr std::array<int, 6> zoom_steps{100, 125, 150, 200, 250, 300};
inline constexpr int actual_size = 100;

// The next step up or down from `percent`; a percent between two steps goes to the
// nearer one in that direction, and the ends stay where they are.
constexpr int zoom_in(int percent) {
    for (const int step : zoom_steps) {
        if (step > percent) {
            return step;
        }
    }
    return zoom_steps.back();
}

constexpr int zoom_out(int percent) {
    for (auto step = zoom_steps.rbegin(); step != zoom_steps.rend(); ++step) {
        if (*step < percent) {
            return *step;
        }
    }
    return zoom_steps.front();
}

}  // namespace quorvel

#pragma once

#include <algorithm>

namespace quorvel {

// A spin button's two arrows, one above the other, alike in every shell: where each lies
// in the button and how many pixel rows its solid triangle has.
enum class SpinArrow { up, down };

struct ArrowPlace {
    int top = 0;  // from the button's top, the full width of the button
    int height = 0;
    int rows = 0;  // of its triangle, each two pixels wider than the one nearer the tip

    friend constexpr bool operator==(ArrowPlace, ArrowPlace) = default;
};

// The upper arrow takes the top half (rounded down), the lower arrow the rest. The
// triangle has as many rows as fit with a margin, and at least one.
constexpr ArrowPlace spin_arrow(int width, int height, SpinArrow arrow) {
    const int split = height / 2;
    const int top = arrow == SpinArrow::up ? 0 : split;
    const int own = arrow == SpinArrow::up ? split : height - split;
    return {top, own, std::max(1, std::min((width - 3) / 4 + 1, (own - 4) / 2))};
}

}  // namespace quorvel

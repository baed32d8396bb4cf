#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "canvas.h"
#include "colour.h"
#include "recording_ui.h"

namespace quorvel::testing {

// Right end of every wave plot with the start values: 2 × the short pi 3.14159, in 32 bits.
inline constexpr float kPlotEnd = 2.0f * 3.14159f;

// The points of the black curve on a freshly drawn wave plot: the PSet, then the end of
// every Line after it. Empty when the picture does not have that shape.
inline std::vector<PointF> curve_points(const RecordingCanvas& canvas) {
    const std::vector<DrawCall> pic = canvas.picture();
    std::vector<PointF> out;
    if (pic.size() < 2 || pic[1].kind != DrawCall::Kind::point) {
        return out;
    }
    out.push_back(pic[1].a);
    for (std::size_t k = 2; k < pic.size(); ++k) {
        out.push_back(pic[k].b);
    }
    return out;
}

// Sets every value label to its own stale text, so a test can see which ones get written.
inline void mark_value_labels(RecordingUi& ui) {
    for (int i = 0; i <= 4; ++i) {
        ui.text({"value_a", i}).Caption("stale a" + std::to_string(i));
        ui.text({"value_b", i}).Caption("stale b" + std::to_string(i));
    }
}

}  // namespace quorvel::testing

#pragma once

#include <cmath>

#include "colour.h"
#include "layout.h"

namespace quorvel {

// The face of buttons and of frames and labels without a colour of their own, as the
// desktop's style paints it.
inline constexpr Colour button_face{0x00EFEFEF};

// A face's size in CSS pixels: points at 96 dots per inch, rounded as the desktop does.
inline int font_pixels(float points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

}  // namespace quorvel

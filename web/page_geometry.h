#pragma once

#include "colour.h"
#include "layout.h"

namespace quorvel {

// The face of buttons and of frames and labels without a colour of their own, as the
// desktop's style paints it.
inline constexpr Colour button_face{0x00EFEFEF};

}  // namespace quorvel

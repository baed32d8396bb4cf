#pragma once

#include "accessible_texts.h"

namespace quorvel {

// Tells Qt's accessibility how to present the window's own widget classes: a spin button
// as a spin box with an "up" and a "down" button inside it, a picture surface as a graphic,
// a label as static text whose text is its caption and an option button as a radio button
// that clicks when toggled. Safe to call more than once; call
// it before any of those widgets is first asked for its accessible interface.
void install_accessible_interfaces();

}  // namespace quorvel

#pragma once

#include <QWidget>

#include "layout.h"
#include "palette.h"

namespace quorvel {

// Gives a control built from a row of the layout table the colours the palette shows for
// the row's: a frame's and an opaque label's face, a label's text, a push button's face,
// the outline of push, option and spin buttons, and the pixels of a picture surface. Run
// again with another palette it changes only colours; captions, states and what the
// plots hold stay as they are.
void colour_control(const ControlRow& row, QWidget& widget, Palette palette);

}  // namespace quorvel

#pragma once

#include <QPalette>

#include "palette.h"

namespace quorvel {

// The light face the window is drawn on: the colours its fixed captions (blue, red and
// black text, white and yellow faces) were chosen against. Every role of every colour
// group is set, so nothing of a desktop's theme or colour scheme shows through. In high
// contrast the etched frames' dark line is darker.
QPalette program_palette(Palette shown = Palette::seed);

// Fusion with the program's palette for the whole application, whatever style or
// colours the desktop asks for. Call once the QApplication exists and before the window
// is built.
void use_program_look();

}  // namespace quorvel

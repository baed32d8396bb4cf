#pragma once

#include <QFont>

#include "layout.h"

namespace quorvel {

// The Qt font for one of the window's fonts F1 … F7: a serif face for F1, F2 and F7 and a
// sans-serif face for the others, sized in pixels as the point size reads at 96 dpi, so
// every screen and platform lays the captions out alike.
QFont qt_font(FontId id);

}  // namespace quorvel

#pragma once

#include <QFont>

#include "layout.h"

namespace quorvel {

// The Qt font for one of the window's faces: a serif or a sans-serif family as the face
// says, sized in pixels as the point size reads at 96 dpi, so every screen and platform
// lays the captions out alike.
QFont qt_font(FontId id);

}  // namespace quorvel

#pragma once

#include <QMargins>
#include <QSize>

namespace quorvel {

// The window's client area at a zoom step, in pixels: its size at 100 %, scaled and
// rounded as the controls' places are.
QSize zoomed_client_size(int percent);

// Whether the window at a zoom step, with the frame the window system puts around it,
// fits within a screen's available area (the screen less its panels and docks). A window
// that does not fit would reach past an edge wherever it is placed.
bool zoom_fits(int percent, QSize available, QMargins frame);

// The zoom steps a window at `current` offers its user: every step up to the current one,
// and the larger ones that fit. Zooming out only shrinks the window, so it is always
// offered, and so is the current step.
bool zoom_offered(int percent, int current, QSize available, QMargins frame);

// The largest step that fits; 100 % when none does (the window's own size).
int largest_fitting_zoom(QSize available, QMargins frame);

}  // namespace quorvel

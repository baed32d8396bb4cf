#pragma once

#include <span>
#include <vector>

#include "layout.h"

namespace quorvel {

// How a control lies among the controls that share its container.
enum class Stacking {
    beneath,      // a label: under the buttons, spin buttons and surfaces of its frame
    table_order,  // in the table's order, a later row above an earlier one
    on_top,       // above every other control of its container
};

// The word for a stacking, "on_top" for on top, for the web page.
const char* stacking_word(Stacking stacking);

// A part of a plot that a frame stacked above the plot's own frame overlaps, and so
// leaves out of its shape: the plot shows there, its edge rows included.
struct UncoveredPart {
    ControlName frame;  // the frame that leaves it out
    PixelRect rect;     // in the window's client area
    friend bool operator==(const UncoveredPart&, const UncoveredPart&) = default;
};

// Where a row of the layout table lies in the window, and how it is stacked.
struct RowGeometry {
    ControlName name;
    PixelRect rect;      // in the window's client area, as client_rect places it
    bool shown = false;  // it and every container are shown when the window is built
    ControlName frame;   // the top-level frame it lies in; a frame's own name for a frame
    Stacking stacking = Stacking::table_order;
    std::vector<UncoveredPart> uncovered;  // shown picture surfaces only
};

// A top-level frame put elsewhere in the window, in pixels, when the window is arranged
// otherwise than the table places it (a portrait screen's columns one under another).
// What lies inside the frame moves with it.
struct FramePlace {
    ControlName frame;
    int left = 0;
    int top = 0;
};

// One entry per row of the layout table, in the table's order: the row's rectangle in
// the client area, with each frame of `moved` at its new place, whether it is shown, its
// frame, its stacking and, for a shown plot, the parts of it that the frames stacked above
// its own overlap.
std::vector<RowGeometry> window_geometry(std::span<const FramePlace> moved = {});

// The window arranged for reading down a screen narrower than it is tall: its columns
// of frames one under another, each in a band of the window's full height (so each
// keeps its own margin below), the narrower ones centred under the widest. Nothing moves
// inside a column: each frame keeps its size and its place relative to its column.
struct PortraitArrangement {
    int width = 0;                  // pixels: the widest column
    int height = 0;                 // pixels: one band per column
    std::vector<RowGeometry> rows;  // as window_geometry gives them, the frames moved
};
PortraitArrangement portrait_arrangement();

// Whether top-level frame `upper` lies above top-level frame `lower` where they overlap.
bool lies_above(const RowGeometry& upper, const RowGeometry& lower);

}  // namespace quorvel

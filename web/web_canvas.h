#pragma once

#include <cstdint>

#include "raster_canvas.h"

namespace quorvel {

// A picture surface of the web page: the shared raster canvas, whose pixels the page
// copies into its <canvas>, and which remembers the revision the page last showed so
// that an event repaints only the surfaces it drew on.
class WebCanvas : public RasterCanvas {
  public:
    using RasterCanvas::RasterCanvas;

    bool changed() const { return revision() != shown_; }
    void mark_taken() { shown_ = revision(); }

  private:
    std::uint64_t shown_ = ~std::uint64_t{0};  // never shown yet
};

}  // namespace quorvel

#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"
#include "colour.h"

namespace quorvel {

// A plot's pixels as RGBA bytes, four per pixel, row by row: what a browser canvas takes
// as ImageData. It draws with the same clipping, snapping and line stepping as the
// desktop's retained images, so a plot has the same pixels in both shells. Coordinates
// are device pixels; a stroke is `stroke` × `stroke` device pixels.
class RasterSurface {
  public:
    RasterSurface(int width, int height, int stroke, Colour back);

    int width() const { return width_; }
    int height() const { return height_; }
    int stroke() const { return stroke_; }
    const std::vector<std::uint8_t>& rgba() const { return rgba_; }

    void clear(Colour back);
    // A segment between two fractional pixel positions, both ends included.
    void line(PointF from, PointF to, Colour fore);
    // The outline of a box in `fore`, its inside in `fill` when the style is solid.
    void box(PointF corner, PointF opposite, Colour fore, Colour fill, FillStyle style);
    void point(PointF at, Colour fore);

    Colour pixel(int x, int y) const;

  private:
    struct Rect {
        int left;
        int top;
        int right;   // inclusive
        int bottom;  // inclusive
    };
    void fill(Rect area, Colour c);
    void segment(int x0, int y0, int x1, int y1, Colour c);

    int width_;
    int height_;
    int stroke_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace quorvel

#pragma once

#include <cstddef>
#include <vector>

#include "canvas.h"
#include "raster_surface.h"

namespace quorvel {

// A picture surface of the web page. It draws into an RGBA raster of the surface's size
// in device pixels, which the page copies into its <canvas>. It also keeps what was
// drawn since the last Cls, in user coordinates, so that a new device pixel ratio (the
// browser zoomed, the window moved to another screen) draws the picture afresh at the new
// resolution: crisp at any zoom, without running a handler again.
class WebCanvas : public Canvas {
  public:
    // `css_width` × `css_height` is the surface's size in CSS pixels.
    WebCanvas(const SurfaceLook& look, int css_width, int css_height, double device_ratio);

    const RasterSurface& raster() const { return raster_; }

    // Draws everything since the last Cls again at the new ratio.
    void set_device_ratio(double ratio);

    // Whether anything was painted since the page last took the pixels.
    bool changed() const { return changed_; }
    void mark_taken() { changed_ = false; }

  protected:
    void paint_clear(Colour back) override;
    void paint_line(PointF from, PointF to, Colour fore) override;
    void paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                   FillStyle style) override;
    void paint_point(PointF p, Colour fore) override;

  private:
    struct Drawn {
        enum class Kind { line, box, point };
        Kind kind;
        ScaleRect scale;  // the user coordinates it was drawn in
        PointF a;
        PointF b;
        Colour fore;
        Colour fill;
        FillStyle style;
    };
    void draw(const Drawn& item);
    void keep(const Drawn& item);
    PointF device_point(const ScaleRect& scale, PointF user) const;

    // Every procedure clears its surface before drawing, so the list stays a plot's
    // worth; past this many items a surface stops keeping them and a zoom keeps its
    // old pixels, scaled by the browser.
    static constexpr std::size_t max_kept = 1 << 14;

    int css_width_;
    int css_height_;
    Colour back_;
    RasterSurface raster_;
    std::vector<Drawn> drawn_;
    bool complete_ = true;  // drawn_ holds everything since the last Cls
    bool changed_ = true;
};

}  // namespace quorvel

#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"
#include "palette.h"

namespace quorvel {

// How a colour is packed into a pixel's 32-bit word (always opaque): each shell asks for
// the packing its toolkit shows without converting, which a full repaint would otherwise
// pay for every surface.
enum class PixelLayout : std::uint8_t {
    rgba_bytes,  // bytes R, G, B, A in memory order, as a browser's ImageData holds them
    argb_words,  // words 0xAARRGGBB, as a Qt RGB32 image holds them
};

// A picture surface drawn into memory: one 32-bit word per device pixel in the shell's
// layout, rows top to bottom. Every shell shows the same colours at the same pixels, so
// the plots are the same pictures wherever they are shown.
//
// Lines are one logical pixel wide and never smoothed: at a device pixel ratio r each
// point is a square of max(1, ⌊r⌋) device pixels growing right and down. A point's pixel
// is the floor of its position, except that a line or point exactly on the right or bottom
// edge is drawn on the last pixel, so a plot's extreme value is seen; a box's right and
// bottom edges there lie just outside, so an empty bar on the chart's bottom edge leaves
// nothing. Whatever falls outside the surface is clipped.
//
// The canvas also keeps the primitives drawn since the last Cls, so a new size or device
// pixel ratio draws them again at the new resolution instead of scaling old pixels.
class RasterCanvas : public Canvas {
  public:
    // A surface of the look's size at `ratio` device pixels per logical pixel.
    explicit RasterCanvas(const SurfaceLook& look, double ratio = 1.0,
                          PixelLayout layout = PixelLayout::rgba_bytes);
    // What another surface holds since its last Cls, drawn afresh at `ratio` in `palette`:
    // the pixels that surface itself would show at that ratio (a printed plot is this).
    RasterCanvas(const RasterCanvas& drawing, double ratio, Palette palette);

    // Logical size in whole pixels, as the window lays the surface out.
    int logical_width() const { return logical_width_; }
    int logical_height() const { return logical_height_; }

    // The pixel buffer and its size in device pixels.
    int pixel_width() const { return width_; }
    int pixel_height() const { return height_; }
    double ratio() const { return ratio_; }
    const std::uint32_t* pixels() const { return pixels_.data(); }
    std::uint32_t pixel(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)];
    }

    // Draws everything since the last Cls again at this many device pixels per logical
    // pixel; nothing happens when the ratio is the one in use.
    void set_ratio(double ratio);

    // Shows every colour the program asks for through this palette from now on, drawing
    // everything since the last Cls again; the pen's colours are left as asked.
    void set_palette(Palette palette);
    Palette palette() const { return palette_; }

    // Grows by one whenever a pixel may have changed, so a shell redraws only the
    // surfaces an event touched.
    std::uint64_t revision() const { return revision_; }

  protected:
    void paint_clear(Colour back) final;
    void paint_line(PointF from, PointF to, Colour fore) final;
    void paint_box(PointF corner, PointF opposite, Colour fore, Colour fill, FillStyle style) final;
    void paint_point(PointF p, Colour fore) final;

    // Called after the pixels changed, for a shell that must schedule a repaint.
    virtual void pixels_changed() {}

  private:
    // Kept small: a window holds a few thousand of these.
    struct Primitive {
        PointF a;
        PointF b;
        Colour fore;
        Colour fill;
        enum class Kind : std::uint8_t { line, box, point } kind;
        FillStyle style;
    };

    void allocate();
    void redraw();
    void draw(const Primitive& p);
    void draw_line(PointF from, PointF to, Colour fore);
    void draw_box(PointF corner, PointF opposite, Colour fore, Colour fill, FillStyle style);
    void draw_point(PointF p, Colour fore);
    int stroke_at(double v, int size) const;
    void fill_rect(int left, int top, int right, int bottom, std::uint32_t word);
    void touched();
    std::uint32_t word_of(Colour c) const;

    SurfaceLook look_;
    int logical_width_;
    int logical_height_;
    double ratio_;
    PixelLayout layout_;
    Palette palette_ = Palette::seed;
    int width_ = 0;
    int height_ = 0;
    int stroke_ = 1;
    Colour back_;
    std::vector<std::uint32_t> pixels_;
    std::vector<Primitive> since_cls_;
    std::uint64_t revision_ = 0;
};

// The opaque pixel word of a colour in a layout (bytes in memory order on the
// little-endian machines both shells run on).
std::uint32_t pixel_word(Colour c, PixelLayout layout = PixelLayout::rgba_bytes);

}  // namespace quorvel

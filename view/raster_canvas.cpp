#include "raster_canvas.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "layout.h"

namespace quorvel {
namespace {

static_assert(std::endian::native == std::endian::little,
              "pixel words are laid out for a little-endian machine");

struct PixelPoint {
    double x = 0.0;
    double y = 0.0;
};

// Cuts the segment to the rectangle lo … hi (Liang–Barsky). False when nothing of it is
// left, or when an end is not a finite number. An end cut at an edge lies exactly on it,
// however far away the original end was.
bool clip_segment(PixelPoint& a, PixelPoint& b, PixelPoint lo, PixelPoint hi) {
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
        return false;
    }
    const PixelPoint start = a;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    struct Cut {
        double t;
        int edge;  // -1: not cut; 0 left, 1 right, 2 top, 3 bottom
    };
    Cut enter{0.0, -1};
    Cut leave{1.0, -1};
    const auto edge = [&](double p, double q, int which) {
        if (p == 0.0) {
            return q >= 0.0;
        }
        const double r = q / p;
        if (p < 0.0) {
            if (r > leave.t) {
                return false;
            }
            if (r > enter.t) {
                enter = {r, which};
            }
        } else {
            if (r < enter.t) {
                return false;
            }
            if (r < leave.t) {
                leave = {r, which};
            }
        }
        return true;
    };
    if (!edge(-dx, start.x - lo.x, 0) || !edge(dx, hi.x - start.x, 1) ||
        !edge(-dy, start.y - lo.y, 2) || !edge(dy, hi.y - start.y, 3)) {
        return false;
    }
    const auto point = [&](const Cut& cut, PixelPoint end) {
        if (cut.edge < 0) {
            return end;
        }
        PixelPoint p{std::clamp(start.x + cut.t * dx, lo.x, hi.x),
                     std::clamp(start.y + cut.t * dy, lo.y, hi.y)};
        const double on_edge[] = {lo.x, hi.x, lo.y, hi.y};
        (cut.edge < 2 ? p.x : p.y) = on_edge[cut.edge];
        return p;
    };
    const PixelPoint far_end = b;
    a = point(enter, start);
    b = point(leave, far_end);
    return true;
}

// The pixel that holds a coordinate: the one it falls in. For a box the far edge of the
// surface lies just outside its last pixel, so a zero bar standing on the chart's bottom
// edge leaves nothing behind.
int pixel_at(double v) {
    return static_cast<int>(std::floor(v));
}

// A wave plot is its axis, a point and 150 segments. Room for that many from the start
// gives each surface one allocation instead of a doubling series that ends half empty.
constexpr std::size_t primitives_reserved = 152;

int device_pixels(int logical, double ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

}  // namespace

std::uint32_t pixel_word(Colour c, PixelLayout layout) {
    if (layout == PixelLayout::argb_words) {
        return 0xFF000000u | (static_cast<std::uint32_t>(c.red()) << 16) |
               (static_cast<std::uint32_t>(c.green()) << 8) | static_cast<std::uint32_t>(c.blue());
    }
    return 0xFF000000u | (c.bgr & 0x00FFFFFFu);
}

RasterCanvas::RasterCanvas(const SurfaceLook& look, double ratio, PixelLayout layout)
    : Canvas(look),
      look_(look),
      logical_width_(pixels_of_twips(static_cast<double>(look.width_twips))),
      logical_height_(pixels_of_twips(static_cast<double>(look.height_twips))),
      ratio_(ratio),
      layout_(layout),
      back_(look.back) {
    allocate();
    since_cls_.reserve(primitives_reserved);
}

RasterCanvas::RasterCanvas(const RasterCanvas& drawing, double ratio, Palette palette)
    : RasterCanvas(drawing.look_, ratio, drawing.layout_) {
    const ScaleRect& scale = drawing.scale_rect();
    Scale({scale.x1, scale.y1}, {scale.x2, scale.y2});
    palette_ = palette;
    back_ = drawing.back_;
    since_cls_ = drawing.since_cls_;
    redraw();
}

void RasterCanvas::allocate() {
    width_ = device_pixels(logical_width_, ratio_);
    height_ = device_pixels(logical_height_, ratio_);
    stroke_ = std::max(1, static_cast<int>(ratio_));
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                   word_of(back_));
}

void RasterCanvas::set_ratio(double ratio) {
    if (ratio == ratio_) {
        return;
    }
    ratio_ = ratio;
    redraw();
}

void RasterCanvas::set_palette(Palette palette) {
    if (palette == palette_) {
        return;
    }
    palette_ = palette;
    redraw();
}

void RasterCanvas::redraw() {
    allocate();
    for (const Primitive& p : since_cls_) {
        draw(p);
    }
    touched();
}

std::uint32_t RasterCanvas::word_of(Colour c) const {
    return pixel_word(shown_colour(c, palette_), layout_);
}

void RasterCanvas::touched() {
    ++revision_;
    pixels_changed();
}

void RasterCanvas::paint_clear(Colour back) {
    back_ = back;
    since_cls_.clear();
    std::fill(pixels_.begin(), pixels_.end(), word_of(back));
    touched();
}

void RasterCanvas::paint_line(PointF from, PointF to, Colour fore) {
    since_cls_.push_back({from, to, fore, fore, Primitive::Kind::line, FillStyle::transparent});
    draw(since_cls_.back());
    touched();
}

void RasterCanvas::paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                             FillStyle style) {
    since_cls_.push_back({corner, opposite, fore, fill, Primitive::Kind::box, style});
    draw(since_cls_.back());
    touched();
}

void RasterCanvas::paint_point(PointF p, Colour fore) {
    since_cls_.push_back({p, p, fore, fore, Primitive::Kind::point, FillStyle::transparent});
    draw(since_cls_.back());
    touched();
}

void RasterCanvas::draw(const Primitive& p) {
    switch (p.kind) {
        case Primitive::Kind::line:
            draw_line(p.a, p.b, p.fore);
            return;
        case Primitive::Kind::box:
            draw_box(p.a, p.b, p.fore, p.fill, p.style);
            return;
        case Primitive::Kind::point:
            draw_point(p.a, p.fore);
            return;
    }
}

// Where a line or a point at this coordinate is drawn: a value exactly on the far edge of
// the surface takes the last stroke's width of pixels (the last row at a ratio below 2),
// so a plot's lowest value (a0 = -10, a trough of an amplitude-10 harmonic) is seen on its
// last rows rather than just below them.
int RasterCanvas::stroke_at(double v, int size) const {
    return v == static_cast<double>(size) ? size - stroke_ : pixel_at(v);
}

// Fills the rectangle with inclusive corners, clipped to the surface.
void RasterCanvas::fill_rect(int left, int top, int right, int bottom, std::uint32_t word) {
    const int x0 = std::max(left, 0);
    const int x1 = std::min(right, width_ - 1);
    const int y0 = std::max(top, 0);
    const int y1 = std::min(bottom, height_ - 1);
    if (x0 > x1) {
        return;
    }
    for (int y = y0; y <= y1; ++y) {
        std::uint32_t* row =
            pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        std::fill(row + x0, row + x1 + 1, word);
    }
}

// A straight line of stroke × stroke squares from one end to the other, both included
// (Bresenham's stepping, so every step moves one pixel along the major axis).
void RasterCanvas::draw_line(PointF from, PointF to, Colour fore) {
    const PointF a_user =
        to_pixels(scale_rect(), from, static_cast<float>(width_), static_cast<float>(height_));
    const PointF b_user =
        to_pixels(scale_rect(), to, static_cast<float>(width_), static_cast<float>(height_));
    PixelPoint a{static_cast<double>(a_user.x), static_cast<double>(a_user.y)};
    PixelPoint b{static_cast<double>(b_user.x), static_cast<double>(b_user.y)};
    if (!clip_segment(a, b, {-1.0, -1.0}, {width_ + 1.0, height_ + 1.0})) {
        return;
    }
    const std::uint32_t word = word_of(fore);
    int x = stroke_at(a.x, width_);
    int y = stroke_at(a.y, height_);
    const int x_end = stroke_at(b.x, width_);
    const int y_end = stroke_at(b.y, height_);
    const int dx = std::abs(x_end - x);
    const int dy = -std::abs(y_end - y);
    const int sx = x < x_end ? 1 : -1;
    const int sy = y < y_end ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        fill_rect(x, y, x + stroke_ - 1, y + stroke_ - 1, word);
        if (x == x_end && y == y_end) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// The outline takes the same pixels as the box's four sides drawn as lines, so a stroke
// wider than one pixel grows right and down from each edge; a solid box is filled inside
// the outline.
void RasterCanvas::draw_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                            FillStyle style) {
    const PointF a =
        to_pixels(scale_rect(), corner, static_cast<float>(width_), static_cast<float>(height_));
    const PointF b =
        to_pixels(scale_rect(), opposite, static_cast<float>(width_), static_cast<float>(height_));
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(b.x) || std::isnan(b.y)) {
        return;
    }
    // Edges beyond the surface are pulled in to just outside it, so they stay unseen.
    const auto edge = [](float v, int size) {
        return pixel_at(std::clamp(static_cast<double>(v), -2.0, size + 1.0));
    };
    const int left = edge(std::min(a.x, b.x), width_);
    const int right = edge(std::max(a.x, b.x), width_);
    const int top = edge(std::min(a.y, b.y), height_);
    const int bottom = edge(std::max(a.y, b.y), height_);
    const int in = stroke_ - 1;
    if (style == FillStyle::solid && right - left > stroke_ && bottom - top > stroke_) {
        fill_rect(left + stroke_, top + stroke_, right - 1, bottom - 1, word_of(fill));
    }
    const std::uint32_t outline = word_of(fore);
    fill_rect(left, top, right + in, top + in, outline);
    fill_rect(left, bottom, right + in, bottom + in, outline);
    fill_rect(left, top, left + in, bottom + in, outline);
    fill_rect(right, top, right + in, bottom + in, outline);
}

void RasterCanvas::draw_point(PointF p, Colour fore) {
    const PointF at =
        to_pixels(scale_rect(), p, static_cast<float>(width_), static_cast<float>(height_));
    if (!(at.x >= 0.0f && at.x <= static_cast<float>(width_) && at.y >= 0.0f &&
          at.y <= static_cast<float>(height_))) {
        return;
    }
    const int x = stroke_at(static_cast<double>(at.x), width_);
    const int y = stroke_at(static_cast<double>(at.y), height_);
    fill_rect(x, y, x + stroke_ - 1, y + stroke_ - 1, word_of(fore));
}

}  // namespace quorvel

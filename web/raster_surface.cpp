#include "raster_surface.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace quorvel {
namespace {

struct PointD {
    double x;
    double y;
};

// Cuts the segment to the rectangle lo … hi (Liang–Barsky). False when nothing of it is
// left, or when an end is not a finite number. An end cut at an edge lies exactly on it,
// however far away the original end was.
bool clip_segment(PointD& a, PointD& b, PointD lo, PointD hi) {
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
        return false;
    }
    const PointD start = a;
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
    const auto point = [&](const Cut& cut, PointD end) {
        if (cut.edge < 0) {
            return end;
        }
        PointD p{std::clamp(start.x + cut.t * dx, lo.x, hi.x),
                 std::clamp(start.y + cut.t * dy, lo.y, hi.y)};
        const double on_edge[] = {lo.x, hi.x, lo.y, hi.y};
        (cut.edge < 2 ? p.x : p.y) = on_edge[cut.edge];
        return p;
    };
    const PointD far_end = b;
    a = point(enter, start);
    b = point(leave, far_end);
    return true;
}

// The pixel that holds a coordinate. The far edge of the surface lies just outside its
// last pixel, so a zero bar standing on the chart's bottom edge leaves nothing behind.
int pixel_at(double v) {
    return static_cast<int>(std::floor(v));
}

PointD widened(PointF p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

}  // namespace

RasterSurface::RasterSurface(int width, int height, int stroke, Colour back)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      stroke_(std::max(1, stroke)),
      rgba_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4) {
    clear(back);
}

void RasterSurface::clear(Colour back) {
    fill({0, 0, width_ - 1, height_ - 1}, back);
}

Colour RasterSurface::pixel(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                            static_cast<std::size_t>(x)) *
                           4;
    return Colour{static_cast<std::uint32_t>(rgba_[at]) |
                  (static_cast<std::uint32_t>(rgba_[at + 1]) << 8) |
                  (static_cast<std::uint32_t>(rgba_[at + 2]) << 16)};
}

void RasterSurface::fill(Rect area, Colour c) {
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, width_ - 1);
    const int bottom = std::min(area.bottom, height_ - 1);
    const auto r = static_cast<std::uint8_t>(c.red());
    const auto g = static_cast<std::uint8_t>(c.green());
    const auto b = static_cast<std::uint8_t>(c.blue());
    for (int y = top; y <= bottom; ++y) {
        std::uint8_t* p =
            rgba_.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                            static_cast<std::size_t>(left)) *
                               4;
        for (int x = left; x <= right; ++x) {
            p[0] = r;
            p[1] = g;
            p[2] = b;
            p[3] = 0xFF;
            p += 4;
        }
    }
}

// Bresenham's stepping, so every step moves one pixel along the major axis; each step
// paints one stroke square.
void RasterSurface::segment(int x0, int y0, int x1, int y1, Colour c) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0;
    int y = y0;
    for (;;) {
        fill({x, y, x + stroke_ - 1, y + stroke_ - 1}, c);
        if (x == x1 && y == y1) {
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

void RasterSurface::line(PointF from, PointF to, Colour fore) {
    PointD a = widened(from);
    PointD b = widened(to);
    if (!clip_segment(a, b, {-1.0, -1.0},
                      {static_cast<double>(width_ + 1), static_cast<double>(height_ + 1)})) {
        return;
    }
    segment(pixel_at(a.x), pixel_at(a.y), pixel_at(b.x), pixel_at(b.y), fore);
}

void RasterSurface::box(PointF corner, PointF opposite, Colour fore, Colour fill_colour,
                        FillStyle style) {
    const PointD a = widened(corner);
    const PointD b = widened(opposite);
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(b.x) || std::isnan(b.y)) {
        return;
    }
    // Edges beyond the surface are pulled in to just outside it, so they stay unseen.
    const auto edge = [](double v, int size) {
        return pixel_at(std::clamp(v, -2.0, static_cast<double>(size) + 1.0));
    };
    const int left = edge(std::min(a.x, b.x), width_);
    const int right = edge(std::max(a.x, b.x), width_);
    const int top = edge(std::min(a.y, b.y), height_);
    const int bottom = edge(std::max(a.y, b.y), height_);
    const int in = stroke_ - 1;
    if (style == FillStyle::solid && right - left > 2 * in + 1 && bottom - top > 2 * in + 1) {
        fill({left + stroke_, top + stroke_, right - stroke_, bottom - stroke_}, fill_colour);
    }
    fill({left, top, right, top + in}, fore);
    fill({left, bottom - in, right, bottom}, fore);
    fill({left, top, left + in, bottom}, fore);
    fill({right - in, top, right, bottom}, fore);
}

void RasterSurface::point(PointF at, Colour fore) {
    const PointD p = widened(at);
    if (!(p.x >= 0.0 && p.x <= width_ && p.y >= 0.0 && p.y <= height_)) {
        return;
    }
    const int x = pixel_at(p.x);
    const int y = pixel_at(p.y);
    fill({x, y, x + stroke_ - 1, y + stroke_ - 1}, fore);
}

}  // namespace quorvel

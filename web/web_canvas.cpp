#include "web_canvas.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

int device_pixels(int css, double ratio) {
    return static_cast<int>(std::lround(css * ratio));
}

// One logical pixel: as many device pixels as the ratio has whole units, at least one.
int stroke_of(double ratio) {
    return std::max(1, static_cast<int>(ratio));
}

}  // namespace

WebCanvas::WebCanvas(const SurfaceLook& look, int css_width, int css_height, double device_ratio)
    : Canvas(look),
      css_width_(css_width),
      css_height_(css_height),
      back_(look.back),
      raster_(device_pixels(css_width, device_ratio), device_pixels(css_height, device_ratio),
              stroke_of(device_ratio), look.back) {}

void WebCanvas::set_device_ratio(double ratio) {
    const int width = device_pixels(css_width_, ratio);
    const int height = device_pixels(css_height_, ratio);
    if (!complete_ || (width == raster_.width() && height == raster_.height() &&
                       stroke_of(ratio) == raster_.stroke())) {
        return;
    }
    raster_ = RasterSurface(width, height, stroke_of(ratio), back_);
    for (const Drawn& item : drawn_) {
        draw(item);
    }
    changed_ = true;
}

PointF WebCanvas::device_point(const ScaleRect& at, PointF user) const {
    return to_pixels(at, user, static_cast<float>(raster_.width()),
                     static_cast<float>(raster_.height()));
}

void WebCanvas::draw(const Drawn& item) {
    switch (item.kind) {
        case Drawn::Kind::line:
            raster_.line(device_point(item.scale, item.a), device_point(item.scale, item.b),
                         item.fore);
            break;
        case Drawn::Kind::box:
            raster_.box(device_point(item.scale, item.a), device_point(item.scale, item.b),
                        item.fore, item.fill, item.style);
            break;
        case Drawn::Kind::point:
            raster_.point(device_point(item.scale, item.a), item.fore);
            break;
    }
    changed_ = true;
}

void WebCanvas::keep(const Drawn& item) {
    if (complete_ && drawn_.size() < max_kept) {
        drawn_.push_back(item);
    } else {
        complete_ = false;
        drawn_.clear();
    }
    draw(item);
}

void WebCanvas::paint_clear(Colour back) {
    back_ = back;
    drawn_.clear();
    complete_ = true;
    raster_.clear(back);
    changed_ = true;
}

void WebCanvas::paint_line(PointF from, PointF to, Colour fore) {
    keep({Drawn::Kind::line, scale(), from, to, fore, fore, FillStyle::transparent});
}

void WebCanvas::paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                          FillStyle style) {
    keep({Drawn::Kind::box, scale(), corner, opposite, fore, fill, style});
}

void WebCanvas::paint_point(PointF p, Colour fore) {
    keep({Drawn::Kind::point, scale(), p, p, fore, fore, FillStyle::transparent});
}

}  // namespace quorvel

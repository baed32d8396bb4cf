#include "canvas.h"

namespace quorvel {

PointF to_pixels(const ScaleRect& s, PointF user, float width, float height) {
    return {(user.x - s.x1) / (s.x2 - s.x1) * width, (user.y - s.y1) / (s.y2 - s.y1) * height};
}

Canvas::Canvas(const SurfaceLook& look)
    : look_(look),
      scale_{0.0f, 0.0f, look.width_twips, look.height_twips},
      fore_(look.fore),
      fill_(look.fill) {}

void Canvas::Scale(PointF top_left, PointF bottom_right) {
    scale_ = {top_left.x, top_left.y, bottom_right.x, bottom_right.y};
}

void Canvas::Cls() {
    current_ = {};
    paint_clear(look_.back);
}

void Canvas::Line(PointF from, PointF to) {
    paint_line(from, to, fore_);
    current_ = to;
}

void Canvas::Line(PointF to) {
    Line(current_, to);
}

void Canvas::Box(PointF corner, PointF opposite) {
    paint_box(corner, opposite, fore_, fill_, look_.fill_style);
    current_ = opposite;
}

void Canvas::PSet(PointF p) {
    paint_point(p, fore_);
    current_ = p;
}

}  // namespace quorvel

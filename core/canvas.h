#pragma once

#include <cstdint>

#include "colour.h"

namespace quorvel {

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend constexpr bool operator==(PointF, PointF) = default;
};

// A surface's user coordinate system: x1 at the left inner edge, x2 at the right,
// y1 at the top, y2 at the bottom.
struct ScaleRect {
    float x1 = 0.0f;
    float y1 = 0.0f;
    float x2 = 0.0f;
    float y2 = 0.0f;
    friend constexpr bool operator==(ScaleRect, ScaleRect) = default;
};

// Where a user point lands on a surface of width × height pixels, counted from the
// top-left inner corner (fractional; the painter decides the snapping).
PointF to_pixels(const ScaleRect& scale, PointF user, float width, float height);

enum class FillStyle : std::uint8_t { transparent, solid };

// The stored settings of a picture surface when the window is built.
struct SurfaceLook {
    Colour back = colours::white;
    Colour fore = colours::black;
    Colour fill = colours::black;
    FillStyle fill_style = FillStyle::transparent;
    float width_twips = 0.0f;
    float height_twips = 0.0f;
};

// A picture surface with the drawing operations the plots use. The canvas keeps the pen
// state itself (scale, colours, current point) and hands finished primitives in user
// coordinates to the painting backend, so every backend sees the same calls.
class Canvas {
  public:
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Scale(PointF top_left, PointF bottom_right);
    void Cls();
    void ForeColor(Colour c) { fore_ = c; }
    void FillColor(Colour c) { fill_ = c; }
    void Line(PointF from, PointF to);
    void Line(PointF to);  // from the current point
    void Box(PointF corner, PointF opposite);
    void PSet(PointF p);

    const ScaleRect& scale_rect() const { return scale_; }
    Colour back_color() const { return look_.back; }
    Colour fore_color() const { return fore_; }
    Colour fill_color() const { return fill_; }
    FillStyle fill_style() const { return look_.fill_style; }

  protected:
    explicit Canvas(const SurfaceLook& look);

    virtual void paint_clear(Colour back) = 0;
    virtual void paint_line(PointF from, PointF to, Colour fore) = 0;
    virtual void paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                           FillStyle style) = 0;
    virtual void paint_point(PointF p, Colour fore) = 0;

  private:
    SurfaceLook look_;
    ScaleRect scale_;
    Colour fore_;
    Colour fill_;
    PointF current_;
};

}  // namespace quorvel

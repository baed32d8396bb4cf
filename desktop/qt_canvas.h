#pragma once

#include <QImage>
#include <QWidget>

#include "canvas.h"

namespace quorvel {

// A picture surface of the window. Everything drawn goes into a retained image of the
// surface's size in device pixels, so plots stay crisp at any device pixel ratio and
// survive being covered; painting the widget only copies that image. Lines are one device
// pixel wide and never anti-aliased; whatever falls outside the surface is clipped.
// Child widgets (the "T" marks, "Spectol") show above the drawing.
class QtCanvas : public QWidget, public Canvas {
    Q_OBJECT

  public:
    explicit QtCanvas(const SurfaceLook& look, QWidget* parent = nullptr);

    // What has been drawn since the last Cls, one image pixel per device pixel.
    const QImage& picture() const { return image_; }

  protected:
    void paint_clear(Colour back) override;
    void paint_line(PointF from, PointF to, Colour fore) override;
    void paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                   FillStyle style) override;
    void paint_point(PointF p, Colour fore) override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Keeps the image as large as the widget in device pixels, keeping what was drawn.
    void fit_image();
    // Where a user point lands in image pixels (fractional).
    QPointF image_point(PointF user) const;
    template <typename Paint>
    void draw(Paint&& paint);

    QImage image_;
    QColor back_;
};

}  // namespace quorvel

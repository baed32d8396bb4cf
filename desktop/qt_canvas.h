#pragma once

#include <QImage>
#include <QWidget>

#include "paint_zoom.h"
#include "raster_canvas.h"

namespace quorvel {

// A picture surface of the window: a raster canvas shown by a widget. The canvas keeps
// its pixels at the widget's device pixel ratio, so plots stay crisp at any scale and
// survive being covered; painting the widget only copies those pixels. Child widgets (the
// "T" marks, "Spectol") show above the drawing. In a zoomed window the pixels are kept at
// the zoom times the device pixel ratio, so a plot at 200 % is drawn afresh at twice the
// resolution rather than enlarged.
class QtCanvas : public QWidget, public RasterCanvas, public Zoomable {
    Q_OBJECT

  public:
    explicit QtCanvas(const SurfaceLook& look, QWidget* parent = nullptr);

    // The canvas's pixels as an image, one image pixel per device pixel; it shares the
    // canvas's memory and is valid until the next drawing call.
    QImage picture() const;

    void set_paint_zoom(const PaintZoom& zoom) override;

  protected:
    void pixels_changed() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    double device_ratio() const { return zoom_.factor * devicePixelRatioF(); }

    PaintZoom zoom_;
};

}  // namespace quorvel

#pragma once

#include <QGroupBox>

#include "paint_zoom.h"

namespace quorvel {

// A group of controls with an untitled etched border, drawn as two shaded lines: the
// style's own group box works out a title's place and font on every paint, which made
// the window's first paint markedly slower, and shows nothing more without a title.
class EtchedFrame : public QGroupBox, public Zoomable {
    Q_OBJECT

  public:
    using QGroupBox::QGroupBox;

    void set_paint_zoom(const PaintZoom& zoom) override;

  protected:
    int metric(PaintDeviceMetric which) const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    PaintZoom zoom_;
};

}  // namespace quorvel

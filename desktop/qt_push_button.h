#pragma once

#include <QPushButton>

#include "paint_zoom.h"

namespace quorvel {

// A push button of the window. In a zoomed window it paints, and takes clicks, as the
// style lays it out at its size at 100 %, scaled up.
class QtPushButton : public QPushButton, public Zoomable {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

    void set_paint_zoom(const PaintZoom& zoom) override;

  protected:
    int metric(PaintDeviceMetric which) const override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    PaintZoom zoom_;
};

}  // namespace quorvel

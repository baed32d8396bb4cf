#include "etched_frame.h"

#include <qdrawutil.h>
#include <QPainter>

namespace quorvel {

int EtchedFrame::metric(PaintDeviceMetric which) const {
    return zoom_.metric(which, QGroupBox::metric(which));
}

void EtchedFrame::set_paint_zoom(const PaintZoom& zoom) {
    zoom_ = zoom;
    update();
}

void EtchedFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    zoom_.apply(painter);
    qDrawShadeRect(&painter, zoom_.active() ? zoom_.logical_rect() : rect(), palette(), true, 1);
}

}  // namespace quorvel

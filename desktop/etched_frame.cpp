#include "etched_frame.h"

#include <qdrawutil.h>
#include <QPainter>

namespace quorvel {

void EtchedFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const PaintZoom& zoom = paint_zoom();
    zoom.apply(painter);
    qDrawShadeRect(&painter, zoom.active() ? zoom.logical_rect() : rect(), palette(), true, 1);
}

}  // namespace quorvel

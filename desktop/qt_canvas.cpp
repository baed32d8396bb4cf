#include "qt_canvas.h"

#include <QPainter>
#include <QPen>

namespace quorvel {

QtCanvas::QtCanvas(const SurfaceLook& look, QWidget* parent)
    : QWidget(parent), RasterCanvas(look, 1.0, PixelLayout::argb_words) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(logical_width(), logical_height());
    set_ratio(device_ratio());
}

QImage QtCanvas::picture() const {
    QImage image(reinterpret_cast<const uchar*>(pixels()), pixel_width(), pixel_height(),
                 pixel_width() * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio() / zoom_.factor);
    return image;
}

void QtCanvas::set_paint_zoom(const PaintZoom& zoom) {
    zoom_ = zoom;
    set_ratio(device_ratio());
    update();
}

void QtCanvas::pixels_changed() {
    update();
}

void QtCanvas::paintEvent(QPaintEvent* /*event*/) {
    set_ratio(device_ratio());
    QPainter painter(this);
    // The pixels are already at the zoomed resolution: only their origin moves.
    painter.drawImage(zoom_.active() ? zoom_.origin : QPointF(0.0, 0.0), picture());
    if (hasFocus()) {
        // A dotted grey rim: enough to find the focus, too faint to read as part of a plot.
        zoom_.apply(painter);
        painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
        painter.drawRect((zoom_.active() ? zoom_.logical_rect() : rect()).adjusted(0, 0, -1, -1));
    }
}

void QtCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    set_ratio(device_ratio());
}

}  // namespace quorvel

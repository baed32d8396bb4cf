#include "qt_canvas.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "layout.h"
#include "qt_colour.h"
#include "raster.h"

namespace quorvel {
namespace {

int pixels_of(float twips) {
    return static_cast<int>(std::lround(twips / twips_per_pixel));
}

// Cuts the segment to the rectangle lo … hi (Liang–Barsky). False when nothing of it is
// left, or when an end is not a finite number. An end cut at an edge lies exactly on it,
// however far away the original end was.
bool clip_segment(QPointF& a, QPointF& b, QPointF lo, QPointF hi) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y())) {
        return false;
    }
    const QPointF start = a;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    struct Cut {
        double t;
        int edge;  // -1: not cut; 0 left, 1 right, 2 top, 3 bottom
    };
    Cut enter{0.0, -1};
    Cut leave{1.0, -1};
    const auto edge = [&](double p, double q, int which) {
        if (p == 0.0) {
            return q >= 0.0;
        }
        const double r = q / p;
        if (p < 0.0) {
            if (r > leave.t) {
                return false;
            }
            if (r > enter.t) {
                enter = {r, which};
            }
        } else {
            if (r < enter.t) {
                return false;
            }
            if (r < leave.t) {
                leave = {r, which};
            }
        }
        return true;
    };
    if (!edge(-dx, start.x() - lo.x(), 0) || !edge(dx, hi.x() - start.x(), 1) ||
        !edge(-dy, start.y() - lo.y(), 2) || !edge(dy, hi.y() - start.y(), 3)) {
        return false;
    }
    const auto point = [&](const Cut& cut, QPointF end) {
        if (cut.edge < 0) {
            return end;
        }
        QPointF p(std::clamp(start.x() + cut.t * dx, lo.x(), hi.x()),
                  std::clamp(start.y() + cut.t * dy, lo.y(), hi.y()));
        const double on_edge[] = {lo.x(), hi.x(), lo.y(), hi.y()};
        (cut.edge < 2 ? p.rx() : p.ry()) = on_edge[cut.edge];
        return p;
    };
    const QPointF far_end = b;
    a = point(enter, start);
    b = point(leave, far_end);
    return true;
}

// The pixel that holds a coordinate. The far edge of the surface lies just outside its
// last pixel, so a zero bar standing on the chart's bottom edge leaves nothing behind.
int pixel_at(double v) {
    return static_cast<int>(std::floor(v));
}

QPoint pixel_at(QPointF p) {
    return {pixel_at(p.x()), pixel_at(p.y())};
}

}  // namespace

QtCanvas::QtCanvas(const SurfaceLook& look, QWidget* parent)
    : QWidget(parent), Canvas(look), back_(to_qcolor(look.back)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(pixels_of(look.width_twips), pixels_of(look.height_twips));
    fit_image();
}

void QtCanvas::fit_image() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted(static_cast<int>(std::lround(width() * ratio)),
                       static_cast<int>(std::lround(height() * ratio)));
    if (image_.size() == wanted && image_.devicePixelRatio() == ratio) {
        return;
    }
    QImage fresh(wanted, QImage::Format_RGB32);
    fresh.fill(back_);
    fresh.setDevicePixelRatio(ratio);
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(QPointF(0.0, 0.0), image_);
    }
    image_ = fresh;
}

QPointF QtCanvas::image_point(PointF user) const {
    const PointF p = to_pixels(scale(), user, static_cast<float>(image_.width()),
                               static_cast<float>(image_.height()));
    return {p.x, p.y};
}

// Writes straight into the image's device pixels, so nothing is scaled or smoothed; a
// stroke is one logical pixel, that is `ratio` device pixels wide.
template <typename Paint>
void QtCanvas::draw(Paint&& paint) {
    const int stroke = std::max(1, static_cast<int>(image_.devicePixelRatio()));
    paint(image_, stroke);
    update();
}

void QtCanvas::paint_clear(Colour back) {
    back_ = to_qcolor(back);
    image_.fill(back_);
    update();
}

void QtCanvas::paint_line(PointF from, PointF to, Colour fore) {
    QPointF a = image_point(from);
    QPointF b = image_point(to);
    const QSize extent = image_.size();
    if (!clip_segment(a, b, QPointF(-1.0, -1.0),
                      QPointF(extent.width() + 1, extent.height() + 1))) {
        return;
    }
    draw([&](QImage& image, int stroke) {
        draw_segment(image, pixel_at(a), pixel_at(b), to_qcolor(fore).rgb(), stroke);
    });
}

void QtCanvas::paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                         FillStyle style) {
    const QPointF a = image_point(corner);
    const QPointF b = image_point(opposite);
    if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y())) {
        return;
    }
    const QSize extent = image_.size();
    // Edges beyond the surface are pulled in to just outside it, so they stay unseen.
    const auto edge = [](double v, int size) { return pixel_at(std::clamp(v, -2.0, size + 1.0)); };
    const int left = edge(std::min(a.x(), b.x()), extent.width());
    const int right = edge(std::max(a.x(), b.x()), extent.width());
    const int top = edge(std::min(a.y(), b.y()), extent.height());
    const int bottom = edge(std::max(a.y(), b.y()), extent.height());
    draw([&](QImage& image, int stroke) {
        const int in = stroke - 1;
        if (style == FillStyle::solid && right - left > 2 * in + 1 && bottom - top > 2 * in + 1) {
            fill_pixels(
                image,
                QRect(QPoint(left + stroke, top + stroke), QPoint(right - stroke, bottom - stroke)),
                to_qcolor(fill).rgb());
        }
        const QRgb outline = to_qcolor(fore).rgb();
        fill_pixels(image, QRect(QPoint(left, top), QPoint(right, top + in)), outline);
        fill_pixels(image, QRect(QPoint(left, bottom - in), QPoint(right, bottom)), outline);
        fill_pixels(image, QRect(QPoint(left, top), QPoint(left + in, bottom)), outline);
        fill_pixels(image, QRect(QPoint(right - in, top), QPoint(right, bottom)), outline);
    });
}

void QtCanvas::paint_point(PointF p, Colour fore) {
    const QPointF at = image_point(p);
    const QSize extent = image_.size();
    if (!(at.x() >= 0.0 && at.x() <= extent.width() && at.y() >= 0.0 &&
          at.y() <= extent.height())) {
        return;
    }
    draw([&](QImage& image, int stroke) {
        fill_pixels(image, QRect(pixel_at(at), QSize(stroke, stroke)), to_qcolor(fore).rgb());
    });
}

void QtCanvas::paintEvent(QPaintEvent* /*event*/) {
    fit_image();
    QPainter painter(this);
    painter.drawImage(QPointF(0.0, 0.0), image_);
    if (hasFocus()) {
        // A dotted grey rim: enough to find the focus, too faint to read as part of a plot.
        painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void QtCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_image();
}

}  // namespace quorvel

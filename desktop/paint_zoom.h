#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <algorithm>

namespace quorvel {

// How one control of a zoomed window paints. The window builder gives each control its
// zoomed place; the control keeps drawing in the logical pixels of the layout table
// through a painter scaled by the zoom, exactly as Qt draws a whole window whose device
// pixel ratio is that zoom. Lines, text and arrows so come out at the zoomed resolution.
struct PaintZoom {
    double factor = 1.0;
    // The control's size at 100 %, in logical pixels.
    QSize logical;
    // Where the control's logical origin falls in its own zoomed pixels: the zoomed place
    // is rounded to whole pixels, the true position of the drawing is not.
    QPointF origin;

    bool active() const { return factor != 1.0; }
    QRect logical_rect() const { return {QPoint(0, 0), logical}; }
    QPointF to_logical(QPointF widget_point) const { return (widget_point - origin) / factor; }
    QRectF to_widget(const QRectF& logical_rect) const {
        return {logical_rect.topLeft() * factor + origin, logical_rect.size() * factor};
    }
    void apply(QPainter& painter) const {
        if (active()) {
            painter.translate(origin);
            painter.scale(factor, factor);
        }
    }
    // The device pixel ratio a zoomed control reports: its screen's times the zoom. Qt's
    // drawing helpers and the style read it from the painter's device to draw their lines
    // and cached pictures in device pixels, and so draw them as on a screen of that ratio.
    int metric(QPaintDevice::PaintDeviceMetric which, int unzoomed) const {
        if (!active()) {
            return unzoomed;
        }
        switch (which) {
            case QPaintDevice::PdmDevicePixelRatioScaled:
                return qRound(unzoomed * factor);
            case QPaintDevice::PdmDevicePixelRatio:
                return static_cast<int>(unzoomed * factor);
            default:
                return unzoomed;
        }
    }

    friend bool operator==(const PaintZoom&, const PaintZoom&) = default;
};

// Where a control lands in a zoomed window, and how it paints there. `logical` is the
// control's rectangle at 100 % in window coordinates. Its edges are scaled and rounded as
// Qt's high-DPI scaling rounds the edges of what it fills (to the nearest pixel, halves
// away from zero), so a control's zoomed place is the one it has in a window started at
// that scale; a control inside another is placed relative to its container's zoomed place.
struct ZoomedPlace {
    QRect in_window;
    PaintZoom paint;
};

inline ZoomedPlace zoomed_place(const QRect& logical, double factor) {
    const int left = qRound(logical.left() * factor);
    const int top = qRound(logical.top() * factor);
    const int right = qRound((logical.left() + logical.width()) * factor);
    const int bottom = qRound((logical.top() + logical.height()) * factor);
    return {QRect(left, top, right - left, bottom - top),
            PaintZoom{factor, logical.size(),
                      QPointF(logical.left() * factor - left, logical.top() * factor - top)}};
}

// A control that can paint itself at a zoom.
class Zoomable {
  public:
    virtual void set_paint_zoom(const PaintZoom& zoom) = 0;

  protected:
    ~Zoomable() = default;
};

// A font `factor` times as large, whether it was given in points or in pixels: for the
// windows of their own (menus, tooltips, messages) that a zoomed window opens.
inline QFont zoomed_font(QFont font, double factor) {
    if (font.pointSizeF() > 0.0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    }
    return font;
}

}  // namespace quorvel

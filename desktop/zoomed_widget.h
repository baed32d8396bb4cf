#pragma once

#include <QPaintDevice>
#include <QPaintEvent>
#include <QPoint>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "paint_zoom.h"

namespace quorvel {

// A widget of the window that keeps the zoom it paints at and reports the zoomed device
// pixel ratio, so that the style draws its lines as on a screen of that ratio. What it
// paints at the zoom is the derived control's.
template <typename Widget>
class ZoomedWidget : public Widget, public Zoomable {
  public:
    using Widget::Widget;

    void set_paint_zoom(const PaintZoom& zoom) override {
        zoom_ = zoom;
        this->update();
    }

  protected:
    const PaintZoom& paint_zoom() const { return zoom_; }

    int metric(QPaintDevice::PaintDeviceMetric which) const override {
        return zoom_.metric(which, Widget::metric(which));
    }

  private:
    PaintZoom zoom_;
};

// A push or option button that, in a zoomed window, paints and takes clicks as the style
// lays it out at its size at 100 %, scaled up: `drawn` is the style's element for it and
// `click_area` where a click counts.
template <typename Button, QStyle::ControlElement drawn, QStyle::SubElement click_area>
class ZoomedButton : public ZoomedWidget<Button> {
  public:
    using ZoomedWidget<Button>::ZoomedWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (!this->paint_zoom().active()) {
            Button::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        this->paint_zoom().apply(painter);
        painter.drawControl(drawn, logical_option());
    }

    bool hitButton(const QPoint& pos) const override {
        if (!this->paint_zoom().active()) {
            return Button::hitButton(pos);
        }
        const QStyleOptionButton option = logical_option();
        return this->style()
            ->subElementRect(click_area, &option, this)
            .toRectF()
            .contains(this->paint_zoom().to_logical(pos));
    }

  private:
    QStyleOptionButton logical_option() const {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        option.rect = this->paint_zoom().logical_rect();
        return option;
    }
};

}  // namespace quorvel

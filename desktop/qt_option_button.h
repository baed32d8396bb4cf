#pragma once

#include <QRadioButton>

#include "controls.h"
#include "paint_zoom.h"

namespace quorvel {

// An option button. The buttons that share a frame form one exclusive group. Its click
// handler is tied to the clicked signal, which only the user raises: setting the state
// from code never runs the handler. Each option button is a Tab stop of its own, whether
// or not it is the selected one of its group. In a zoomed window it paints, and takes
// clicks, as the style lays it out at its size at 100 %, scaled up.
class QtOptionButton : public QRadioButton, public OptionButton, public Zoomable {
    Q_OBJECT

  public:
    explicit QtOptionButton(QWidget* parent = nullptr);

    void Value(bool selected) override;
    bool value() const override;

    void set_paint_zoom(const PaintZoom& zoom) override;

  protected:
    int metric(PaintDeviceMetric which) const override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

  private:
    PaintZoom zoom_;
};

}  // namespace quorvel

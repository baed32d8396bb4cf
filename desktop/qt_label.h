#pragma once

#include <QLabel>

#include "controls.h"
#include "paint_zoom.h"

namespace quorvel {

// A label of the window: its caption is plain text, never markup, and its Visible setting
// is its own, whether or not the frame around it is shown. A new caption is told to
// assistive tools as a change of the label's text. In a zoomed window its text is laid
// out in the label's size at 100 % and drawn scaled up.
class QtLabel : public QLabel, public Label, public Zoomable {
    Q_OBJECT

  public:
    explicit QtLabel(QWidget* parent = nullptr);

    void Caption(const std::string& text) override;
    std::string caption() const override;
    void Visible(bool shown) override;
    bool visible() const override;

    void set_paint_zoom(const PaintZoom& zoom) override;

  signals:
    // After Caption wrote a caption different from the one shown before.
    void caption_changed();

  protected:
    int metric(PaintDeviceMetric which) const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    PaintZoom zoom_;
};

}  // namespace quorvel

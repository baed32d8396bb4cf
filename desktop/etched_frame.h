#pragma once

#include <QGroupBox>

#include "zoomed_widget.h"

namespace quorvel {

// A group of controls with an untitled etched border, drawn as two shaded lines: the
// style's own group box works out a title's place and font on every paint, which made
// the window's first paint markedly slower, and shows nothing more without a title.
class EtchedFrame : public ZoomedWidget<QGroupBox> {
    Q_OBJECT

  public:
    using ZoomedWidget::ZoomedWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel

#pragma once

#include <QPushButton>

#include "zoomed_widget.h"

namespace quorvel {

// A push button of the window. In a zoomed window it paints, and takes clicks, as the
// style lays it out at its size at 100 %, scaled up.
class QtPushButton
    : public ZoomedButton<QPushButton, QStyle::CE_PushButton, QStyle::SE_PushButtonBevel> {
    Q_OBJECT

  public:
    using ZoomedButton::ZoomedButton;
};

}  // namespace quorvel

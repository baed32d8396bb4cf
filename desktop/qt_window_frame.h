#pragma once

#include <QWidget>
#include <optional>

#include "controls.h"

namespace quorvel {

// Whether this program may place its own windows on the screen. Under Wayland the
// compositor alone decides where a window goes, and a client's request is ignored.
bool can_place_windows();

// The top-level window's outer frame and the screen, in twips. The client area never
// changes size: setting the outer height records it, and until the window system has
// told us how large its frame is, the outer size is taken to be that recorded height (or
// the client size when nothing was recorded). Top and left place the outer frame, where
// the window system lets a program place its windows.
class QtWindowFrame : public WindowFrame {
  public:
    explicit QtWindowFrame(QWidget& window) : window_(window) {}

    void set_height(float twips) override { requested_height_ = twips; }
    float height() const override;
    float width() const override;
    void set_top(float twips) override;
    void set_left(float twips) override;
    float screen_width() const override;
    float screen_height() const override;

  private:
    QWidget& window_;
    std::optional<float> requested_height_;
};

}  // namespace quorvel

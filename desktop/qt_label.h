#pragma once

#include <QLabel>

#include "controls.h"
#include "zoomed_widget.h"

namespace quorvel {

// A label of the window: its caption is plain text, never markup, and its Visible setting
// is its own, whether or not the frame around it is shown. A new caption is told to
// assistive tools as a change of the label's text. In a zoomed window its text is laid
// out in the label's size at 100 % and drawn scaled up.
class QtLabel : public ZoomedWidget<QLabel>, public Label {
    Q_OBJECT

  public:
    explicit QtLabel(QWidget* parent = nullptr);

    void Caption(const std::string& text) override;
    std::string caption_text() const override;
    void Visible(bool shown) override;
    bool is_visible() const override;

  signals:
    // After Caption wrote a caption different from the one shown before.
    void caption_changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel

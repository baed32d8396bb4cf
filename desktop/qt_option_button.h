#pragma once

#include <QRadioButton>

#include "controls.h"
#include "zoomed_widget.h"

namespace quorvel {

// An option button. The buttons that share a frame form one exclusive group. Its click
// handler is tied to the clicked signal, which only the user raises: setting the state
// from code never runs the handler. Each option button is a Tab stop of its own, whether
// or not it is the selected one of its group. In a zoomed window it paints, and takes
// clicks, as the style lays it out at its size at 100 %, scaled up.
class QtOptionButton
    : public ZoomedButton<QRadioButton, QStyle::CE_RadioButton, QStyle::SE_RadioButtonClickRect>,
      public OptionButton {
    Q_OBJECT

  public:
    explicit QtOptionButton(QWidget* parent = nullptr);

    void Value(bool selected) override;
    bool is_selected() const override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace quorvel

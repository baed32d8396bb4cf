#pragma once

#include <QRadioButton>

#include "controls.h"

namespace quorvel {

// An option button. The buttons that share a frame form one exclusive group. Its click
// handler is tied to the clicked signal, which only the user raises: setting the state
// from code never runs the handler. Each option button is a Tab stop of its own, whether
// or not it is the selected one of its group.
class QtOptionButton : public QRadioButton, public OptionButton {
    Q_OBJECT

  public:
    explicit QtOptionButton(QWidget* parent = nullptr);

    void Value(bool selected) override;
    bool value() const override;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace quorvel

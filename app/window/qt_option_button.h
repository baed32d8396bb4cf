#pragma once

#include <QRadioButton>

#include "app/controls.h"

namespace quorvel {

// An option button. The buttons that share a frame form one exclusive group. Its click
// handler is tied to the clicked signal, which only the user raises: setting the state
// from code never runs the handler.
class QtOptionButton : public QRadioButton, public OptionButton {
    Q_OBJECT

  public:
    explicit QtOptionButton(QWidget* parent = nullptr);

    void Value(bool selected) override;
    bool value() const override;
};

}  // namespace quorvel

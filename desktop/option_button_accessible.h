#pragma once

#include <QAccessibleWidget>

#include "qt_option_button.h"

namespace quorvel {

// An option button as a screen reader works it: a radio button, checked or not, whose
// action clicks it as the mouse does, so that its Click handler runs. (Qt's own radio
// button only flips its state when toggled aloud, which would show "sin" selected while
// the exercise stayed in cosine mode.)
class OptionButtonAccessible final : public QAccessibleWidget {
  public:
    explicit OptionButtonAccessible(QtOptionButton* button);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

  private:
    QtOptionButton& button() const { return *static_cast<QtOptionButton*>(widget()); }
};

}  // namespace quorvel

#pragma once

#include <QAccessibleWidget>
#include <array>

#include "spin_button.h"

namespace quorvel {

// A spin button as a spin box: its name says what it changes, its value is the number in
// the label that shows it, between the bounds its handlers keep, and it holds two
// buttons, "up" and "down". Increase and decrease act as the arrows do; setting a value
// presses the arrow towards it until the number gets there or stops moving.
class SpinButtonAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SpinButtonAccessible(SpinButton* spin);
    ~SpinButtonAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* candidate) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

    // The number in the readout; empty while the readout shows no number.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    static constexpr std::array arrows{SpinButton::Arrow::up, SpinButton::Arrow::down};

    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }

    mutable std::array<QAccessible::Id, 2> arrow_ids_{};
};

}  // namespace quorvel

#include "app/window/qt_option_button.h"

namespace quorvel {

QtOptionButton::QtOptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(true);
}

void QtOptionButton::Value(bool selected) {
    if (selected) {
        setChecked(true);
        return;
    }
    // Qt refuses to clear the selected button of an exclusive group, so the group is
    // released for that one step.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

bool QtOptionButton::value() const {
    return isChecked();
}

}  // namespace quorvel

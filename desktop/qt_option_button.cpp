#include "qt_option_button.h"

namespace quorvel {

QtOptionButton::QtOptionButton(QWidget* parent) : ZoomedButton(parent) {
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

bool QtOptionButton::is_selected() const {
    return isChecked();
}

void QtOptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    if (parentWidget() == nullptr) {
        return;
    }
    for (QtOptionButton* option :
         parentWidget()->findChildren<QtOptionButton*>(Qt::FindDirectChildrenOnly)) {
        option->setFocusPolicy(static_cast<Qt::FocusPolicy>(option->focusPolicy() | Qt::TabFocus));
    }
}

}  // namespace quorvel

#include "option_button_accessible.h"

#include <QStringList>

namespace quorvel {

OptionButtonAccessible::OptionButtonAccessible(QtOptionButton* button)
    : QAccessibleWidget(button, QAccessible::RadioButton) {}

QAccessible::State OptionButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = button().isChecked();
    return s;
}

// The caption is the name unless the window gave the button a name of its own.
QString OptionButtonAccessible::text(QAccessible::Text t) const {
    QString said = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && said.isEmpty()) {
        said = button().text();
    }
    return said;
}

QStringList OptionButtonAccessible::actionNames() const {
    QStringList names;
    if (button().isEnabled()) {
        names << toggleAction() << pressAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void OptionButtonAccessible::doAction(const QString& action) {
    if (action == toggleAction() || action == pressAction()) {
        if (button().isEnabled()) {
            button().click();
        }
        return;
    }
    QAccessibleWidget::doAction(action);
}

QStringList OptionButtonAccessible::keyBindingsForAction(const QString& action) const {
    if (action == toggleAction() || action == pressAction()) {
        return {QStringLiteral("Space")};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
}

}  // namespace quorvel

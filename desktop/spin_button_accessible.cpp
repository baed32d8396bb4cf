#include "spin_button_accessible.h"

#include <QPointer>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

bool is_up(SpinButton::Arrow arrow) {
    return arrow == SpinButton::Arrow::up;
}

// One arrow of a spin button: a push button without a widget of its own. Its spin box
// creates it, registers it with Qt and deletes it again.
class SpinArrowAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    SpinArrowAccessible(QAccessibleInterface* spin_box, SpinButton* spin, SpinButton::Arrow arrow)
        : spin_box_(spin_box), spin_(spin), arrow_(arrow) {}

    bool isValid() const override { return spin_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return spin_box_->window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return spin_box_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const SpinButton* spin = spin_.data();
        if (spin == nullptr) {
            return {};
        }
        const SpinArrowTexts& texts = spin->arrow_texts();
        switch (t) {
            case QAccessible::Name:
                return is_up(arrow_) ? texts.up_name : texts.down_name;
            case QAccessible::Description:
                return QString(is_up(arrow_) ? texts.up_description : texts.down_description)
                    .replace(QStringLiteral("{name}"), spin_box_->text(QAccessible::Name));
            default:
                return {};
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        const SpinButton* spin = spin_.data();
        if (spin == nullptr) {
            return {};
        }
        const QRect r = spin->arrow_rect(arrow_);
        return {spin->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const SpinButton* spin = spin_.data();
        if (spin == nullptr) {
            state.invisible = true;
            return state;
        }
        state.invisible = !spin->isVisible();
        state.disabled = !spin->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        SpinButton* spin = spin_.data();
        if (action == pressAction() && spin != nullptr) {
            spin->step(arrow_);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        const SpinButton* spin = spin_.data();
        if (action != pressAction() || spin == nullptr) {
            return {};
        }
        return {is_up(arrow_) ? spin->arrow_texts().up_key : spin->arrow_texts().down_key};
    }

  private:
    QAccessibleInterface* spin_box_;
    QPointer<SpinButton> spin_;
    SpinButton::Arrow arrow_;
};

}  // namespace

SpinButtonAccessible::SpinButtonAccessible(SpinButton* spin)
    : QAccessibleWidget(spin, QAccessible::SpinBox) {}

SpinButtonAccessible::~SpinButtonAccessible() {
    for (const QAccessible::Id id : arrow_ids_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

int SpinButtonAccessible::childCount() const {
    return static_cast<int>(arrows.size());
}

QAccessibleInterface* SpinButtonAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    QAccessible::Id& id = arrow_ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
        auto* self = const_cast<SpinButtonAccessible*>(this);
        id = QAccessible::registerAccessibleInterface(
            new SpinArrowAccessible(self, spin(), arrows[static_cast<std::size_t>(index)]));
    }
    return QAccessible::accessibleInterface(id);
}

int SpinButtonAccessible::indexOfChild(const QAccessibleInterface* candidate) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child(i) == candidate) {
            return i;
        }
    }
    return -1;
}

QAccessibleInterface* SpinButtonAccessible::childAt(int x, int y) const {
    const QPoint at = spin()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i) {
        if (spin()->arrow_rect(arrows[static_cast<std::size_t>(i)]).contains(at)) {
            return child(i);
        }
    }
    return nullptr;
}

QString SpinButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        const QtLabel* readout = spin()->readout();
        return readout != nullptr ? readout->text() : QString();
    }
    return QAccessibleWidget::text(t);
}

void* SpinButtonAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QStringList SpinButtonAccessible::actionNames() const {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
}

void SpinButtonAccessible::doAction(const QString& action) {
    if (action == increaseAction()) {
        spin()->step(SpinButton::Arrow::up);
    } else if (action == decreaseAction()) {
        spin()->step(SpinButton::Arrow::down);
    } else {
        QAccessibleWidget::doAction(action);
    }
}

QStringList SpinButtonAccessible::keyBindingsForAction(const QString& action) const {
    if (action == increaseAction()) {
        return {spin()->arrow_texts().up_key};
    }
    if (action == decreaseAction()) {
        return {spin()->arrow_texts().down_key};
    }
    return QAccessibleWidget::keyBindingsForAction(action);
}

QVariant SpinButtonAccessible::currentValue() const {
    bool ok = false;
    const double value = text(QAccessible::Value).toDouble(&ok);
    return ok ? QVariant(value) : QVariant();
}

// Each press runs the button's handler, just as a click on the arrow would. A value
// outside the bounds is taken as the bound; one between two steps ends on the step past
// it. The presses also stop as soon as one leaves the number where it was.
void SpinButtonAccessible::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const double asked = value.toDouble(&ok);
    const std::optional<SpinRange> range = spin()->range();
    if (!ok || std::isnan(asked) || !range) {
        return;
    }
    const double target =
        std::clamp(asked, static_cast<double>(range->minimum), static_cast<double>(range->maximum));
    const int most_presses = (range->maximum - range->minimum) / range->step + 1;
    for (int press = 0; press < most_presses; ++press) {
        const QVariant before = currentValue();
        if (!before.isValid() || before.toDouble() == target) {
            return;
        }
        spin()->step(before.toDouble() < target ? SpinButton::Arrow::up : SpinButton::Arrow::down);
        const QVariant after = currentValue();
        if (after == before || (before.toDouble() < target) != (after.toDouble() < target)) {
            return;
        }
    }
}

QVariant SpinButtonAccessible::maximumValue() const {
    const std::optional<SpinRange> range = spin()->range();
    return range ? QVariant(range->maximum) : QVariant();
}

QVariant SpinButtonAccessible::minimumValue() const {
    const std::optional<SpinRange> range = spin()->range();
    return range ? QVariant(range->minimum) : QVariant();
}

QVariant SpinButtonAccessible::minimumStepSize() const {
    const std::optional<SpinRange> range = spin()->range();
    return range ? QVariant(range->step) : QVariant();
}

}  // namespace quorvel

#include "accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <array>

#include "qt_canvas.h"
#include "qt_label.h"
#include "spin_button.h"

namespace quorvel {
namespace {

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
        const QString name =
            arrow_ == SpinButton::Arrow::up ? QStringLiteral("up") : QStringLiteral("down");
        switch (t) {
            case QAccessible::Name:
                return name;
            case QAccessible::Description:
                return QStringLiteral("Steps %1 %2").arg(spin_box_->text(QAccessible::Name), name);
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
        if (action != pressAction()) {
            return {};
        }
        return {arrow_ == SpinButton::Arrow::up ? QStringLiteral("Up") : QStringLiteral("Down")};
    }

  private:
    QAccessibleInterface* spin_box_;
    QPointer<SpinButton> spin_;
    SpinButton::Arrow arrow_;
};

// A spin button as a spin box: its name says what it changes, its value is the caption of
// the label that shows that number, and it holds two buttons, "up" and "down". Increase
// and decrease act as the arrows do.
class SpinButtonAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SpinButtonAccessible(SpinButton* spin)
        : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    ~SpinButtonAccessible() override {
        for (const QAccessible::Id id : arrow_ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return static_cast<int>(arrows.size()); }
    QAccessibleInterface* child(int index) const override {
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
    int indexOfChild(const QAccessibleInterface* candidate) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i) == candidate) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = spin()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (spin()->arrow_rect(arrows[static_cast<std::size_t>(i)]).contains(at)) {
                return child(i);
            }
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            const QLabel* readout = spin()->readout();
            return readout != nullptr ? readout->text() : QString();
        }
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == increaseAction()) {
            spin()->step(SpinButton::Arrow::up);
        } else if (action == decreaseAction()) {
            spin()->step(SpinButton::Arrow::down);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == increaseAction()) {
            return {QStringLiteral("Up")};
        }
        if (action == decreaseAction()) {
            return {QStringLiteral("Down")};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    // The number in the readout; empty while the readout shows no number. The button
    // has no bounds of its own and cannot be set to a value, only stepped.
    QVariant currentValue() const override {
        bool ok = false;
        const double value = text(QAccessible::Value).toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

  private:
    static constexpr std::array arrows{SpinButton::Arrow::up, SpinButton::Arrow::down};

    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }

    mutable std::array<QAccessible::Id, 2> arrow_ids_{};
};

// A label as static text. A label with an accessible name of its own (the value labels)
// gives that as its name and its caption as its value; any other label is named by its
// caption.
class LabelAccessible final : public QAccessibleWidget {
  public:
    explicit LabelAccessible(QtLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString own_name = widget()->accessibleName();
        const QString caption = static_cast<const QtLabel*>(widget())->text();
        switch (t) {
            case QAccessible::Name:
                return own_name.isEmpty() ? caption : own_name;
            case QAccessible::Value:
                return own_name.isEmpty() ? QString() : caption;
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

QAccessibleInterface* make_interface(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(SpinButton::staticMetaObject.className())) {
        return new SpinButtonAccessible(static_cast<SpinButton*>(object));
    }
    if (class_name == QLatin1String(QtCanvas::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QtCanvas*>(object), QAccessible::Graphic);
    }
    if (class_name == QLatin1String(QtLabel::staticMetaObject.className())) {
        return new LabelAccessible(static_cast<QtLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void install_accessible_interfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(make_interface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace quorvel

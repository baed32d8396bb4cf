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

constexpr auto texts = std::to_array<AccessibleText>({
    // Frames: the group a screen reader announces when the focus enters it.
    {{"example"}, "Example Wave", "The wave whose coefficients you are finding"},
    {{"simulate"}, "Simulate Wave", "The sum of your trial harmonics, and the answers"},
    {{"Frame1"}, "Essential Wave", "cos nθ or sin nθ"},
    {{"Frame2"}, "Example Wave times Essential Wave", "The product and its mean S/T"},
    {{"Frame3"}, "Spectrum", "Your trial coefficients by harmonic"},
    {{"s_wave", 0}, "Coefficient a0", "Your constant term"},
    {{"s_wave", 1}, "Coefficient a1", "Your cosine harmonic 1"},
    {{"s_wave", 2}, "Coefficient a2", "Your cosine harmonic 2"},
    {{"s_wave", 3}, "Coefficient a3", "Your cosine harmonic 3"},
    {{"s_wave", 4}, "Coefficient a4", "Your cosine harmonic 4"},
    {{"c_wave", 1}, "Coefficient b1", "Your sine harmonic 1"},
    {{"c_wave", 2}, "Coefficient b2", "Your sine harmonic 2"},
    {{"c_wave", 3}, "Coefficient b3", "Your sine harmonic 3"},
    {{"c_wave", 4}, "Coefficient b4", "Your sine harmonic 4"},

    // Push buttons and option buttons. The two RESET buttons say which RESET they are.
    {{"Command1"},
     "RESET (new example)",
     "Draws a new example wave at the same level and sets your trial back to zero"},
    {{"Command2"}, "RESET (essential wave)", "Sets the essential wave back to n = 0, cos"},
    {{"Command3"}, "CALC", "Computes S/T, the mean of the product wave over k rectangles"},
    {{"Command4"}, "ANS", "Shows the example wave's true coefficients"},
    {{"switch_c"}, "cos", "Essential wave cos nθ"},
    {{"switch_s"}, "sin", "Essential wave sin nθ"},

    // Spin buttons, named after what they change; their value is their readout's caption.
    {{"Spin_lebel"}, "level", "How many harmonics the example has", {"value_lebel"}},
    {{"Spin_n"}, "n", "The order n of the essential wave", {"value_n"}},
    {{"Spin_k"}, "k", "How many rectangles CALC uses", {"value_k"}},
    {{"Spin_a0"}, "a0", "Your trial coefficient a0", {"value_a", 0}},
    {{"Spin_a1"}, "a1", "Your trial coefficient a1", {"value_a", 1}},
    {{"Spin_a2"}, "a2", "Your trial coefficient a2", {"value_a", 2}},
    {{"Spin_a3"}, "a3", "Your trial coefficient a3", {"value_a", 3}},
    {{"Spin_a4"}, "a4", "Your trial coefficient a4", {"value_a", 4}},
    {{"Spin_b1"}, "b1", "Your trial coefficient b1", {"value_b", 1}},
    {{"Spin_b2"}, "b2", "Your trial coefficient b2", {"value_b", 2}},
    {{"Spin_b3"}, "b3", "Your trial coefficient b3", {"value_b", 3}},
    {{"Spin_b4"}, "b4", "Your trial coefficient b4", {"value_b", 4}},

    // Labels whose caption changes: the name says what they show, the caption is the value.
    {{"value_lebel"}, "level value", "The example's level"},
    {{"value_n"}, "n value", "The order of the essential wave"},
    {{"value_k"}, "k value", "The number of rectangles"},
    {{"value_s"}, "S/T", "The mean of the product wave, after CALC"},
    {{"value_a", 0}, "a0 value", "Your trial a0"},
    {{"value_a", 1}, "a1 value", "Your trial a1"},
    {{"value_a", 2}, "a2 value", "Your trial a2"},
    {{"value_a", 3}, "a3 value", "Your trial a3"},
    {{"value_a", 4}, "a4 value", "Your trial a4"},
    {{"value_b", 1}, "b1 value", "Your trial b1"},
    {{"value_b", 2}, "b2 value", "Your trial b2"},
    {{"value_b", 3}, "b3 value", "Your trial b3"},
    {{"value_b", 4}, "b4 value", "Your trial b4"},
    {{"ans_a", 0}, "a0 answer", "The example's true a0, after ANS"},
    {{"ans_a", 1}, "a1 answer", "The example's true a1, after ANS"},
    {{"ans_a", 2}, "a2 answer", "The example's true a2, after ANS"},
    {{"ans_a", 3}, "a3 answer", "The example's true a3, after ANS"},
    {{"ans_a", 4}, "a4 answer", "The example's true a4, after ANS"},
    {{"ans_b", 1}, "b1 answer", "The example's true b1, after ANS"},
    {{"ans_b", 2}, "b2 answer", "The example's true b2, after ANS"},
    {{"ans_b", 3}, "b3 answer", "The example's true b3, after ANS"},
    {{"ans_b", 4}, "b4 answer", "The example's true b4, after ANS"},

    // Picture surfaces: which wave they show, never what its coefficients are.
    {{"campus_ex"}, "Example wave", "The example wave over its periods"},
    {{"campus_sim"}, "Simulate wave", "The sum of your trial harmonics"},
    {{"campus_ess"}, "Essential wave", "cos nθ or sin nθ for the chosen n"},
    {{"campus_sqr"},
     "Product of example and essential wave",
     "After CALC, with the rectangles whose mean is S/T"},
    {{"campus_graph"}, "Spectrum", "Bars of your trial coefficients by harmonic"},
    {{"campus_a", 0}, "Constant term a0", "Your a0"},
    {{"campus_a", 1}, "Cosine harmonic 1", "Your a1 cos θ"},
    {{"campus_a", 2}, "Cosine harmonic 2", "Your a2 cos 2θ"},
    {{"campus_a", 3}, "Cosine harmonic 3", "Your a3 cos 3θ"},
    {{"campus_a", 4}, "Cosine harmonic 4", "Your a4 cos 4θ"},
    {{"campus_b", 1}, "Sine harmonic 1", "Your b1 sin θ"},
    {{"campus_b", 2}, "Sine harmonic 2", "Your b2 sin 2θ"},
    {{"campus_b", 3}, "Sine harmonic 3", "Your b3 sin 3θ"},
    {{"campus_b", 4}, "Sine harmonic 4", "Your b4 sin 4θ"},
});

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

std::span<const AccessibleText> accessible_texts() {
    return texts;
}

void install_accessible_interfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(make_interface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace quorvel

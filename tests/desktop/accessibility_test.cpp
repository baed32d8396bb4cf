// The window as a screen reader meets it, read back through Qt's accessibility: what each
// control is called and what it is, how a spin button shows its arrows, its number and
// its bounds, that the value labels give their caption as text and tell each change of
// it, while the plots' names never give a coefficient away.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QVariant>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "accessible_texts.h"
#include "case_name.h"
#include "layout.h"
#include "main_window.h"
#include "qt_label.h"
#include "spin_button.h"
#include "spin_ranges.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

// Shown, as a screen reader finds it: a hidden widget has no place on the screen.
class AccessibleWindow : public testing::StartedWindow {
  protected:
    QAccessibleInterface& accessible(ControlName name) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&widget(name));
        if (iface == nullptr) {
            throw std::runtime_error("no accessible interface for " + full_name(name));
        }
        return *iface;
    }
    QString spoken_name(ControlName name) { return accessible(name).text(QAccessible::Name); }
    QString spoken_value(ControlName name) { return accessible(name).text(QAccessible::Value); }
    void act(ControlName name, const QString& action) {
        QAccessibleActionInterface* actions = accessible(name).actionInterface();
        ASSERT_NE(actions, nullptr) << full_name(name);
        ASSERT_TRUE(actions->actionNames().contains(action)) << full_name(name);
        actions->doAction(action);
    }

    // A push button pressed through its accessible action. Qt animates that press and
    // clicks when the animation ends, so this waits for the click.
    void push(ControlName button) {
        QSignalSpy clicks(qobject_cast<QAbstractButton*>(&widget(button)),
                          &QAbstractButton::clicked);
        act(button, QAccessibleActionInterface::pressAction());
        if (clicks.isEmpty()) {
            ASSERT_TRUE(clicks.wait(2000)) << full_name(button) << " was never clicked";
        }
    }
    static void press_button(QAccessibleInterface* button) {
        ASSERT_NE(button, nullptr);
        QAccessibleActionInterface* actions = button->actionInterface();
        ASSERT_NE(actions, nullptr);
        actions->doAction(QAccessibleActionInterface::pressAction());
    }
};

QAccessible::Role role_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::frame:
            return QAccessible::Grouping;
        case ControlKind::label:
            return QAccessible::StaticText;
        case ControlKind::push_button:
            return QAccessible::Button;
        case ControlKind::option_button:
            return QAccessible::RadioButton;
        case ControlKind::spin_button:
            return QAccessible::SpinBox;
        case ControlKind::picture:
            return QAccessible::Graphic;
    }
    return QAccessible::NoRole;
}

// Every control the window shows is what its kind says to a screen reader, and every one a
// user works or looks at (buttons, spin buttons, plots) has a name of its own and a
// description: a listener must be able to tell the two RESET buttons, or two plots, apart.
TEST_F(AccessibleWindow, EveryShownControlHasItsKindsRoleAndEveryWorkedOrPlottedOneANameOfItsOwn) {
    QSet<QString> seen;
    for (const ControlRow& row : layout_table()) {
        if (!widget(row.name).isVisibleTo(&window)) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        EXPECT_EQ(accessible(row.name).role(), role_of(row.kind));
        if (row.kind == ControlKind::frame || row.kind == ControlKind::label) {
            continue;
        }
        const QString spoken = spoken_name(row.name);
        EXPECT_FALSE(spoken.isEmpty());
        EXPECT_FALSE(accessible(row.name).text(QAccessible::Description).isEmpty());
        EXPECT_FALSE(seen.contains(spoken)) << spoken.toStdString();
        seen.insert(spoken);
    }
    EXPECT_TRUE(spoken_name({"Command1"}).contains(QStringLiteral("RESET")));
    EXPECT_TRUE(spoken_name({"Command2"}).contains(QStringLiteral("RESET")));
}

// A spin button's name is what it changes, and the readout that shows that number is named
// after it: "a0" beside "a0 value". Its description says what it steps, and between which
// bounds.
TEST_F(AccessibleWindow, EachSpinButtonNamesWhatItChanges) {
    int spins = 0;
    for (const ControlRow& row : layout_table()) {
        if (row.kind != ControlKind::spin_button) {
            continue;
        }
        ++spins;
        SCOPED_TRACE(full_name(row.name));
        const AccessibleText* text = find_accessible_text(row.name);
        ASSERT_NE(text, nullptr);
        const QString spoken = spoken_name(row.name);
        EXPECT_FALSE(spoken.isEmpty());
        EXPECT_EQ(spoken_name(text->readout).toStdString(), spoken.toStdString() + " value");
        // As a word: "n" is a letter of nearly any sentence.
        const QRegularExpression word(
            QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(spoken)));
        const QString description = accessible(row.name).text(QAccessible::Description);
        EXPECT_TRUE(description.contains(word)) << spoken.toStdString();
        // It tells the bounds the button reports as its value's.
        const QAccessibleValueInterface* value = accessible(row.name).valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_TRUE(description.contains(QStringLiteral("(%1 to %2)")
                                             .arg(value->minimumValue().toInt())
                                             .arg(value->maximumValue().toInt())))
            << description.toStdString();
    }
    EXPECT_GT(spins, 0);
}

// Every label the program writes a number into has a name and a description; the others
// speak the caption they show.
TEST_F(AccessibleWindow, LabelsAreNamedByTheirRowOrTheirCaption) {
    for (const ControlRow& row : layout_table()) {
        if (row.kind != ControlKind::label || !widget(row.name).isVisibleTo(&window)) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        const AccessibleText* text = find_accessible_text(row.name);
        if (text == nullptr) {
            EXPECT_EQ(spoken_name(row.name).toStdString(), caption(row.name).toStdString());
        } else {
            EXPECT_FALSE(spoken_name(row.name).isEmpty());
            EXPECT_FALSE(accessible(row.name).text(QAccessible::Description).isEmpty());
        }
    }
}

TEST_F(AccessibleWindow, SpinButtonHoldsAnUpAndADownButtonInItsOwnHalves) {
    QAccessibleInterface& spin = accessible({"Spin_a0"});
    ASSERT_EQ(spin.childCount(), 2);
    QAccessibleInterface* up = spin.child(0);
    QAccessibleInterface* down = spin.child(1);
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);

    EXPECT_EQ(up->text(QAccessible::Name), QStringLiteral("up"));
    EXPECT_EQ(down->text(QAccessible::Name), QStringLiteral("down"));
    EXPECT_EQ(up->role(), QAccessible::Button);
    EXPECT_EQ(down->role(), QAccessible::Button);
    EXPECT_EQ(up->parent(), &spin);
    EXPECT_EQ(spin.indexOfChild(up), 0);
    EXPECT_EQ(spin.indexOfChild(down), 1);
    // Asked again, the same two: a reader may hold on to them.
    EXPECT_EQ(spin.child(0), up);

    const QRect whole = spin.rect();
    EXPECT_TRUE(whole.contains(up->rect()));
    EXPECT_TRUE(whole.contains(down->rect()));
    EXPECT_LT(up->rect().bottom(), down->rect().top());
    EXPECT_EQ(spin.childAt(up->rect().center().x(), up->rect().center().y()), up);
    EXPECT_EQ(spin.childAt(down->rect().center().x(), down->rect().center().y()), down);
}

// A spin button stepped through its accessible actions runs its handler, and afterwards
// the spin box's value, its readout's value and the readout's caption agree. Each case
// steps away from where the window starts and back: up by a step, or down from the top.
struct Stepper {
    const char* name;
    ControlName spin;
    ControlName readout;
};

void PrintTo(const Stepper& row, std::ostream* out) {
    *out << row.name;
}

class SteppedAloud : public AccessibleWindow, public ::testing::WithParamInterface<Stepper> {
  protected:
    int shown() { return caption(GetParam().readout).toInt(); }
    // What the first step does to the readout.
    int first_step() {
        const std::optional<SpinRange> range = spin_range(window.form(), GetParam().spin);
        return shown() < range.value().maximum ? range->step : -range->step;
    }
    bool up_first() { return first_step() > 0; }
    void expect_value_everywhere(int expected) {
        EXPECT_EQ(shown(), expected);
        EXPECT_EQ(spoken_value(GetParam().readout), caption(GetParam().readout));
        EXPECT_EQ(spoken_value(GetParam().spin), caption(GetParam().readout));
        QAccessibleValueInterface* value = accessible(GetParam().spin).valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue().toInt(), expected);
    }
};

TEST_P(SteppedAloud, ThroughItsArrowButtons) {
    const int before = shown();
    const int step = first_step();
    QAccessibleInterface& spin = accessible(GetParam().spin);
    ASSERT_EQ(spin.childCount(), 2);
    QAccessibleInterface* first = spin.child(up_first() ? 0 : 1);
    QAccessibleInterface* back = spin.child(up_first() ? 1 : 0);

    press_button(first);
    expect_value_everywhere(before + step);
    press_button(back);
    expect_value_everywhere(before);
}

TEST_P(SteppedAloud, ThroughIncreaseAndDecrease) {
    const QString& increase = QAccessibleActionInterface::increaseAction();
    const QString& decrease = QAccessibleActionInterface::decreaseAction();
    const int before = shown();
    const int step = first_step();

    act(GetParam().spin, step > 0 ? increase : decrease);
    expect_value_everywhere(before + step);
    act(GetParam().spin, step > 0 ? decrease : increase);
    expect_value_everywhere(before);
}

INSTANTIATE_TEST_SUITE_P(Window, SteppedAloud,
                         ::testing::Values(Stepper{"a0", {"Spin_a0"}, {"value_a", 0}},
                                           Stepper{"b2", {"Spin_b2"}, {"value_b", 2}},
                                           Stepper{"n", {"Spin_n"}, {"value_n"}},
                                           Stepper{"k", {"Spin_k"}, {"value_k"}},
                                           Stepper{"level", {"Spin_lebel"}, {"value_lebel"}}),
                         testing::CaseName{});

TEST_F(AccessibleWindow, ReadoutsSpeakTheCaptionTheHandlersWrote) {
    ASSERT_TRUE(caption({"value_s"}).isEmpty());
    push({"Command3"});
    EXPECT_FALSE(caption({"value_s"}).isEmpty());
    EXPECT_EQ(spoken_value({"value_s"}), caption({"value_s"}));
    EXPECT_EQ(spoken_name({"value_s"}), QStringLiteral("S/T"));

    push({"Command4"});
    for (const ControlName answer : {ControlName{"ans_a", 0}, ControlName{"ans_b", 4}}) {
        SCOPED_TRACE(full_name(answer));
        EXPECT_FALSE(accessible(answer).state().invisible);
        EXPECT_FALSE(caption(answer).isEmpty());
        EXPECT_EQ(spoken_value(answer), caption(answer));
    }
}

// Every spin box tells assistive tools the bounds and the step its handlers keep.
TEST_F(AccessibleWindow, EverySpinBoxHasItsHandlersBounds) {
    int spins = 0;
    for (const ControlRow& row : layout_table()) {
        if (row.kind != ControlKind::spin_button) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        const std::optional<SpinRange> range = spin_range(window.form(), row.name);
        ASSERT_TRUE(range.has_value());
        QAccessibleValueInterface* value = accessible(row.name).valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->minimumValue(), QVariant(range->minimum));
        EXPECT_EQ(value->maximumValue(), QVariant(range->maximum));
        EXPECT_EQ(value->minimumStepSize(), QVariant(range->step));
        ++spins;
    }
    EXPECT_GT(spins, 0);
}

// A value set through the Value interface is reached by pressing the arrows, each press
// running the handler; outside the bounds it stops on the bound, between two steps on
// the step past it.
struct SetValue {
    const char* name;
    ControlName spin;
    ControlName readout;
    double asked;
    const char* shown;
    int presses;
};

void PrintTo(const SetValue& row, std::ostream* out) {
    *out << row.name;
}

class ValueSetAloud : public AccessibleWindow, public ::testing::WithParamInterface<SetValue> {};

TEST_P(ValueSetAloud, IsReachedByPressingTheArrows) {
    auto* spin = qobject_cast<SpinButton*>(&widget(GetParam().spin));
    ASSERT_NE(spin, nullptr);
    QSignalSpy ups(spin, &SpinButton::spinUp);
    QSignalSpy downs(spin, &SpinButton::spinDown);

    accessible(GetParam().spin).valueInterface()->setCurrentValue(GetParam().asked);

    EXPECT_EQ(caption(GetParam().readout), QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(ups.count() + downs.count(), GetParam().presses);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ValueSetAloud,
    ::testing::Values(SetValue{"k_down_to_20", {"Spin_k"}, {"value_k"}, 20, "20", 3},
                      SetValue{"k_between_steps", {"Spin_k"}, {"value_k"}, 35, "30", 2},
                      SetValue{"a0_past_the_top", {"Spin_a0"}, {"value_a", 0}, 25, "10", 10},
                      SetValue{"a0_below", {"Spin_a0"}, {"value_a", 0}, -3, "-3", 3},
                      SetValue{"n_up", {"Spin_n"}, {"value_n"}, 2, "2", 2},
                      SetValue{"level_already_there", {"Spin_lebel"}, {"value_lebel"}, 1, "1", 0},
                      SetValue{
                          "level_below_the_bound", {"Spin_lebel"}, {"value_lebel"}, -5, "1", 0}),
    testing::CaseName{});

// A label's caption is its text: whole or in part, with each character where it is drawn.
TEST_F(AccessibleWindow, ReadoutTextIsItsCaptionCharacterByCharacter) {
    push({"Command3"});
    const QString shown = caption({"value_s"});
    ASSERT_GE(shown.size(), 3);
    QAccessibleTextInterface* text = accessible({"value_s"}).textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), shown.size());
    EXPECT_EQ(text->text(0, text->characterCount()), shown);
    EXPECT_EQ(text->text(1, 3), shown.mid(1, 2));

    const QRect label = accessible({"value_s"}).rect();
    for (int i = 0; i < text->characterCount(); ++i) {
        SCOPED_TRACE(i);
        const QRect glyph = text->characterRect(i);
        EXPECT_TRUE(label.contains(glyph)) << "character outside its label";
        EXPECT_EQ(text->offsetAtPoint(glyph.center()), i);
        if (i > 0) {
            EXPECT_GE(glyph.left(), text->characterRect(i - 1).right());
        }
    }
    EXPECT_EQ(text->offsetAtPoint(label.bottomRight() + QPoint(5, 5)), -1);

    QAccessibleTextInterface* fixed = accessible({"Label6"}).textInterface();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->text(0, -1), QStringLiteral("S/T="));
}

// A caption the handlers change is told to a screen reader as a change of that label's
// text and, for a spin button's readout, of the spin button's value. Qt delivers those
// only to a listening platform (the AT-SPI end-to-end test hears them); here each label
// is seen to raise its change once per new caption, and never for one written again
// unchanged.
class CaptionChanges : public AccessibleWindow {
  protected:
    QSignalSpy& changes_of(ControlName name) {
        auto* label = qobject_cast<QtLabel*>(&widget(name));
        if (label == nullptr) {
            throw std::runtime_error(full_name(name) + " is no label");
        }
        return *spies.emplace_back(std::make_unique<QSignalSpy>(label, &QtLabel::caption_changed));
    }

    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

TEST_F(CaptionChanges, CalcChangesTheMeanOnceAndNotAgain) {
    QSignalSpy& mean = changes_of({"value_s"});
    push({"Command3"});
    EXPECT_EQ(mean.count(), 1);
    push({"Command3"});
    EXPECT_EQ(mean.count(), 1) << "the same mean told twice";
}

TEST_F(CaptionChanges, StepsChangeTheirReadoutAndEmptyTheMean) {
    push({"Command3"});
    QSignalSpy& n = changes_of({"value_n"});
    QSignalSpy& mean = changes_of({"value_s"});
    QSignalSpy& k = changes_of({"value_k"});

    act({"Spin_n"}, QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(n.count(), 1);
    EXPECT_EQ(mean.count(), 1);
    EXPECT_EQ(k.count(), 0);

    // At its top n stays at 4: two more changes, then none.
    for (int i = 0; i < 5; ++i) {
        act({"Spin_n"}, QAccessibleActionInterface::increaseAction());
    }
    EXPECT_EQ(n.count(), 4);
}

// A new exercise sets the student's trial back to 0: readouts change without a press on
// their spin button, and say so all the same.
TEST_F(CaptionChanges, ANewExerciseChangesEveryTrialNumberThatWentBackToZero) {
    act({"Spin_a2"}, QAccessibleActionInterface::increaseAction());
    act({"Spin_b3"}, QAccessibleActionInterface::increaseAction());
    QSignalSpy& a2 = changes_of({"value_a", 2});
    QSignalSpy& b3 = changes_of({"value_b", 3});
    QSignalSpy& a1 = changes_of({"value_a", 1});

    push({"Command1"});
    EXPECT_EQ(a2.count(), 1);
    EXPECT_EQ(b3.count(), 1);
    EXPECT_EQ(a1.count(), 0);
    EXPECT_EQ(accessible({"Spin_a2"}).valueInterface()->currentValue().toInt(), 0);
}

// Toggled aloud, an option button is clicked as with the mouse: it is selected and its
// handler runs, which empties the mean. Both of a radio button's usual actions do so.
struct Toggle {
    const char* name;
    ControlName option;
    ControlName other;
    QString action;
};

void PrintTo(const Toggle& row, std::ostream* out) {
    *out << row.name;
}

class OptionToggledAloud : public AccessibleWindow, public ::testing::WithParamInterface<Toggle> {};

TEST_P(OptionToggledAloud, RunsItsHandler) {
    const Toggle& row = GetParam();
    // At n = 1 (at n = 0 sine is refused), from the other option, with the mean shown.
    const auto set_up = [&row](MainWindow& w) {
        qobject_cast<SpinButton*>(w.control({"Spin_n"}))->step(SpinButton::Arrow::up);
        qobject_cast<QAbstractButton*>(w.control(row.other))->click();
        qobject_cast<QAbstractButton*>(w.control({"Command3"}))->click();
    };
    set_up(window);
    ASSERT_FALSE(caption({"value_s"}).isEmpty());
    QAccessibleInterface& option = accessible(row.option);
    EXPECT_EQ(option.role(), QAccessible::RadioButton);
    EXPECT_FALSE(option.state().checked);

    act(row.option, row.action);
    EXPECT_TRUE(option.state().checked);
    EXPECT_FALSE(accessible(row.other).state().checked);
    EXPECT_EQ(caption({"value_s"}), QString()) << "the option's handler did not run";
    // The mean is now the one of the option's mode, as the mouse would have given it.
    push({"Command3"});
    MainWindow clicked;
    clicked.load();
    set_up(clicked);
    qobject_cast<QAbstractButton*>(clicked.control(row.option))->click();
    qobject_cast<QAbstractButton*>(clicked.control({"Command3"}))->click();
    EXPECT_EQ(caption({"value_s"}),
              QString::fromStdString(clicked.label({"value_s"}).caption_text()));
}

INSTANTIATE_TEST_SUITE_P(
    Window, OptionToggledAloud,
    ::testing::Values(
        Toggle{
            "sin_toggled", {"switch_s"}, {"switch_c"}, QAccessibleActionInterface::toggleAction()},
        Toggle{
            "sin_pressed", {"switch_s"}, {"switch_c"}, QAccessibleActionInterface::pressAction()},
        Toggle{
            "cos_toggled", {"switch_c"}, {"switch_s"}, QAccessibleActionInterface::toggleAction()}),
    testing::CaseName{});

TEST_F(AccessibleWindow, AnswersShownByAnsReadAsText) {
    push({"Command4"});
    for (const ControlName answer : {ControlName{"ans_a", 0}, ControlName{"ans_b", 1}}) {
        SCOPED_TRACE(full_name(answer));
        QAccessibleTextInterface* text = accessible(answer).textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_FALSE(caption(answer).isEmpty());
        EXPECT_EQ(text->text(0, -1), caption(answer));
    }
}

// Each plot is named after the wave it shows: the only digit in a name is the surface's
// own harmonic number, and stepping coefficients, drawing new examples and revealing the
// answers leaves every name as it was.
TEST_F(AccessibleWindow, PlotNamesNeverCarryACoefficient) {
    std::vector<ControlName> plots;
    for (const ControlRow& row : layout_table()) {
        if (row.kind == ControlKind::picture && widget(row.name).isVisibleTo(&window)) {
            plots.push_back(row.name);
        }
    }
    ASSERT_EQ(plots.size(), 14U);
    std::vector<QString> at_start;
    for (const ControlName& plot : plots) {
        at_start.push_back(spoken_name(plot));
        for (const QChar c : at_start.back()) {
            if (c.isDigit()) {
                EXPECT_EQ(c.digitValue(), plot.index) << full_name(plot);
            }
        }
    }

    const auto press = [&](ControlName control, const QString& action, int times) {
        for (int i = 0; i < times; ++i) {
            act(control, action);
        }
    };
    press({"Spin_lebel"}, QAccessibleActionInterface::increaseAction(), 2);
    press({"Spin_a2"}, QAccessibleActionInterface::increaseAction(), 3);
    press({"Spin_b1"}, QAccessibleActionInterface::decreaseAction(), 2);
    press({"Spin_a0"}, QAccessibleActionInterface::increaseAction(), 5);
    push({"Command3"});
    push({"Command4"});
    ASSERT_EQ(caption({"value_a", 2}), QStringLiteral("3"));

    for (std::size_t i = 0; i < plots.size(); ++i) {
        EXPECT_EQ(spoken_name(plots[i]), at_start[i]) << full_name(plots[i]);
    }
}

}  // namespace
}  // namespace quorvel

// The window driven from the keyboard alone, in a shown and active window as a user has
// it: Tab and Shift+Tab walk the focus order, every control shows that it has the focus,
// Space, Return and Enter press the push and option buttons, and Up and Down step the
// focused spin button.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "case_name.h"
#include "layout.h"
#include "main_window.h"
#include "spin_button.h"
#include "spin_ranges.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

QString spelled(ControlName name) {
    return QString::fromStdString(full_name(name));
}

class KeyboardWindow : public testing::StartedWindow {
  protected:
    // The controls Tab visits in this window: the focus order less the hidden ones.
    std::vector<ControlName> reachable() {
        std::vector<ControlName> out;
        for (const ControlName& name : tab_order()) {
            if (widget(name).isVisibleTo(&window)) {
                out.push_back(name);
            }
        }
        return out;
    }

    // A key pressed and released where the keyboard focus is.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }
    QString focused_name() {
        QWidget* focused = QApplication::focusWidget();
        return focused != nullptr ? focused->objectName() : QStringLiteral("(nothing)");
    }

    // The control Tab comes from on its way to the named one.
    ControlName before(ControlName name) {
        const std::vector<ControlName> order = reachable();
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (order[i] == name) {
                return order[(i + order.size() - 1) % order.size()];
            }
        }
        throw std::runtime_error(full_name(name) + " is not reachable by Tab");
    }

    // Gives the named control the keyboard focus the way a user does: one Tab from the
    // control before it.
    void tab_to(ControlName name) {
        widget(before(name)).setFocus(Qt::OtherFocusReason);
        press(Qt::Key_Tab);
        ASSERT_TRUE(widget(name).hasFocus()) << "Tab went to " << focused_name().toStdString();
    }
};

TEST_F(KeyboardWindow, TabVisitsTheFocusOrderAndWrapsAround) {
    const std::vector<ControlName> order = reachable();
    ASSERT_EQ(order.size(), tab_order().size() - 2);  // campus_b(0), SpinButton1 hidden
    widget(order.front()).setFocus(Qt::OtherFocusReason);

    QStringList expected;
    QStringList visited;
    for (std::size_t i = 1; i <= order.size(); ++i) {
        expected << spelled(order[i % order.size()]);
        press(Qt::Key_Tab);
        visited << focused_name();
    }
    EXPECT_EQ(visited.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

TEST_F(KeyboardWindow, ShiftTabWalksTheOrderBackwards) {
    const std::vector<ControlName> order = reachable();
    widget(order.front()).setFocus(Qt::OtherFocusReason);

    QStringList expected;
    QStringList visited;
    for (std::size_t i = 1; i <= order.size(); ++i) {
        expected << spelled(order[order.size() - i]);
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        visited << focused_name();
    }
    EXPECT_EQ(visited.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

// Every control Tab reaches looks different once it has the keyboard focus.
struct FocusStop {
    ControlName name;
};

void PrintTo(const FocusStop& row, std::ostream* out) {
    *out << full_name(row.name);
}

class FocusMark : public KeyboardWindow, public ::testing::WithParamInterface<FocusStop> {};

TEST_P(FocusMark, IsVisibleWhenTabbedTo) {
    const ControlName name = GetParam().name;
    QWidget& target = widget(name);
    widget(before(name)).setFocus(Qt::OtherFocusReason);
    ASSERT_FALSE(target.hasFocus());
    const QImage unfocused = target.grab().toImage();

    press(Qt::Key_Tab);
    ASSERT_TRUE(target.hasFocus()) << "Tab went to " << focused_name().toStdString();
    const QImage focused = target.grab().toImage();
    EXPECT_NE(focused, unfocused);
}

std::vector<FocusStop> shown_focus_order() {
    std::vector<FocusStop> out;
    for (const ControlName& name : tab_order()) {
        if (shown_at_start(name)) {
            out.push_back({name});
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Window, FocusMark, ::testing::ValuesIn(shown_focus_order()),
                         testing::CaseName{});

// A key on a focused push or option button runs the button's click handler.
struct ButtonKey {
    const char* name;
    ControlName button;
    Qt::Key key;
    std::function<void(MainWindow&)> arrange;
    std::function<void(MainWindow&)> expect;
};

void PrintTo(const ButtonKey& row, std::ostream* out) {
    *out << row.name;
}

class ButtonByKey : public KeyboardWindow, public ::testing::WithParamInterface<ButtonKey> {};

TEST_P(ButtonByKey, RunsTheClickHandler) {
    ASSERT_NO_FATAL_FAILURE(GetParam().arrange(window));
    tab_to(GetParam().button);
    press(GetParam().key);
    GetParam().expect(window);
}

void nothing(MainWindow& /*window*/) {}

void s_over_t_is_filled(MainWindow& window) {
    EXPECT_FALSE(window.form().value_s.caption_text().empty());
}

// n = 1, since sine needs n of at least 1.
void n_stepped_up(MainWindow& window) {
    dynamic_cast<SpinButton&>(*window.control({"Spin_n"})).step(SpinButton::Arrow::up);
    ASSERT_EQ(window.form().value_n.caption_text(), "1");
}

void sine_selected(MainWindow& window) {
    ASSERT_NO_FATAL_FAILURE(n_stepped_up(window));
    qobject_cast<QRadioButton*>(window.control({"switch_s"}))->click();
    ASSERT_FALSE(window.form().cos_mode.as_bool());
}

void sine_is_chosen(MainWindow& window) {
    EXPECT_FALSE(window.form().cos_mode.as_bool());
    EXPECT_TRUE(window.option({"switch_s"}).is_selected());
    EXPECT_FALSE(window.option({"switch_c"}).is_selected());
}

void cosine_is_chosen(MainWindow& window) {
    EXPECT_TRUE(window.form().cos_mode.as_bool());
    EXPECT_TRUE(window.option({"switch_c"}).is_selected());
    EXPECT_FALSE(window.option({"switch_s"}).is_selected());
}

INSTANTIATE_TEST_SUITE_P(
    Window, ButtonByKey,
    ::testing::Values(
        ButtonKey{"calc_space", {"Command3"}, Qt::Key_Space, nothing, s_over_t_is_filled},
        ButtonKey{"calc_return", {"Command3"}, Qt::Key_Return, nothing, s_over_t_is_filled},
        ButtonKey{"calc_keypad_enter", {"Command3"}, Qt::Key_Enter, nothing, s_over_t_is_filled},
        ButtonKey{"ans_return",
                  {"Command4"},
                  Qt::Key_Return,
                  nothing,
                  [](MainWindow& w) { EXPECT_TRUE(w.form().ans_a(1).is_visible()); }},
        ButtonKey{"reset_essential_return",
                  {"Command2"},
                  Qt::Key_Return,
                  n_stepped_up,
                  [](MainWindow& w) { EXPECT_EQ(w.form().value_n.caption_text(), "0"); }},
        ButtonKey{
            "reset_example_space",
            {"Command1"},
            Qt::Key_Space,
            [](MainWindow& w) {
                dynamic_cast<SpinButton&>(*w.control({"Spin_a3"})).step(SpinButton::Arrow::up);
                ASSERT_EQ(w.form().value_a(3).caption_text(), "1");
            },
            [](MainWindow& w) { EXPECT_EQ(w.form().value_a(3).caption_text(), "0"); }},
        ButtonKey{"sin_space", {"switch_s"}, Qt::Key_Space, n_stepped_up, sine_is_chosen},
        ButtonKey{"sin_return", {"switch_s"}, Qt::Key_Return, n_stepped_up, sine_is_chosen},
        ButtonKey{
            "cos_keypad_enter", {"switch_c"}, Qt::Key_Enter, sine_selected, cosine_is_chosen}),
    testing::CaseName{});

TEST_F(KeyboardWindow, ReturnHeldDownOnAButtonClicksItOnce) {
    tab_to({"Command4"});
    int clicks = 0;
    QObject::connect(qobject_cast<QAbstractButton*>(&widget({"Command4"})),
                     &QAbstractButton::clicked, [&clicks] { ++clicks; });
    QWidget* focused = QApplication::focusWidget();
    QTest::simulateEvent(focused, true, Qt::Key_Return, Qt::NoModifier, QString(), false);
    QTest::simulateEvent(focused, true, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QTest::simulateEvent(focused, true, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QTest::simulateEvent(focused, false, Qt::Key_Return, Qt::NoModifier, QString(), false);
    EXPECT_EQ(clicks, 1);
}

// Up and Down on a focused spin button step the number in its readout; each case goes
// away from where the window starts and back: up by a step, or down from the top.
struct SpinKeys {
    const char* name;
    ControlName spin;
    ControlName readout;
};

void PrintTo(const SpinKeys& row, std::ostream* out) {
    *out << row.name;
}

class SpinByKey : public KeyboardWindow, public ::testing::WithParamInterface<SpinKeys> {};

TEST_P(SpinByKey, UpAndDownStepItsReadout) {
    tab_to(GetParam().spin);
    const int before = caption(GetParam().readout).toInt();
    const std::optional<SpinRange> range = spin_range(window.form(), GetParam().spin);
    ASSERT_TRUE(range.has_value());
    const bool up_first = before < range->maximum;

    press(up_first ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(caption(GetParam().readout).toInt(), before + (up_first ? 1 : -1) * range->step);
    press(up_first ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(caption(GetParam().readout).toInt(), before);
    EXPECT_TRUE(widget(GetParam().spin).hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Window, SpinByKey,
                         ::testing::Values(SpinKeys{"a0", {"Spin_a0"}, {"value_a", 0}},
                                           SpinKeys{"b2", {"Spin_b2"}, {"value_b", 2}},
                                           SpinKeys{"n", {"Spin_n"}, {"value_n"}},
                                           SpinKeys{"k", {"Spin_k"}, {"value_k"}},
                                           SpinKeys{"level", {"Spin_lebel"}, {"value_lebel"}}),
                         testing::CaseName{});

}  // namespace
}  // namespace quorvel

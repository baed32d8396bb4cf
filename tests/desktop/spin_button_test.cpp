// The spin button raises SpinUp from its upper arrow and the Up key, SpinDown from its
// lower arrow and the Down key, and repeats while an arrow is held.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <ostream>

#include "case_name.h"
#include "spin_button.h"

namespace quorvel {
namespace {

struct SpinCase {
    const char* name;
    std::function<void(SpinButton&)> act;
    int ups;
    int downs;
};

void PrintTo(const SpinCase& row, std::ostream* out) {
    *out << row.name;
}

// The level spinner's size: 17 × 25 pixels, split 12 / 13 between the arrows.
class SpinButtonEvents : public ::testing::TestWithParam<SpinCase> {
  protected:
    SpinButtonEvents() { spin.resize(17, 25); }
    SpinButton spin;
};

TEST_P(SpinButtonEvents, RaiseTheMatchingSignal) {
    QSignalSpy ups(&spin, &SpinButton::spinUp);
    QSignalSpy downs(&spin, &SpinButton::spinDown);
    GetParam().act(spin);
    EXPECT_EQ(ups.count(), GetParam().ups);
    EXPECT_EQ(downs.count(), GetParam().downs);
}

void click_at(SpinButton& s, int y) {
    QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(8, y));
}

INSTANTIATE_TEST_SUITE_P(
    LevelSized, SpinButtonEvents,
    ::testing::Values(
        SpinCase{"click_top_of_upper_arrow", [](SpinButton& s) { click_at(s, 0); }, 1, 0},
        SpinCase{"click_bottom_of_upper_arrow", [](SpinButton& s) { click_at(s, 11); }, 1, 0},
        SpinCase{"click_top_of_lower_arrow", [](SpinButton& s) { click_at(s, 12); }, 0, 1},
        SpinCase{"click_bottom_of_lower_arrow", [](SpinButton& s) { click_at(s, 24); }, 0, 1},
        SpinCase{"right_button_click",
                 [](SpinButton& s) { QTest::mouseClick(&s, Qt::RightButton, {}, QPoint(8, 3)); }, 0,
                 0},
        SpinCase{"up_key", [](SpinButton& s) { QTest::keyClick(&s, Qt::Key_Up); }, 1, 0},
        SpinCase{"down_key", [](SpinButton& s) { QTest::keyClick(&s, Qt::Key_Down); }, 0, 1},
        SpinCase{"other_key", [](SpinButton& s) { QTest::keyClick(&s, Qt::Key_Right); }, 0, 0}),
    testing::CaseName{});

class HeldSpinButton : public ::testing::Test {
  protected:
    HeldSpinButton() {
        spin.resize(17, 25);
        spin.show();
    }
    SpinButton spin;
};

using Arrow = SpinButton::Arrow;

TEST_F(HeldSpinButton, RepeatsWhileHeldAndStopsOnRelease) {
    QSignalSpy downs(&spin, &SpinButton::spinDown);
    EXPECT_EQ(spin.repeating(), Arrow::none);
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(8, 20));
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(spin.repeating(), Arrow::down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return downs.count() >= 3; }, 5000));
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(8, 20));
    EXPECT_EQ(spin.repeating(), Arrow::none);
}

TEST_F(HeldSpinButton, PausesWhileThePointerIsOffTheHeldArrow) {
    QSignalSpy ups(&spin, &SpinButton::spinUp);
    QSignalSpy downs(&spin, &SpinButton::spinDown);
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(8, 3));
    QTest::mouseMove(&spin, QPoint(8, 20));
    EXPECT_EQ(spin.repeating(), Arrow::none) << "off the held arrow, even over the other one";
    QTest::mouseMove(&spin, QPoint(8, 5));
    EXPECT_EQ(spin.repeating(), Arrow::up);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ups.count() >= 2; }, 5000));
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(8, 5));
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(spin.repeating(), Arrow::none);
}

TEST_F(HeldSpinButton, HidingEndsTheRepeat) {
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(8, 3));
    EXPECT_EQ(spin.repeating(), Arrow::up);
    spin.hide();
    EXPECT_EQ(spin.repeating(), Arrow::none);
}

}  // namespace
}  // namespace quorvel

// High contrast on the desktop: Ctrl+Alt+H and the context menu's toggle switch every
// control's colours and every plot's pixels to the palette's, and back; the form's state
// and what the plots hold do not change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "dispatch.h"
#include "qt_canvas.h"
#include "qt_colour.h"
#include "state_json.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

class HighContrast : public testing::StartedWindow {
  protected:
    QColor text_colour(ControlName name) {
        return widget(name).palette().color(QPalette::WindowText);
    }
    QColor face(ControlName name) { return widget(name).palette().color(QPalette::Window); }
    std::string state() { return state_json(window.form(), "", nullptr); }
    QAction* toggle() {
        for (QAction* action : window.context_menu().actions()) {
            if (action->text() == QStringLiteral("High contrast")) {
                return action;
            }
        }
        return nullptr;
    }
};

// Each row: a control, and the colour it shows in each palette.
TEST_F(HighContrast, CtrlAltHSwitchesEveryColourAndBack) {
    struct Case {
        const char* what;
        ControlName control;
        bool text;  // its text colour, or else its face
        QRgb seed;
        QRgb high;
    };
    const Case cases[] = {
        {"red value label", {"value_a", 0}, true, 0xffff0000, 0xffc00000},
        {"red graph tag", {"Label25", 9}, true, 0xffff0000, 0xffc00000},
        {"blue name stays", {"Label_a", 2}, true, 0xff0000ff, 0xff0000ff},
        {"cyan frame stays", {"Frame3"}, false, 0xff00ffff, 0xff00ffff},
        {"pale yellow label face stays", {"Label15"}, false, 0xffffffc0, 0xffffffc0},
        // Fusion outlines a button in its Window colour made darker by 140 %: #6e6e6e.
        {"button outline", {"Command2"}, false, 0xffefefef, 0xff9a9a9a},
        {"spin button outline", {"Spin_n"}, false, 0xffefefef, 0xff9a9a9a},
    };
    dispatch(window.form(), "Command3_Click");
    const std::string before = state();
    auto& sqr = dynamic_cast<QtCanvas&>(widget({"campus_sqr"}));
    const auto count_of = [&](QRgb colour) {
        const QImage picture = sqr.picture();
        int n = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                n += picture.pixel(x, y) == colour ? 1 : 0;
            }
        }
        return n;
    };
    const int green = count_of(0xff00ff00);
    ASSERT_GT(green, 0);

    for (const bool high : {true, false}) {
        QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(window.palette(), high ? Palette::high_contrast : Palette::seed);
        EXPECT_EQ(toggle()->isChecked(), high);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            const QColor shown = c.text ? text_colour(c.control) : face(c.control);
            EXPECT_EQ(shown.rgba(), high ? c.high : c.seed);
        }
        EXPECT_EQ(count_of(high ? 0xff008000 : 0xff00ff00), green);
        EXPECT_EQ(state(), before);
    }
}

TEST_F(HighContrast, TheMenuToggleIsOnTheSameKey) {
    QAction* action = toggle();
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isCheckable());
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H));
    action->trigger();
    EXPECT_EQ(window.palette(), Palette::high_contrast);
    action->trigger();
    EXPECT_EQ(window.palette(), Palette::seed);
}

// A window opened in high contrast, as --high-contrast does, shows its plots in it from
// start-up on.
TEST(HighContrastAtStart, PlotsAreDrawnInThePalette) {
    MainWindow window;
    window.set_palette(Palette::high_contrast);
    window.load();
    dispatch(window.form(), "Command3_Click");
    const QImage picture = dynamic_cast<QtCanvas*>(window.control({"campus_sqr"}))->picture();
    int seed_green = 0;
    int dark_green = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            seed_green += picture.pixel(x, y) == 0xff00ff00 ? 1 : 0;
            dark_green += picture.pixel(x, y) == 0xff008000 ? 1 : 0;
        }
    }
    EXPECT_EQ(seed_green, 0);
    EXPECT_GT(dark_green, 0);
}

}  // namespace
}  // namespace quorvel

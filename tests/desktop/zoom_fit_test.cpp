// A zoom that stays on the screen: the rule over a screen's available area and the window's
// frame, then the window itself zoomed by its keys on a screen of a given size.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <utility>

#include "case_name.h"
#include "window_fixture.h"
#include "zoom_fit.h"
#include "zoom_steps.h"

namespace quorvel {
namespace {

TEST(ZoomedClientSize, ScalesTheWindowsOwnSize) {
    EXPECT_EQ(zoomed_client_size(100), QSize(647, 455));
    EXPECT_EQ(zoomed_client_size(150), QSize(971, 683));
    EXPECT_EQ(zoomed_client_size(200), QSize(1294, 910));
    EXPECT_EQ(zoomed_client_size(300), QSize(1941, 1365));
}

struct Screen {
    const char* name;
    QSize available;
    QMargins frame;
    int largest;
};

void PrintTo(const Screen& row, std::ostream* out) {
    *out << row.name;
}

class ZoomFit : public ::testing::TestWithParam<Screen> {};

// A title bar of 30 pixels and borders of 1, as a window manager draws them.
const QMargins decorated(1, 30, 1, 1);

TEST_P(ZoomFit, OffersTheStepsAtWhichTheWholeWindowFits) {
    const Screen& screen = GetParam();
    EXPECT_EQ(largest_fitting_zoom(screen.available, screen.frame), screen.largest);
    for (const int step : zoom_steps) {
        SCOPED_TRACE(step);
        if (step > 100) {
            EXPECT_EQ(zoom_fits(step, screen.available, screen.frame), step <= screen.largest);
        }
        // From 100 %, the steps offered are those that fit; from the top step, every one.
        EXPECT_EQ(zoom_offered(step, 100, screen.available, screen.frame),
                  step == 100 || step <= screen.largest);
        EXPECT_TRUE(zoom_offered(step, 300, screen.available, screen.frame));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ZoomFit,
    ::testing::Values(
        // 200 % is 1294 pixels wide, past a 1280-pixel screen.
        Screen{"sxga_1280x1024_bare", {1280, 1024}, {}, 150},
        Screen{"sxga_1280x1024_decorated_with_panel", {1280, 996}, decorated, 150},
        // 250 % is 1618 x 1138, 300 % is 1941 x 1365.
        Screen{"wuxga_1920x1200_bare", {1920, 1200}, {}, 250},
        // 1138 + 31 rows of frame do not fit in the 1160 rows a panel leaves.
        Screen{"wuxga_1920x1200_decorated_with_panel", {1920, 1160}, decorated, 200},
        Screen{"full_hd_1920x1080_decorated", {1920, 1080}, decorated, 200},
        Screen{"qhd_2560x1440_decorated", {2560, 1440}, decorated, 300},
        // Smaller than the window itself: it opens at 100 % all the same.
        Screen{"svga_800x600", {800, 600}, decorated, 100},
        Screen{"exactly_the_window_at_150", {971, 683}, {}, 150},
        Screen{"one_pixel_short_of_150", {971, 682}, {}, 125}),
    testing::CaseName{});

// The window on the screen the test is started on (the size of QT_QPA_PLATFORM's offscreen
// screen, which the ctest sets), pressed to zoom in five times.
class ZoomOnScreen : public testing::StartedWindow {
  protected:
    // The largest step each screen the tests use takes, with no frame around the window.
    static int expected_largest(QSize screen) {
        const std::map<std::pair<int, int>, int> largest{
            {{1280, 1024}, 150}, {{1920, 1200}, 250}, {{2560, 1600}, 300}};
        const auto found = largest.find({screen.width(), screen.height()});
        return found != largest.end() ? found->second : 0;
    }

    static void press_zoom_in() {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : QApplication::activeWindow(), Qt::Key_Equal,
                        Qt::ControlModifier);
    }

    QAction* entry(const QString& text) {
        for (QAction* action : window.context_menu().actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    }
};

TEST_F(ZoomOnScreen, CtrlEqualStopsAtTheLargestStepThatFitsAndTheWindowStaysOnTheScreen) {
    const QRect screen = window.screen()->availableGeometry();
    const int largest = expected_largest(screen.size());
    ASSERT_GT(largest, 0) << "no expectation for a screen of " << screen.width() << "x"
                          << screen.height();

    for (int press = 1; press <= 5; ++press) {
        SCOPED_TRACE(press);
        press_zoom_in();
        const QRect outer = window.frameGeometry();
        EXPECT_TRUE(screen.contains(outer)) << "the window reaches past the screen's edge";
    }
    EXPECT_EQ(window.zoom(), largest);

    // Nothing larger is offered, by the keys or by the menu; everything smaller is.
    QAction* zoom_in = entry(QStringLiteral("Zoom in"));
    ASSERT_NE(zoom_in, nullptr);
    EXPECT_FALSE(zoom_in->isEnabled());
    QAction* levels = entry(QStringLiteral("Zoom"));
    ASSERT_NE(levels, nullptr);
    for (QAction* level : levels->menu()->actions()) {
        SCOPED_TRACE(level->text().toStdString());
        EXPECT_EQ(level->isEnabled(), level->data().toInt() <= largest);
        level->trigger();
        EXPECT_EQ(window.zoom(), std::min(level->data().toInt(), largest));
        EXPECT_TRUE(screen.contains(window.frameGeometry()));
    }
    // Back at 100 %, the window offers again the steps that fit.
    window.set_zoom(100);
    EXPECT_TRUE(zoom_in->isEnabled());
}

// Zoomed on a large screen and moved to a smaller one (the ctest's offscreen platform has a
// second screen of 1280 x 1024), the window zooms out to the largest step that fits there.
TEST_F(ZoomOnScreen, MovedToASmallerScreenItZoomsOutToFit) {
    QScreen* small = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().size() == QSize(1280, 1024)) {
            small = screen;
        }
    }
    ASSERT_NE(small, nullptr) << "the test needs a screen of 1280 x 1024 beside the first";
    ASSERT_NE(window.screen(), small);
    window.set_zoom(300);
    ASSERT_EQ(window.zoom(), 300);

    window.windowHandle()->setScreen(small);
    ASSERT_EQ(window.screen(), small);
    EXPECT_EQ(window.zoom(), 150);
    EXPECT_TRUE(small->availableGeometry().contains(window.frameGeometry()));
}

}  // namespace
}  // namespace quorvel

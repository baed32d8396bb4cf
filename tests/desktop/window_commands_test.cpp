// The window's own commands, in a shown and active window as a user has it: F1 opens the
// "How to use" window and Esc closes it; the zoom keys step through the zoom steps and
// resize the window on its screen; Ctrl+C copies the window's picture; the context menu
// offers the same; and every control and plot explains itself in a tooltip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QToolTip>
#include <ostream>
#include <string>
#include <vector>

#include "accessible_texts.h"
#include "case_name.h"
#include "help_text.h"
#include "layout.h"
#include "main_window.h"
#include "spin_ranges.h"
#include "window_fixture.h"
#include "zoom_steps.h"

namespace quorvel {
namespace {

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

class WindowCommands : public testing::StartedWindow {
  protected:
    // A key pressed where the keyboard focus is, as a user presses it.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        QWidget* target = focused != nullptr ? focused : QApplication::activeWindow();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    static QSize client_at(int percent) {
        const double factor = percent / 100.0;
        return {qRound(pixels_of_twips(window_look.client_width) * factor),
                qRound(pixels_of_twips(window_look.client_height) * factor)};
    }
};

TEST_F(WindowCommands, F1OpensTheStepsOfAnExerciseAndEscClosesThem) {
    ASSERT_EQ(window.help_window(), nullptr);
    press(Qt::Key_F1);
    HelpWindow* help = window.help_window();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(help->windowTitle(), text_of(help_text().title));

    // The steps are the one numbered list of the page, in the help text's order.
    QStringList shown;
    const QTextList* steps = nullptr;
    for (QTextBlock block = help->document().begin(); block.isValid(); block = block.next()) {
        if (QTextList* list = block.textList();
            list != nullptr && list->format().style() == QTextListFormat::ListDecimal) {
            ASSERT_TRUE(steps == nullptr || steps == list) << "more than one numbered list";
            steps = list;
            EXPECT_EQ(list->itemText(block), QStringLiteral("%1.").arg(shown.size() + 1));
            shown << block.text();
        }
    }
    // The numbers the steps tell are the form's, filled in as the window shows them.
    const SpinRangeOf range_of = spin_ranges(window.form());
    const FormNumberOf number_of = form_numbers(window.form());
    QStringList expected;
    for (const std::string_view step : help_text().steps) {
        expected << QString::fromStdString(help_prose(step, range_of, number_of));
    }
    EXPECT_EQ(shown, expected);
    const QString page = help->document().toPlainText();
    EXPECT_TRUE(page.contains(
        QString::fromStdString(help_prose(help_text().readout, range_of, number_of))));
    EXPECT_TRUE(page.contains(text_of(help_text().about.version)));

    ASSERT_TRUE(QTest::qWaitFor([&] {
        return QApplication::focusWidget() != nullptr &&
               QApplication::focusWidget()->window() == help;
    })) << "the help window never took the keyboard focus";
    press(Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    // Back in the main window, F1 brings back the same help window.
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(Qt::Key_F1);
    EXPECT_EQ(window.help_window(), help);
    EXPECT_TRUE(help->isVisible());
    help->close();
}

using Press = std::pair<Qt::Key, Qt::KeyboardModifiers>;

struct ZoomKeys {
    const char* name;
    std::vector<Press> keys;
    int percent;
};

void PrintTo(const ZoomKeys& row, std::ostream* out) {
    *out << row.name;
}

class ZoomByKeys : public WindowCommands, public ::testing::WithParamInterface<ZoomKeys> {};

TEST_P(ZoomByKeys, StepsThroughTheZoomStepsAndResizesTheWindow) {
    for (const auto& [key, modifiers] : GetParam().keys) {
        press(key, modifiers);
    }
    EXPECT_EQ(window.zoom(), GetParam().percent);
    EXPECT_EQ(window.size(), client_at(GetParam().percent));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
INSTANTIATE_TEST_SUITE_P(
    Keys, ZoomByKeys,
    ::testing::Values(ZoomKeys{"ctrl_equal", {{Qt::Key_Equal, ctrl}}, 125},
                      ZoomKeys{
                          "ctrl_plus_twice", {{Qt::Key_Plus, ctrl}, {Qt::Key_Plus, ctrl}}, 150},
                      ZoomKeys{"in_then_out", {{Qt::Key_Equal, ctrl}, {Qt::Key_Minus, ctrl}}, 100},
                      ZoomKeys{"out_stops_at_100", {{Qt::Key_Minus, ctrl}}, 100},
                      ZoomKeys{"in_stops_at_300", std::vector(7, Press{Qt::Key_Equal, ctrl}), 300},
                      ZoomKeys{"ctrl_0_back_to_100",
                               {{Qt::Key_Equal, ctrl}, {Qt::Key_Equal, ctrl}, {Qt::Key_0, ctrl}},
                               100}),
    testing::CaseName{});

// Zooming in near the screen's far corner moves the window back onto the screen; a window
// larger than the screen keeps its top-left corner, with the title bar, on it.
TEST_F(WindowCommands, ZoomKeepsTheWindowOnItsScreen) {
    const QRect screen = window.screen()->availableGeometry();
    for (const int percent : {125, 200, 100}) {
        window.move(screen.right() - 100, screen.bottom() - 100);
        window.set_zoom(percent);
        SCOPED_TRACE(percent);
        const QRect outer = window.frameGeometry();
        EXPECT_GE(outer.left(), screen.left());
        EXPECT_GE(outer.top(), screen.top());
        EXPECT_TRUE(outer.right() <= screen.right() || outer.left() == screen.left());
        EXPECT_TRUE(outer.bottom() <= screen.bottom() || outer.top() == screen.top());
    }
}

class CopyPicture : public WindowCommands, public ::testing::WithParamInterface<int> {};

TEST_P(CopyPicture, CtrlCPutsTheWindowsPictureOnTheClipboard) {
    window.set_zoom(GetParam());
    QApplication::clipboard()->clear();
    press(Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), client_at(GetParam()));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              window.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Zoom, CopyPicture, ::testing::Values(100, 150, 200));

// Zoomed for a class, the window's menu and the tooltips that explain it grow with it, and
// the application's tooltips are as they were once the window is gone.
class ZoomedPopups : public WindowCommands, public ::testing::WithParamInterface<int> {};

TEST_P(ZoomedPopups, GrowWithTheWindow) {
    const double points_at_100 = QToolTip::font().pointSizeF();
    const double menu_points_at_100 = QApplication::font("QMenu").pointSizeF();
    ASSERT_GT(points_at_100, 0.0);
    const double factor = GetParam() / 100.0;
    window.set_zoom(GetParam());

    QWidget* plot = window.control({"campus_ex"});
    const QPoint middle = plot->rect().center();
    QHelpEvent rest(QEvent::ToolTip, middle, plot->mapToGlobal(middle));
    QApplication::sendEvent(plot, &rest);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible()) {
            tip = top;
        }
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_DOUBLE_EQ(tip->font().pointSizeF(), points_at_100 * factor);
    QToolTip::hideText();

    QMenu& menu = window.context_menu();
    EXPECT_DOUBLE_EQ(menu.font().pointSizeF(), menu_points_at_100 * factor);
    for (QMenu* submenu : menu.findChildren<QMenu*>()) {
        EXPECT_DOUBLE_EQ(submenu->font().pointSizeF(), menu_points_at_100 * factor);
    }

    window.set_zoom(100);
    EXPECT_DOUBLE_EQ(QToolTip::font().pointSizeF(), points_at_100);
    EXPECT_DOUBLE_EQ(menu.font().pointSizeF(), menu_points_at_100);
    {
        MainWindow other;
        other.set_zoom(GetParam());
    }
    EXPECT_DOUBLE_EQ(QToolTip::font().pointSizeF(), points_at_100);
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomedPopups, ::testing::Values(125, 200, 300));

// A right click anywhere in the window opens the menu, which offers what the keys do.
TEST_F(WindowCommands, ContextMenuOffersHelpZoomAndCopy) {
    QWidget* plot = window.control({"campus_ex"});
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            plot->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(plot, &click);
    QMenu& menu = window.context_menu();
    EXPECT_TRUE(menu.isVisible());
    menu.close();

    const auto find = [&](const QString& text) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    };
    EXPECT_EQ(find(QStringLiteral("Zoom in"))->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Equal),
                                   QKeySequence(Qt::CTRL | Qt::Key_Plus)}));
    EXPECT_EQ(find(QStringLiteral("Copy picture"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));

    QAction* levels = find(QStringLiteral("Zoom"));
    ASSERT_NE(levels, nullptr);
    ASSERT_NE(levels->menu(), nullptr);
    QStringList offered;
    for (QAction* level : levels->menu()->actions()) {
        offered << level->text();
    }
    QStringList steps;
    for (const int step : zoom_steps) {
        steps << QStringLiteral("%1 %").arg(step);
    }
    EXPECT_EQ(offered, steps);
    levels->menu()->actions().at(3)->trigger();
    EXPECT_EQ(window.zoom(), zoom_steps[3]);
    EXPECT_TRUE(levels->menu()->actions().at(3)->isChecked());
    find(QStringLiteral("Actual size"))->trigger();
    EXPECT_EQ(window.zoom(), 100);
    EXPECT_TRUE(levels->menu()->actions().at(0)->isChecked());

    find(QStringLiteral("How to use…"))->trigger();
    HelpWindow* help = window.help_window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
}

// Resting the pointer on any visible control shows a tooltip: the control's own
// description, or for a fixed caption or a "T" mark that of the frame or plot it lies on.
TEST_F(WindowCommands, EveryControlAndPlotExplainsItselfInATooltip) {
    const auto description_of = [](ControlName name) -> const AccessibleText* {
        for (const AccessibleText& row : accessible_texts()) {
            if (row.control == name) {
                return &row;
            }
        }
        return nullptr;
    };
    int own = 0;
    for (const ControlRow& row : layout_table()) {
        QWidget* widget = window.control(row.name);
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        const QPoint middle = widget->rect().center();
        QHelpEvent rest(QEvent::ToolTip, middle, widget->mapToGlobal(middle));
        QApplication::sendEvent(widget, &rest);
        EXPECT_FALSE(QToolTip::text().isEmpty());
        if (const AccessibleText* text = description_of(row.name)) {
            EXPECT_EQ(QToolTip::text(), QString::fromStdString(quorvel::description_of(
                                            *text, spin_ranges(window.form()))));
            ++own;
        }
        const bool must_have_its_own = row.kind != ControlKind::label;
        EXPECT_TRUE(!must_have_its_own || !widget->toolTip().isEmpty());
        QToolTip::hideText();
    }
    EXPECT_GT(own, 50);
}

}  // namespace
}  // namespace quorvel

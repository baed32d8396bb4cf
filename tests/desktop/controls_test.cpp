// The window's controls as the logic and the user reach them: option buttons set from
// code stay quiet, labels keep their own Visible setting, and a user's click or spin on a
// control runs the handler of the same name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "main_window.h"
#include "qt_option_button.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

using WindowControls = testing::WindowTest;

TEST_F(WindowControls, OptionValueFromCodeSwitchesTheGroupWithoutAClick) {
    auto& cos = dynamic_cast<QtOptionButton&>(window.option({"switch_c"}));
    auto& sin = dynamic_cast<QtOptionButton&>(window.option({"switch_s"}));
    QSignalSpy cos_clicks(&cos, &QAbstractButton::clicked);
    QSignalSpy sin_clicks(&sin, &QAbstractButton::clicked);

    sin.Value(true);
    EXPECT_TRUE(sin.is_selected());
    EXPECT_FALSE(cos.is_selected());

    sin.Value(false);
    EXPECT_FALSE(sin.is_selected());
    EXPECT_FALSE(cos.is_selected());

    cos.Value(true);
    EXPECT_TRUE(cos.is_selected());
    EXPECT_FALSE(sin.is_selected());

    EXPECT_EQ(cos_clicks.count(), 0);
    EXPECT_EQ(sin_clicks.count(), 0);
}

TEST_F(WindowControls, LabelVisibleIsTheLabelsOwnSetting) {
    // Inside the hidden frame c_wave(0), yet not hidden itself.
    EXPECT_TRUE(window.label({"value_b", 0}).is_visible());
    EXPECT_FALSE(window.label({"ans_b", 0}).is_visible());

    Label& answer = window.label({"ans_a", 2});
    answer.Visible(false);
    EXPECT_FALSE(answer.is_visible());
    answer.Visible(false);
    EXPECT_FALSE(answer.is_visible());
    answer.Visible(true);
    EXPECT_TRUE(answer.is_visible());
}

class LoadedWindow : public testing::StartedWindow {
  protected:
    void click(ControlName name, QPoint at) {
        QTest::mouseClick(&widget(name), Qt::LeftButton, Qt::NoModifier, at);
    }
    void click_upper_arrow(ControlName name) { click(name, QPoint(widget(name).width() / 2, 2)); }
    void click_lower_arrow(ControlName name) {
        click(name, QPoint(widget(name).width() / 2, widget(name).height() - 3));
    }
};

TEST_F(LoadedWindow, ClickingTheOptionButtonsRunsTheirHandlers) {
    click_upper_arrow({"Spin_n"});  // sine needs n of at least 1
    ASSERT_EQ(window.form().ess_n, Int16(1));
    ASSERT_TRUE(window.form().cos_mode.as_bool());

    click({"switch_s"}, QPoint(8, widget({"switch_s"}).height() / 2));
    EXPECT_FALSE(window.form().cos_mode.as_bool());
    EXPECT_TRUE(window.option({"switch_s"}).is_selected());
    EXPECT_FALSE(window.option({"switch_c"}).is_selected());

    click({"switch_c"}, QPoint(8, widget({"switch_c"}).height() / 2));
    EXPECT_TRUE(window.form().cos_mode.as_bool());
    EXPECT_TRUE(window.option({"switch_c"}).is_selected());
}

TEST_F(LoadedWindow, SpinningTheLevelRunsSpinUpAndSpinDown) {
    ASSERT_EQ(window.form().lebel, Int16(1));
    click_upper_arrow({"Spin_lebel"});
    EXPECT_EQ(window.form().lebel, Int16(2));
    EXPECT_EQ(window.form().value_lebel.caption_text(), "2");

    click_lower_arrow({"Spin_lebel"});
    EXPECT_EQ(window.form().lebel, Int16(1));
    EXPECT_EQ(window.form().value_lebel.caption_text(), "1");
}

TEST_F(LoadedWindow, PushingAnsRunsItsHandler) {
    ASSERT_EQ(window.form().ans_shown, Int16(0));
    auto& ans = widget({"Command4"});
    click({"Command4"}, ans.rect().center());
    EXPECT_EQ(window.form().ans_shown, Int16(-1));
    EXPECT_TRUE(window.form().ans_a(1).is_visible());
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// What the student sees when a handler is stopped by a runtime fault: a warning naming the
// fault, the window keeping what the handler wrote, and the next click working. The state
// is put out of range from the test; ordinary clicks cannot get there. In a zoomed window
// the message is as large as the window.
class FaultAtZoom : public LoadedWindow, public ::testing::WithParamInterface<int> {};

TEST_P(FaultAtZoom, IsToldInAMessageAndTheWindowCarriesOn) {
    window.set_zoom(GetParam());
    window.form().max_order = Int16(5);  // ANS then reads past the fourth harmonic
    // The warning is answered whenever it shows, however late, so the click cannot wait
    // forever on a box nobody closes.
    QString told;
    double told_points = 0.0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&told, &told_points] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (box != nullptr && box->isVisible()) {
                told = box->text();
                told_points = box->font().pointSizeF();
                box->accept();
            }
        }
    });
    answer.start(10);
    click({"Command4"}, widget({"Command4"}).rect().center());
    answer.stop();

    EXPECT_TRUE(told.contains("Subscript out of range")) << told.toStdString();
    EXPECT_TRUE(told.contains("carry on")) << told.toStdString();
    EXPECT_DOUBLE_EQ(told_points,
                     QApplication::font("QMessageBox").pointSizeF() * GetParam() / 100.0);
    EXPECT_EQ(window.form().ans_a(4).caption_text(), window.form().ex_a(4).text());
    EXPECT_TRUE(window.form().ans_a(4).is_visible()) << "written before the fault";

    window.form().max_order = Int16(4);
    click_upper_arrow({"Spin_n"});
    EXPECT_EQ(window.form().value_n.caption_text(), "1");
}

INSTANTIATE_TEST_SUITE_P(Zoom, FaultAtZoom, ::testing::Values(100, 200));

}  // namespace
}  // namespace quorvel

// The exercise code dialogs as a user meets them: the share key shows the code of the
// exercise on the window, selectable and copied by its button; "Open an exercise…" in the
// context menu takes a code, opens its exercise and closes; a code that names no exercise
// is refused in the dialog with what is wrong with it, and the window stays as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <string>
#include <variant>

#include "dispatch.h"
#include "exercise_dialog_text.h"
#include "exercise_opening.h"
#include "main_window.h"
#include "state_json.h"
#include "window_fixture.h"
#include "work_state.h"

namespace quorvel {
namespace {

class ExerciseDialogs : public testing::StartedWindow {
  protected:
    std::string shown_code() { return *exercise_code(current_exercise(window.form())); }

    ExerciseDialog& open_from_menu() {
        for (QAction* action : window.context_menu().actions()) {
            if (action->text() == QStringLiteral("Open an exercise…")) {
                action->trigger();
            }
        }
        ExerciseDialog* dialog = window.exercise_dialog();
        EXPECT_NE(dialog, nullptr) << "no menu entry opened the dialog";
        EXPECT_EQ(dialog->purpose(), ExerciseDialog::Purpose::open);
        return *dialog;
    }

    static void type_and_open(ExerciseDialog& dialog, const std::string& code) {
        dialog.entry()->clear();
        QTest::keyClicks(dialog.entry(), QString::fromStdString(code));
        QTest::mouseClick(dialog.open_button(), Qt::LeftButton);
    }
};

TEST_F(ExerciseDialogs, TheShareKeyShowsTheCodeSelectableAndCopiesIt) {
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ExerciseDialog* dialog = window.exercise_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->purpose(), ExerciseDialog::Purpose::share);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->entry(), nullptr);
    EXPECT_EQ(dialog->code().text().toStdString(), shown_code());
    EXPECT_TRUE(dialog->code().textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_GT(dialog->code().font().pointSizeF(), 2 * dialog->font().pointSizeF());

    QApplication::clipboard()->clear();
    QTest::mouseClick(&dialog->copy_button(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), shown_code());
}

// The share dialog also shows the student's work as the link's text, selectable and
// copied by its own button; the text reads back to the work on the window.
TEST_F(ExerciseDialogs, TheShareDialogShowsTheWorkAndCopiesIt) {
    for (const char* handler : {"Spin_n_SpinUp", "Spin_a1_SpinUp", "Spin_a1_SpinUp"}) {
        ASSERT_FALSE(dispatch(window.form(), handler));
    }
    QTest::mouseClick(window.control({"Command3"}), Qt::LeftButton);
    const std::string expected = work_text(work_of(window.form())).value();
    ASSERT_TRUE(expected.ends_with(".1.c.50.0.2.0.0.0.0.0.0.0.0.1")) << expected;

    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ExerciseDialog* dialog = window.exercise_dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->work(), nullptr);
    EXPECT_EQ(dialog->work()->text().toStdString(), expected);
    EXPECT_TRUE(dialog->work()->textInteractionFlags() & Qt::TextSelectableByMouse);
    QApplication::clipboard()->clear();
    QTest::mouseClick(dialog->copy_work_button(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
    const auto read = read_work(expected, window.form());
    ASSERT_TRUE(std::holds_alternative<Work>(read));
    EXPECT_EQ(std::get<Work>(read), work_of(window.form()));
}

TEST_F(ExerciseDialogs, ATypedCodeOpensItsExerciseAndClosesTheDialog) {
    const Exercise wanted{3, 0x5A17C3};
    ExerciseDialog& dialog = open_from_menu();
    // Typed as a person may: lower case, without the hyphen.
    std::string typed = *exercise_code(wanted);
    std::erase(typed, '-');
    for (char& c : typed) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    type_and_open(dialog, typed);
    EXPECT_EQ(current_exercise(window.form()), wanted);
    EXPECT_EQ(window.form().value_lebel.caption_text(), "3");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.exercise_dialog() == nullptr; }, 5000));
}

TEST_F(ExerciseDialogs, ABadCodeIsRefusedInTheDialogAndChangesNothing) {
    QTest::mouseClick(window.control({"Command3"}), Qt::LeftButton);  // something to keep
    const std::string before = state_json(window.form(), "", nullptr);
    const std::string good = *exercise_code({2, 0x123456});
    std::string mistyped = good;
    mistyped[2] = mistyped[2] == '7' ? '8' : '7';
    const std::string cases[] = {
        mistyped,   good.substr(0, good.size() - 1),
        good + "9", *exercise_code({window.form().max_order.value() + 1, 0x123456}),
        "0GA0-0U0",
    };
    ExerciseDialog& dialog = open_from_menu();
    for (const std::string& code : cases) {
        SCOPED_TRACE(code);
        type_and_open(dialog, code);
        const auto read = read_exercise_code(code, window.form().max_order.value());
        ASSERT_TRUE(std::holds_alternative<CodeError>(read));
        EXPECT_EQ(dialog.refusal()->text().toStdString(),
                  code_refusal(std::get<CodeError>(read), window.catalogue()));
        EXPECT_TRUE(dialog.refusal()->isVisible());
        EXPECT_EQ(window.exercise_dialog(), &dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(state_json(window.form(), "", nullptr), before);
    }
}

}  // namespace
}  // namespace quorvel

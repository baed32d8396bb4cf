#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace quorvel {

// The exercise code dialogs. Both show the code of the exercise on the window in large
// type, selectable, with a Copy button that puts it on the clipboard. "Open an
// exercise…" also takes a code in a line edit: a code that names an exercise is opened
// and the dialog closes; for any other the dialog says what is wrong with it, and the
// window stays as it was. "Share this exercise…" also shows the text of the student's
// work on the window, selectable, with a Copy button of its own.
class ExerciseDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Purpose { share, open };
    // Opens a typed code: nothing once it is open, else the sentence saying what is wrong.
    using Opener = std::function<std::optional<std::string>(std::string_view)>;

    // Its words are in the catalogue's language. `work`: the text of the student's work,
    // shown by the share dialog; empty for none.
    ExerciseDialog(Purpose purpose, const QString& code, Opener open, const Catalogue& catalogue,
                   const QString& work = {}, QWidget* parent = nullptr);

    Purpose purpose() const { return purpose_; }
    const QLabel& code() const { return *code_; }
    QPushButton& copy_button() { return *copy_; }
    // The work's text and its Copy button (share only, and only with a work).
    const QLabel* work() const { return work_; }
    QPushButton* copy_work_button() { return copy_work_; }
    // The line edit, the Open button and what is wrong with the last code (open only).
    QLineEdit* entry() { return entry_; }
    QPushButton* open_button() { return open_; }
    const QLabel* refusal() const { return refusal_; }

  private:
    void open_typed();

    Purpose purpose_;
    Opener opener_;
    QLabel* code_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* copied_ = nullptr;
    QLabel* work_ = nullptr;
    QPushButton* copy_work_ = nullptr;
    QLineEdit* entry_ = nullptr;
    QPushButton* open_ = nullptr;
    QLabel* refusal_ = nullptr;
};

}  // namespace quorvel

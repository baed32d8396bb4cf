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
// window stays as it was.
class ExerciseDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Purpose { share, open };
    // Opens a typed code: nothing once it is open, else the sentence saying what is wrong.
    using Opener = std::function<std::optional<std::string>(std::string_view)>;

    // Its words are in the catalogue's language.
    ExerciseDialog(Purpose purpose, const QString& code, Opener open, const Catalogue& catalogue,
                   QWidget* parent = nullptr);

    Purpose purpose() const { return purpose_; }
    const QLabel& code() const { return *code_; }
    QPushButton& copy_button() { return *copy_; }
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
    QLineEdit* entry_ = nullptr;
    QPushButton* open_ = nullptr;
    QLabel* refusal_ = nullptr;
};

}  // namespace quorvel

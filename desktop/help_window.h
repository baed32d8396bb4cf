#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <QTextDocument>

#include "spin_range.h"

namespace quorvel {

// The "How to use" window: the help text of every shell, set as one scrolling page with
// the steps of an exercise as a numbered list, a table of what the window shows and of
// the keys, and the About part. Esc or the window's close button closes it; it scales its
// text with the main window's zoom. The bounds it tells are range_of's, its other
// numbers number_of's.
class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    HelpWindow(const SpinRangeOf& range_of, const FormNumberOf& number_of,
               QWidget* parent = nullptr);

    // The page as shown.
    const QTextDocument& document() const { return *browser_->document(); }

    void set_zoom(double factor);

  private:
    QTextBrowser* browser_;
};

}  // namespace quorvel

#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <QTextDocument>

#include "catalogue.h"
#include "languages.h"
#include "spin_range.h"

namespace quorvel {

// The "How to use" window: the help text of every shell, set as one scrolling page with
// the steps of an exercise as a numbered list, a table of what the window shows and of
// the keys, and the About part. Esc or the window's close button closes it; it scales its
// text with the main window's zoom. The bounds it tells are range_of's, its other
// numbers number_of's; its texts are in the catalogue's language, running in the
// language's direction.
class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    HelpWindow(SpinRangeOf range_of, FormNumberOf number_of, const Catalogue& catalogue,
               TextDirection direction, QWidget* parent = nullptr);

    // The page as shown.
    const QTextDocument& document() const { return *browser_->document(); }

    void set_zoom(double factor);
    // Sets the title and the page again in another language; the zoom stays.
    void set_language(const Catalogue& catalogue, TextDirection direction);

  private:
    QTextBrowser* browser_;
    SpinRangeOf range_of_;
    FormNumberOf number_of_;
};

}  // namespace quorvel

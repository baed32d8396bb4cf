#include "help_window.h"

#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "command_table.h"
#include "help_text.h"

namespace quorvel {
namespace {

// The window's size at 100 %, in logical pixels, and its body text size in points (a
// point size, so that the headings keep their steps above it).
constexpr int width_at_100 = 560;
constexpr int height_at_100 = 600;
constexpr double text_points_at_100 = 10.0;

QString escaped(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toHtmlEscaped();
}

QString heading(std::string_view text) {
    return QStringLiteral("<h3>%1</h3>").arg(escaped(text));
}

// Qt's rich text is enough for this page: headings, an ordered list and two tables.
QString page(const HelpText& help, const SpinRangeOf& range_of, const FormNumberOf& number_of,
             const Catalogue& catalogue) {
    const auto tr = [&catalogue](std::string_view english) { return catalogue.translate(english); };
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(escaped(tr(help.title)), escaped(tr(help.intro)));

    html += heading(tr(help.steps_heading)) + QStringLiteral("<ol>");
    for (const std::string_view step : help.steps) {
        html += QStringLiteral("<li>%1</li>")
                    .arg(escaped(help_prose(step, range_of, number_of, catalogue)));
    }
    html += QStringLiteral("</ol>");

    html += heading(tr(help.glossary_heading)) + QStringLiteral("<table cellpadding=\"3\">");
    for (const HelpTerm& term : help.glossary) {
        html +=
            QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                .arg(escaped(term.term), escaped(meaning_of(term, range_of, number_of, catalogue)));
    }
    html += QStringLiteral("</table>");

    html += heading(tr(help.readout_heading)) +
            QStringLiteral("<p>%1</p>")
                .arg(escaped(help_prose(help.readout, range_of, number_of, catalogue)));

    html += heading(tr(help.keys_heading)) + QStringLiteral("<table cellpadding=\"3\">");
    for (const KeyLine& key : key_lines(Shell::desktop, catalogue)) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(key.keys), escaped(key.action));
    }
    html += QStringLiteral("</table>");

    const HelpAbout& about = help.about;
    html += heading(tr(help.about_heading));
    html += QStringLiteral("<p><b>%1</b> %2 — %3</p><p>%4. %5</p><p>%6</p><ul>")
                .arg(escaped(about.program), escaped(about.version), escaped(tr(about.summary)),
                     escaped(about.copyright), escaped(tr(about.licence)),
                     escaped(tr(about.fonts_heading)));
    for (const HelpFont& font : about.fonts) {
        html += QStringLiteral("<li>%1: %2</li>").arg(escaped(font.family), escaped(font.licence));
    }
    html += QStringLiteral("</ul>");
    return html;
}

}  // namespace

HelpWindow::HelpWindow(SpinRangeOf range_of, FormNumberOf number_of, const Catalogue& catalogue,
                       TextDirection direction, QWidget* parent)
    : QDialog(parent),
      browser_(new QTextBrowser(this)),
      range_of_(std::move(range_of)),
      number_of_(std::move(number_of)) {
    browser_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    set_language(catalogue, direction);
    set_zoom(1.0);
}

void HelpWindow::set_language(const Catalogue& catalogue, TextDirection direction) {
    const Qt::LayoutDirection qt_direction =
        direction == TextDirection::right_to_left ? Qt::RightToLeft : Qt::LeftToRight;
    setLayoutDirection(qt_direction);
    const HelpText& help = help_text();
    const std::string_view title = catalogue.translate(help.title);
    setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    // Every paragraph runs in the language's direction, also those that begin with a
    // name or a key written in Latin letters.
    QTextDocument& document = *browser_->document();
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(qt_direction);
    document.setDefaultTextOption(option);
    browser_->setHtml(page(help, range_of_, number_of_, catalogue));
}

void HelpWindow::set_zoom(double factor) {
    QFont font = browser_->font();
    font.setPointSizeF(text_points_at_100 * factor);
    browser_->document()->setDefaultFont(font);
    resize(static_cast<int>(std::lround(width_at_100 * factor)),
           static_cast<int>(std::lround(height_at_100 * factor)));
}

}  // namespace quorvel

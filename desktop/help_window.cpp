#include "help_window.h"

#include <QVBoxLayout>
#include <cmath>

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

HelpWindow::HelpWindow(const SpinRangeOf& range_of, const FormNumberOf& number_of,
                       const Catalogue& catalogue, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    const HelpText& help = help_text();
    const std::string_view title = catalogue.translate(help.title);
    setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    browser_->setOpenLinks(false);
    browser_->setHtml(page(help, range_of, number_of, catalogue));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    set_zoom(1.0);
}

void HelpWindow::set_zoom(double factor) {
    QFont font = browser_->font();
    font.setPointSizeF(text_points_at_100 * factor);
    browser_->document()->setDefaultFont(font);
    resize(static_cast<int>(std::lround(width_at_100 * factor)),
           static_cast<int>(std::lround(height_at_100 * factor)));
}

}  // namespace quorvel

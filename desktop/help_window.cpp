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
QString page(const HelpText& help, const SpinRangeOf& range_of, const FormNumberOf& number_of) {
    QString html =
        QStringLiteral("<h2>%1</h2><p>%2</p>").arg(escaped(help.title), escaped(help.intro));

    html += heading(help.steps_heading) + QStringLiteral("<ol>");
    for (const std::string_view step : help.steps) {
        html += QStringLiteral("<li>%1</li>").arg(escaped(help_prose(step, range_of, number_of)));
    }
    html += QStringLiteral("</ol>");

    html += heading(help.glossary_heading) + QStringLiteral("<table cellpadding=\"3\">");
    for (const HelpTerm& term : help.glossary) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(term.term), escaped(meaning_of(term, range_of, number_of)));
    }
    html += QStringLiteral("</table>");

    html += heading(help.readout_heading) +
            QStringLiteral("<p>%1</p>").arg(escaped(help_prose(help.readout, range_of, number_of)));

    html += heading(help.keys_heading) + QStringLiteral("<table cellpadding=\"3\">");
    for (const KeyLine& key : key_lines(Shell::desktop)) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(escaped(key.keys), escaped(key.action));
    }
    html += QStringLiteral("</table>");

    const HelpAbout& about = help.about;
    html += heading(help.about_heading);
    html += QStringLiteral("<p><b>%1</b> %2 — %3</p><p>%4. %5</p><p>Fonts:</p><ul>")
                .arg(escaped(about.program), escaped(about.version), escaped(about.summary),
                     escaped(about.copyright), escaped(about.licence));
    for (const HelpFont& font : about.fonts) {
        html += QStringLiteral("<li>%1: %2</li>").arg(escaped(font.family), escaped(font.licence));
    }
    html += QStringLiteral("</ul>");
    return html;
}

}  // namespace

HelpWindow::HelpWindow(const SpinRangeOf& range_of, const FormNumberOf& number_of, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    const HelpText& help = help_text();
    setWindowTitle(QString::fromUtf8(help.title.data(), static_cast<qsizetype>(help.title.size())));
    browser_->setOpenLinks(false);
    browser_->setHtml(page(help, range_of, number_of));
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

#include "qt_label.h"

#include <QAccessible>

namespace quorvel {

QtLabel::QtLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

// The whole old caption is replaced by the whole new one, so a screen reader that
// follows the label hears the new number, not a difference of digits.
void QtLabel::Caption(const std::string& text) {
    const QString before = this->text();
    const QString after = QString::fromStdString(text);
    if (after == before) {
        return;
    }
    setText(after);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, before, after);
        QAccessible::updateAccessibility(&event);
    }
    emit caption_changed();
}

std::string QtLabel::caption() const {
    return text().toStdString();
}

void QtLabel::Visible(bool shown) {
    setVisible(shown);
}

bool QtLabel::visible() const {
    return !isHidden();
}

}  // namespace quorvel

#include "qt_label.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>

namespace quorvel {

QtLabel::QtLabel(QWidget* parent) : ZoomedWidget(parent) {
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

std::string QtLabel::caption_text() const {
    return text().toStdString();
}

void QtLabel::Visible(bool shown) {
    setVisible(shown);
}

bool QtLabel::is_visible() const {
    return !isHidden();
}

// The window's labels are plain text without frame, margin, indent or mnemonic, so the
// label's own painting comes down to the style's item text in its rectangle.
void QtLabel::paintEvent(QPaintEvent* event) {
    const PaintZoom& zoom = paint_zoom();
    if (!zoom.active()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    zoom.apply(painter);
    style()->drawItemText(&painter, zoom.logical_rect(),
                          static_cast<int>(alignment()) | Qt::TextForceLeftToRight, palette(),
                          isEnabled(), text(), foregroundRole());
}

}  // namespace quorvel

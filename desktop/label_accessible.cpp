#include "label_accessible.h"

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

namespace quorvel {

LabelAccessible::LabelAccessible(QtLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QString LabelAccessible::text(QAccessible::Text t) const {
    const QString own_name = widget()->accessibleName();
    switch (t) {
        case QAccessible::Name:
            return own_name.isEmpty() ? label().text() : own_name;
        case QAccessible::Value:
            return own_name.isEmpty() ? QString() : label().text();
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State LabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

void* LabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString LabelAccessible::text(int start_offset, int end_offset) const {
    const QString caption = label().text();
    const int start = std::clamp(start_offset, 0, static_cast<int>(caption.size()));
    const int end = end_offset < 0
                        ? static_cast<int>(caption.size())
                        : std::clamp(end_offset, start, static_cast<int>(caption.size()));
    return caption.mid(start, end - start);
}

int LabelAccessible::characterCount() const {
    return static_cast<int>(label().text().size());
}

// A caption is one line, placed by the label's alignment within its contents.
QRect LabelAccessible::caption_rect() const {
    const QtLabel& l = label();
    return l.style()->itemTextRect(l.fontMetrics(), l.contentsRect(),
                                   static_cast<int>(l.alignment()), l.isEnabled(), l.text());
}

QRect LabelAccessible::characterRect(int offset) const {
    const QString caption = label().text();
    if (offset < 0 || offset >= caption.size()) {
        return {};
    }
    const QFontMetrics metrics = label().fontMetrics();
    const QRect line = caption_rect();
    const int left = line.left() + metrics.horizontalAdvance(caption.left(offset));
    const QRect glyph(left, line.top(), metrics.horizontalAdvance(caption.at(offset)),
                      line.height());
    return {label().mapToGlobal(glyph.topLeft()), glyph.size()};
}

int LabelAccessible::offsetAtPoint(const QPoint& point) const {
    for (int i = 0; i < characterCount(); ++i) {
        if (characterRect(i).contains(point)) {
            return i;
        }
    }
    return -1;
}

QString LabelAccessible::attributes(int /*offset*/, int* start_offset, int* end_offset) const {
    *start_offset = 0;
    *end_offset = characterCount();
    return {};
}

void LabelAccessible::selection(int /*selection_index*/, int* start_offset, int* end_offset) const {
    *start_offset = 0;
    *end_offset = 0;
}

}  // namespace quorvel

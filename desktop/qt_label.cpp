#include "qt_label.h"

namespace quorvel {

QtLabel::QtLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void QtLabel::Caption(const std::string& text) {
    setText(QString::fromStdString(text));
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

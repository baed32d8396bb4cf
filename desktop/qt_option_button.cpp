#include "qt_option_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvel {

QtOptionButton::QtOptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(true);
}

void QtOptionButton::Value(bool selected) {
    if (selected) {
        setChecked(true);
        return;
    }
    // Qt refuses to clear the selected button of an exclusive group, so the group is
    // released for that one step.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

bool QtOptionButton::value() const {
    return isChecked();
}

int QtOptionButton::metric(PaintDeviceMetric which) const {
    return zoom_.metric(which, QRadioButton::metric(which));
}

void QtOptionButton::set_paint_zoom(const PaintZoom& zoom) {
    zoom_ = zoom;
    update();
}

void QtOptionButton::paintEvent(QPaintEvent* event) {
    if (!zoom_.active()) {
        QRadioButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    zoom_.apply(painter);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = zoom_.logical_rect();
    painter.drawControl(QStyle::CE_RadioButton, option);
}

bool QtOptionButton::hitButton(const QPoint& pos) const {
    if (!zoom_.active()) {
        return QRadioButton::hitButton(pos);
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = zoom_.logical_rect();
    return style()
        ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, this)
        .toRectF()
        .contains(zoom_.to_logical(pos));
}

// Qt keeps only the focused button of an exclusive group in the Tab chain, so that Tab
// jumps over the others; this window visits every option button in turn.
void QtOptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    if (parentWidget() == nullptr) {
        return;
    }
    for (QtOptionButton* option :
         parentWidget()->findChildren<QtOptionButton*>(Qt::FindDirectChildrenOnly)) {
        option->setFocusPolicy(static_cast<Qt::FocusPolicy>(option->focusPolicy() | Qt::TabFocus));
    }
}

}  // namespace quorvel

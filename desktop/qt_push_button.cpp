#include "qt_push_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvel {

int QtPushButton::metric(PaintDeviceMetric which) const {
    return zoom_.metric(which, QPushButton::metric(which));
}

void QtPushButton::set_paint_zoom(const PaintZoom& zoom) {
    zoom_ = zoom;
    update();
}

void QtPushButton::paintEvent(QPaintEvent* event) {
    if (!zoom_.active()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    zoom_.apply(painter);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = zoom_.logical_rect();
    painter.drawControl(QStyle::CE_PushButton, option);
}

bool QtPushButton::hitButton(const QPoint& pos) const {
    if (!zoom_.active()) {
        return QPushButton::hitButton(pos);
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = zoom_.logical_rect();
    return style()
        ->subElementRect(QStyle::SE_PushButtonBevel, &option, this)
        .toRectF()
        .contains(zoom_.to_logical(pos));
}

}  // namespace quorvel

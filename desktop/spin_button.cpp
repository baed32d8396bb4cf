#include "spin_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

#include "spin_arrows.h"

namespace quorvel {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    repeat_timer_.setSingleShot(false);
    connect(&repeat_timer_, &QTimer::timeout, this, &SpinButton::repeat);
}

namespace {

ArrowPlace place_of(QSize size, SpinButton::Arrow arrow) {
    return spin_arrow(size.width(), size.height(),
                      arrow == SpinButton::Arrow::up ? SpinArrow::up : SpinArrow::down);
}

QRect arrow_in(QSize size, SpinButton::Arrow arrow) {
    const ArrowPlace place = place_of(size, arrow);
    return {0, place.top, size.width(), place.height};
}

}  // namespace

int SpinButton::metric(PaintDeviceMetric which) const {
    return zoom_.metric(which, QWidget::metric(which));
}

void SpinButton::set_paint_zoom(const PaintZoom& zoom) {
    zoom_ = zoom;
    update();
}

// The arrows are laid out in the button's size at 100 % and scaled with it, so where one
// is painted is where it takes clicks.
QRect SpinButton::arrow_rect(Arrow arrow) const {
    if (!zoom_.active()) {
        return arrow_in(size(), arrow);
    }
    return zoom_.to_widget(arrow_in(zoom_.logical, arrow).toRectF()).toRect() & rect();
}

SpinButton::Arrow SpinButton::arrow_at(QPointF p) const {
    QPoint pixel = p.toPoint();
    QSize size = this->size();
    if (zoom_.active()) {
        const QPointF at = zoom_.to_logical(p);
        pixel = QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
        size = zoom_.logical;
    }
    for (const Arrow arrow : {Arrow::up, Arrow::down}) {
        if (arrow_in(size, arrow).contains(pixel)) {
            return arrow;
        }
    }
    return Arrow::none;
}

void SpinButton::raise(Arrow arrow) {
    if (arrow == Arrow::up) {
        emit spinUp();
    } else if (arrow == Arrow::down) {
        emit spinDown();
    }
}

void SpinButton::step(Arrow arrow) {
    raise(arrow);
}

void SpinButton::set_readout(QtLabel* label) {
    if (readout_ != nullptr) {
        disconnect(readout_, &QtLabel::caption_changed, this, &SpinButton::announce_value);
    }
    readout_ = label;
    if (label != nullptr) {
        connect(label, &QtLabel::caption_changed, this, &SpinButton::announce_value);
    }
}

void SpinButton::announce_value() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(this);
    if (iface == nullptr || iface->valueInterface() == nullptr) {
        return;
    }
    QAccessibleValueChangeEvent event(this, iface->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&event);
}

void SpinButton::stop_repeating() {
    repeat_timer_.stop();
    held_ = Arrow::none;
    over_held_ = false;
    update();
}

SpinButton::Arrow SpinButton::repeating() const {
    return repeat_timer_.isActive() && over_held_ ? held_ : Arrow::none;
}

void SpinButton::repeat() {
    repeat_timer_.setInterval(spin_repeat.interval_ms);
    if (over_held_) {
        raise(held_);
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    held_ = arrow_at(event->position());
    over_held_ = held_ != Arrow::none;
    update();
    if (held_ == Arrow::none) {
        return;
    }
    repeat_timer_.start(spin_repeat.first_ms);
    raise(held_);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event) {
    if (held_ == Arrow::none) {
        return;
    }
    const bool over = arrow_at(event->position()) == held_;
    if (over != over_held_) {
        over_held_ = over;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        stop_repeating();
    }
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            step(Arrow::up);
            break;
        case Qt::Key_Down:
            step(Arrow::down);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void SpinButton::hideEvent(QHideEvent* event) {
    stop_repeating();
    QWidget::hideEvent(event);
}

void SpinButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    zoom_.apply(painter);
    const QRect whole = zoom_.active() ? zoom_.logical_rect() : rect();
    const QColor ink =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    for (const Arrow arrow : {Arrow::up, Arrow::down}) {
        const QRect r = arrow_in(whole.size(), arrow);
        QStyleOptionButton panel;
        panel.initFrom(this);
        panel.state &= ~QStyle::State_HasFocus;
        panel.rect = r;
        const bool pressed = held_ == arrow && over_held_;
        panel.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &panel, &painter, this);

        // A solid triangle built from whole pixel rows, so it stays sharp at any size:
        // each row is two pixels wider than the one nearer the tip.
        const int rows = place_of(whole.size(), arrow).rows;
        const int middle = r.left() + (r.width() - 1) / 2;
        const int first = r.top() + (r.height() - rows) / 2 + (pressed ? 1 : 0);
        for (int row = 0; row < rows; ++row) {
            const int half = arrow == Arrow::up ? row : rows - 1 - row;
            painter.fillRect(QRect(middle - half, first + row, 2 * half + 1, 1), ink);
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(whole.adjusted(1, 1, -2, -2));
    }
}

}  // namespace quorvel

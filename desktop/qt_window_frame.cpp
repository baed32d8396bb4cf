#include "qt_window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "layout.h"

namespace quorvel {
namespace {

QRect available_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

bool can_place_windows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

float QtWindowFrame::height() const {
    const int frame = window_.frameGeometry().height() - window_.geometry().height();
    if (frame > 0 || !requested_height_) {
        return twips_of_pixels(window_.frameGeometry().height());
    }
    return *requested_height_;
}

float QtWindowFrame::width() const {
    return twips_of_pixels(window_.frameGeometry().width());
}

void QtWindowFrame::set_top(float twips) {
    if (!can_place_windows()) {
        return;
    }
    window_.move(window_.x(), pixels_of_twips(static_cast<double>(twips)));
}

void QtWindowFrame::set_left(float twips) {
    if (!can_place_windows()) {
        return;
    }
    window_.move(pixels_of_twips(static_cast<double>(twips)), window_.y());
}

float QtWindowFrame::screen_width() const {
    return twips_of_pixels(available_screen().width());
}

float QtWindowFrame::screen_height() const {
    return twips_of_pixels(available_screen().height());
}

}  // namespace quorvel

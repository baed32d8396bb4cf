#include "qt_window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "layout.h"

namespace quorvel {
namespace {

float twips_of(int pixels) {
    return static_cast<float>(pixels * twips_per_pixel);
}

// A twip position as a whole pixel, kept within what a screen coordinate can hold.
int pixels_of(float twips) {
    if (std::isnan(twips)) {
        return 0;
    }
    const double px = std::clamp(static_cast<double>(twips) / twips_per_pixel, -1.0e6, 1.0e6);
    return static_cast<int>(std::lround(px));
}

QRect available_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

float QtWindowFrame::height() const {
    const int frame = window_.frameGeometry().height() - window_.geometry().height();
    if (frame > 0 || !requested_height_) {
        return twips_of(window_.frameGeometry().height());
    }
    return *requested_height_;
}

float QtWindowFrame::width() const {
    return twips_of(window_.frameGeometry().width());
}

void QtWindowFrame::set_top(float twips) {
    window_.move(window_.x(), pixels_of(twips));
}

void QtWindowFrame::set_left(float twips) {
    window_.move(pixels_of(twips), window_.y());
}

float QtWindowFrame::screen_width() const {
    return twips_of(available_screen().width());
}

float QtWindowFrame::screen_height() const {
    return twips_of(available_screen().height());
}

}  // namespace quorvel

#include "zoom_fit.h"

#include <QRect>

#include "layout.h"
#include "paint_zoom.h"
#include "zoom_steps.h"

namespace quorvel {

QSize zoomed_client_size(int percent) {
    const QSize client(pixels_of_twips(window_look.client_width),
                       pixels_of_twips(window_look.client_height));
    return zoomed_place(QRect(QPoint(0, 0), client), percent / 100.0).in_window.size();
}

bool zoom_fits(int percent, QSize available, QMargins frame) {
    const QSize outer = zoomed_client_size(percent).grownBy(frame);
    return outer.width() <= available.width() && outer.height() <= available.height();
}

bool zoom_offered(int percent, int current, QSize available, QMargins frame) {
    return percent <= current || zoom_fits(percent, available, frame);
}

int largest_fitting_zoom(QSize available, QMargins frame) {
    int largest = actual_size;
    for (const int step : zoom_steps) {
        if (zoom_fits(step, available, frame)) {
            largest = step;
        }
    }
    return largest;
}

}  // namespace quorvel

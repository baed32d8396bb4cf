#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdlib>

namespace quorvel {

// Plain pixel writing into a 32-bit image: one segment or one rectangle costs no painter
// set-up, which matters when a plot is 151 segments and a new exercise redraws twelve
// plots. Everything is clipped to the image.

// Fills the rectangle (inclusive corners) with one colour.
inline void fill_pixels(QImage& image, QRect area, QRgb colour) {
    const QRect r = area.normalized().intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            row[x] = colour;
        }
    }
}

// A straight line of `stroke` × `stroke` squares from a to b, both ends included
// (Bresenham's stepping, so every step moves one pixel along the major axis).
inline void draw_segment(QImage& image, QPoint a, QPoint b, QRgb colour, int stroke) {
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = a;
    for (;;) {
        fill_pixels(image, QRect(p, QSize(stroke, stroke)), colour);
        if (p == b) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
}

}  // namespace quorvel

// Where the window's controls lie at its zoom, how they are stacked, and the parts of
// the frames cut away so that no frame hides the plots beside it.
#include <QRegion>
#include <map>

#include "layout.h"
#include "main_window.h"
#include "paint_zoom.h"
#include "window_geometry.h"
#include "zoom_fit.h"

namespace quorvel {
namespace {

QRect logical_rect(const PixelRect& at) {
    return {at.left, at.top, at.width, at.height};
}

}  // namespace

// Every control at its zoomed place: its rectangle in window coordinates, scaled and
// rounded edge by edge, then made relative to its container's zoomed corner.
void MainWindow::place_controls() {
    const double factor = zoom_factor();
    std::map<Key, QPoint> corners;
    for (const RowGeometry& row : geometry_) {
        const ZoomedPlace place = zoomed_place(logical_rect(row.rect), factor);
        const ControlName in = find_control(row.name)->container;
        const QPoint container = in == window_name ? QPoint(0, 0) : corners.at({in.name, in.index});
        corners.emplace(Key{row.name.name, row.name.index}, place.in_window.topLeft());
        QWidget* widget = control(row.name);
        widget->setGeometry(place.in_window.translated(-container));
        if (auto* zoomable = dynamic_cast<Zoomable*>(widget)) {
            zoomable->set_paint_zoom(place.paint);
        }
    }
    setFixedSize(zoomed_client_size(zoom_percent_));
}

// Each control lies among its siblings as the window's geometry stacks it: labels beneath
// the buttons, spin buttons and surfaces that share their frame (the blank labels that
// overlap the CALC button and the "cos" button must not cover them), lowered last-first
// to keep their own order, and a frame stacked on top raised above the others.
void MainWindow::stack_controls() {
    for (auto row = geometry_.rbegin(); row != geometry_.rend(); ++row) {
        if (row->stacking == Stacking::beneath) {
            control(row->name)->lower();
        }
    }
    for (const RowGeometry& row : geometry_) {
        if (row.stacking == Stacking::on_top) {
            control(row.name)->raise();
        }
    }
    uncover_surfaces();
}

// Neighbouring frames overlap by a pixel or more, and a frame stacked above its neighbour
// would hide the edge rows of the neighbour's plots: a0 = -10 and the troughs of an
// amplitude-10 harmonic are drawn on the last row. Each frame therefore leaves out of its
// shape the parts of the plots that the window's geometry finds it overlapping; nothing
// moves. The parts are zoomed edge by edge as the controls are, so a zoom reshapes them.
void MainWindow::uncover_surfaces() {
    const double factor = zoom_factor();
    std::map<Key, QRegion> shapes;
    for (const RowGeometry& plot : geometry_) {
        for (const UncoveredPart& part : plot.uncovered) {
            const QWidget* frame = control(part.frame);
            auto [shape, added] =
                shapes.try_emplace(Key{part.frame.name, part.frame.index}, frame->rect());
            shape->second -=
                zoomed_place(logical_rect(part.rect), factor).in_window.translated(-frame->pos());
        }
    }
    for (const ControlRow& row : layout_table()) {
        if (!(row.container == window_name)) {
            continue;
        }
        QWidget* frame = control(row.name);
        const auto shape = shapes.find(Key{row.name.name, row.name.index});
        if (shape == shapes.end()) {
            frame->clearMask();
        } else {
            frame->setMask(shape->second);
        }
    }
}

}  // namespace quorvel

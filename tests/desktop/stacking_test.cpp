// The window stacks its controls as the window's geometry says, and at every zoom no
// frame stacked above a plot's own frame paints over any pixel of the plot.
#include <gtest/gtest.h>

#include <QRegion>
#include <stdexcept>
#include <string>
#include <vector>

#include "layout.h"
#include "main_window.h"
#include "window_fixture.h"
#include "window_geometry.h"

namespace quorvel {
namespace {

using WindowStacking = testing::WindowTest;

// Later among its parent's children is higher up: raising and lowering reorder them.
TEST_F(WindowStacking, SiblingsLieInTheGeometrysOrder) {
    const std::vector<RowGeometry> geometry = window_geometry();
    int pairs = 0;
    for (const RowGeometry& a : geometry) {
        for (const RowGeometry& b : geometry) {
            QWidget& upper = widget(a.name);
            QWidget& lower = widget(b.name);
            if (&upper == &lower || upper.parentWidget() != lower.parentWidget() ||
                !lies_above(a, b)) {
                continue;
            }
            const QObjectList& siblings = upper.parentWidget()->children();
            EXPECT_GT(siblings.indexOf(&upper), siblings.indexOf(&lower))
                << full_name(a.name) << " should lie above " << full_name(b.name);
            ++pairs;
        }
    }
    EXPECT_GT(pairs, 0);
}

// Where a frame paints in the window: its rectangle, less what its mask leaves out.
QRegion painted(const QWidget& frame) {
    return frame.mask().isEmpty() ? QRegion(frame.geometry())
                                  : frame.mask().translated(frame.pos());
}

class ZoomedStacking : public testing::WindowTest, public ::testing::WithParamInterface<int> {};

// Each frame paints all of its rectangle but the plots of frames beneath it that it
// overlaps, to the pixel at the zoom.
TEST_P(ZoomedStacking, AFrameLeavesOutExactlyThePlotsBeneathItThatItOverlaps) {
    window.set_zoom(GetParam());
    const std::vector<RowGeometry> geometry = window_geometry();
    const auto row_of = [&](ControlName name) -> const RowGeometry& {
        for (const RowGeometry& row : geometry) {
            if (row.name == name) {
                return row;
            }
        }
        throw std::logic_error("no row " + full_name(name));
    };
    int cut = 0;
    for (const RowGeometry& frame : geometry) {
        if (!(frame.name == frame.frame) || !frame.shown) {
            continue;
        }
        const QWidget& above = widget(frame.name);
        QRegion expected(above.geometry());
        for (const RowGeometry& plot : geometry) {
            if (find_control(plot.name)->kind == ControlKind::picture && plot.shown &&
                !(plot.frame == frame.name) && lies_above(frame, row_of(plot.frame))) {
                const QWidget& surface = widget(plot.name);
                expected -= QRect(surface.mapTo(&window, QPoint(0, 0)), surface.size());
            }
        }
        EXPECT_EQ(painted(above), expected) << full_name(frame.name);
        cut += expected == QRegion(above.geometry()) ? 0 : 1;
    }
    // Every frame of a column but its first overlaps the plot of the one above it.
    EXPECT_GT(cut, 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomedStacking, ::testing::Values(100, 150, 200),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return "at_" + std::to_string(p.param);
                         });

}  // namespace
}  // namespace quorvel

// No neighbouring frame covers any part of a plot: the window shows every edge pixel of
// every visible picture surface at the extremes of the trial coefficients, where a0 and
// the harmonics' peaks and troughs lie on the plots' first and last rows.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "case_name.h"
#include "dispatch.h"
#include "event_table.h"
#include "layout.h"
#include "main_window.h"
#include "qt_canvas.h"

namespace quorvel {
namespace {

// The controls of the surface's own frame may lie over it by design: its "T" marks and
// "Spectol", and a spin button whose border meets the plot's left column.
bool under_its_own_controls(const QWidget& surface, QPoint p) {
    const auto covers = [&](const QWidget& parent, QPoint at) {
        for (const QObject* child : parent.children()) {
            const auto* w = qobject_cast<const QWidget*>(child);
            if (w != nullptr && w != &surface && !w->isHidden() && w->geometry().contains(at)) {
                return true;
            }
        }
        return false;
    };
    return covers(surface, p) || covers(*surface.parentWidget(), surface.mapToParent(p));
}

struct Extremes {
    const char* name;
    const char* handler;
};

class SurfaceEdges : public ::testing::TestWithParam<Extremes> {};

TEST_P(SurfaceEdges, TheWindowShowsTheEdgeRowsAndColumnsOfEveryPlot) {
    MainWindow window;
    window.load();
    for (int i = 0; i < 10; ++i) {
        ASSERT_FALSE(dispatch(window.form(), GetParam().handler));
        for (const char* harmonic : {"Spin_a1", "Spin_a2", "Spin_a3", "Spin_a4", "Spin_b1",
                                     "Spin_b2", "Spin_b3", "Spin_b4"}) {
            const std::string up = std::string(harmonic) + "_SpinUp";
            ASSERT_FALSE(dispatch(window.form(), up));
        }
    }
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int checked = 0;
    for (const ControlRow& row : layout_table()) {
        if (row.kind != ControlKind::picture || !window.control(row.name)->isVisibleTo(&window)) {
            continue;
        }
        auto* canvas = dynamic_cast<QtCanvas*>(window.control(row.name));
        if (canvas == nullptr) {
            continue;  // a spin button's placeholder
        }
        const QImage picture = canvas->picture().convertToFormat(QImage::Format_RGB32);
        const QPoint origin = canvas->mapTo(&window, QPoint(0, 0));
        const int w = canvas->width();
        const int h = canvas->height();
        for (int x = 0; x < w; ++x) {
            for (const int y : {0, h - 1}) {
                if (!under_its_own_controls(*canvas, {x, y})) {
                    ASSERT_EQ(shown.pixel(origin + QPoint(x, y)), picture.pixel(x, y))
                        << canvas->objectName().toStdString() << " at " << x << "," << y;
                    ++checked;
                }
            }
        }
        for (int y = 0; y < h; ++y) {
            for (const int x : {0, w - 1}) {
                if (!under_its_own_controls(*canvas, {x, y})) {
                    ASSERT_EQ(shown.pixel(origin + QPoint(x, y)), picture.pixel(x, y))
                        << canvas->objectName().toStdString() << " at " << x << "," << y;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 4000);
}

INSTANTIATE_TEST_SUITE_P(Trials, SurfaceEdges,
                         ::testing::Values(Extremes{"a0_at_minus_10", "Spin_a0_SpinDown"},
                                           Extremes{"a0_at_10", "Spin_a0_SpinUp"}),
                         testing::CaseName{});

}  // namespace
}  // namespace quorvel

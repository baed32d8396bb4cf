// The window zoomed in the program against the same window started at that scale with
// QT_SCALE_FACTOR, in a child process: every plot, caption, frame, spin button and option
// button pixel for pixel, and every push button at the same place with its caption at the
// same place.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegion>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "dispatch.h"
#include "event_table.h"
#include "layout.h"
#include "main_window.h"

namespace quorvel {
namespace {

// A short exercise: a plotted trial, the product at n = 1 with its rectangles, the answers.
const std::vector<const char*> road = {"Spin_a0_SpinUp", "Spin_a0_SpinUp", "Spin_a1_SpinUp",
                                       "Spin_b1_SpinUp", "Spin_b1_SpinUp", "Spin_n_SpinUp",
                                       "Command3_Click", "switch_s_Click", "Command3_Click",
                                       "Command4_Click", "Spin_a3_SpinUp", "Spin_b4_SpinUp"};

struct Scale {
    std::string name;
    int percent;
    const char* qt_scale_factor;
    bool zoom_before_the_road;  // else after it, so the plots are drawn again when zoomed
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.name;
}

// The window after the road, as the child process shows it at that scale.
QImage reference_picture(const Scale& scale, const QString& folder) {
    const QString out = folder + QStringLiteral("/reference.png");
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale.qt_scale_factor));
    env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    env.remove(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"));
    helper.setProcessEnvironment(env);
    QStringList args{out};
    for (const char* handler : road) {
        args << QString::fromLatin1(handler);
    }
    helper.start(QStringLiteral(QUORVEL_ZOOM_REFERENCE), args);
    if (!helper.waitForFinished(60000) || helper.exitStatus() != QProcess::NormalExit ||
        helper.exitCode() != 0) {
        ADD_FAILURE() << "the reference window failed: "
                      << helper.readAllStandardError().toStdString();
        return {};
    }
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

void run_road(MainWindow& window) {
    for (const char* handler : road) {
        ASSERT_FALSE(dispatch(window.form(), handler)) << handler;
    }
}

int differing_pixels(const QImage& a, const QImage& b, const QRegion& where) {
    int count = 0;
    for (const QRect& r : where) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            }
        }
    }
    return count;
}

// The smallest rectangle holding every pixel of `area` that `ink` picks out.
QRect ink_box(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& ink) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

class ZoomedWindow : public ::testing::TestWithParam<Scale> {
  protected:
    QRect place(ControlName name) {
        QWidget* w = window.control(name);
        return {w->mapTo(&window, QPoint(0, 0)), w->size()};
    }

    MainWindow window;
};

TEST_P(ZoomedWindow, ShowsWhatQtShowsWhenStartedAtThatScale) {
    const Scale& scale = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QImage reference = reference_picture(scale, folder.path());
    ASSERT_FALSE(reference.isNull());

    window.load();
    if (scale.zoom_before_the_road) {
        window.set_zoom(scale.percent);
        ASSERT_NO_FATAL_FAILURE(run_road(window));
    } else {
        ASSERT_NO_FATAL_FAILURE(run_road(window));
        window.set_zoom(scale.percent);
    }
    ASSERT_EQ(window.zoom(), scale.percent);
    const QImage zoomed = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(zoomed.size(), reference.size());

    // Qt's style draws a push button's rounded border from a picture it caches at the
    // application's pixel ratio, so only there may the two differ.
    QRegion push_buttons;
    for (const ControlRow& row : layout_table()) {
        if (row.kind == ControlKind::push_button) {
            push_buttons += place(row.name);
        }
    }

    int plots = 0;
    for (const ControlRow& row : layout_table()) {
        if (!window.control(row.name)->isVisibleTo(&window)) {
            continue;
        }
        SCOPED_TRACE(full_name(row.name));
        const QRect at = place(row.name);
        if (row.kind != ControlKind::push_button) {
            EXPECT_EQ(differing_pixels(zoomed, reference, QRegion(at) - push_buttons), 0);
        }
        if (row.kind == ControlKind::picture) {
            // Something was drawn: more than the background colour.
            EXPECT_NE(ink_box(zoomed, at, [&](QRgb c) { return c != zoomed.pixel(at.topLeft()); }),
                      QRect());
            ++plots;
        }
        if (row.kind == ControlKind::push_button) {
            const auto caption = [](QRgb c) { return qGray(c) < 96; };
            const QRect own_caption = ink_box(zoomed, at, caption);
            EXPECT_NE(own_caption, QRect());
            EXPECT_EQ(own_caption, ink_box(reference, at, caption));
            // The border, enlarged from the cached picture rather than drawn afresh, may
            // reach one pixel further at a fractional zoom.
            const auto outline = [](QRgb c) { return qGray(c) < 200; };
            const QRect own_outline = ink_box(zoomed, at, outline);
            const QRect their_outline = ink_box(reference, at, outline);
            EXPECT_EQ(own_outline.topLeft(), their_outline.topLeft());
            EXPECT_LE(std::abs(own_outline.right() - their_outline.right()), 1);
            EXPECT_LE(std::abs(own_outline.bottom() - their_outline.bottom()), 1);
        }
    }
    EXPECT_EQ(plots, 14);
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomedWindow,
                         ::testing::Values(Scale{"at125_before_the_road", 125, "1.25", true},
                                           Scale{"at150_after_the_road", 150, "1.5", false},
                                           Scale{"at200_after_the_road", 200, "2", false},
                                           Scale{"at200_before_the_road", 200, "2", true},
                                           Scale{"at250_after_the_road", 250, "2.5", false},
                                           Scale{"at300_before_the_road", 300, "3", true}),
                         testing::CaseName{});

}  // namespace
}  // namespace quorvel

// QtCanvas puts on its retained picture exactly what the drawing calls ask for.
#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>
#include <limits>
#include <ostream>

#include "qt_canvas.h"
#include "qt_colour.h"

namespace quorvel {
namespace {

const QColor white = to_qcolor(colours::white);

int count_of(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

SurfaceLook look_of(int width_px, int height_px, FillStyle style = FillStyle::transparent) {
    SurfaceLook look;
    look.back = colours::white;
    look.fore = colours::black;
    look.fill = colours::red;
    look.fill_style = style;
    look.width_twips = static_cast<float>(width_px * 15);
    look.height_twips = static_cast<float>(height_px * 15);
    return look;
}

// A 10 × 10 pixel surface whose user units are its pixels, y growing upwards, so that
// at(col, row) names the centre of one pixel.
class SmallCanvas : public ::testing::Test {
  protected:
    explicit SmallCanvas(FillStyle style = FillStyle::transparent)
        : canvas(look_of(10, 10, style)) {
        canvas.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
    }

    static PointF at(int col, int row) {
        return {static_cast<float>(col) + 0.5f, 10.0f - static_cast<float>(row) - 0.5f};
    }
    QColor pixel(int col, int row) const { return canvas.picture().pixelColor(col, row); }

    QtCanvas canvas;
};

TEST(QtCanvasPlot, AxisRunsAlongTheMiddleRowInTheForeColour) {
    // A harmonic plot: 2532 × 1212 twips, y from 10 at the top to -10 at the bottom.
    QtCanvas canvas(look_of(169, 81));
    canvas.Scale({0.0f, 10.0f}, {6.2831802f, -10.0f});
    canvas.ForeColor(colours::blue);
    canvas.Line({0.0f, 0.0f}, {6.2831802f, 0.0f});

    const QImage& picture = canvas.picture();
    ASSERT_EQ(picture.size(), QSize(169, 81));
    const int middle = picture.height() / 2;
    const QColor blue(0, 0, 255);
    EXPECT_EQ(picture.pixelColor(0, middle), blue);
    EXPECT_EQ(picture.pixelColor(84, middle), blue);
    EXPECT_EQ(picture.pixelColor(168, middle), blue);
    EXPECT_EQ(picture.pixelColor(84, middle - 1), white);
    EXPECT_EQ(picture.pixelColor(84, middle + 1), white);
    EXPECT_EQ(count_of(picture, blue), 169);
}

TEST(QtCanvasPlot, TheFarEdgesLieJustOutsideTheLastPixels) {
    QtCanvas canvas(look_of(169, 81));
    canvas.Scale({0.0f, 10.0f}, {6.2831802f, -10.0f});
    canvas.PSet({0.0f, 10.0f});
    canvas.PSet({6.2831802f, -10.0f});
    canvas.PSet({6.28f, -9.9f});

    const QColor black(0, 0, 0);
    EXPECT_EQ(canvas.picture().pixelColor(0, 0), black);
    EXPECT_EQ(canvas.picture().pixelColor(168, 80), black);
    EXPECT_EQ(count_of(canvas.picture(), black), 2);
}

TEST(QtCanvasPlot, ZeroBarsOnTheChartsBottomEdgeLeaveItEmpty) {
    // The spectrum chart: 2652 × 1092 twips, y from 10 at the top down to 0 at the bottom.
    QtCanvas chart(look_of(177, 73, FillStyle::solid));
    chart.Scale({0.0f, 10.0f}, {4.3333335f, 0.0f});
    chart.ForeColor(colours::red);
    chart.Box({1.0f - 1.0f / 3.0f, 0.0f}, {1.0f, 0.0f});
    chart.Box({0.0f, 0.0f}, {1.0f / 3.0f, -3.0f});
    EXPECT_EQ(count_of(chart.picture(), white), 177 * 73);
    chart.Box({2.0f, 0.0f}, {2.0f + 1.0f / 3.0f, 10.0f});
    EXPECT_EQ(chart.picture().pixelColor(82, 0), QColor(255, 0, 0)) << "a full bar reaches the top";
}

TEST_F(SmallCanvas, ClsPaintsTheBackgroundOverEverything) {
    canvas.Line(at(0, 0), at(9, 9));
    canvas.PSet(at(3, 7));
    canvas.Cls();
    EXPECT_EQ(count_of(canvas.picture(), white), 100);
}

// A segment, and which pixels of one row it should leave inked (none when first > last).
struct Clip {
    const char* name;
    PointF from;
    PointF to;
    int row;
    int first;
    int last;
};

void PrintTo(const Clip& row, std::ostream* out) {
    *out << row.name;
}

class ClippedLine : public SmallCanvas, public ::testing::WithParamInterface<Clip> {};

TEST_P(ClippedLine, KeepsOnlyWhatFallsOnTheSurface) {
    const Clip& c = GetParam();
    canvas.Line(c.from, c.to);
    const QColor black(0, 0, 0);
    const int expected = std::max(0, c.last - c.first + 1);
    EXPECT_EQ(count_of(canvas.picture(), black), expected);
    for (int col = c.first; col <= c.last; ++col) {
        EXPECT_EQ(pixel(col, c.row), black) << "column " << col;
    }
}

constexpr float huge = 1.0e30f;
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    SmallCanvas, ClippedLine,
    ::testing::Values(Clip{"inside", {2.5f, 4.5f}, {7.5f, 4.5f}, 5, 2, 7},
                      Clip{"past_the_right_edge", {5.5f, 4.5f}, {25.0f, 4.5f}, 5, 5, 9},
                      Clip{"past_both_edges", {-3.0f, 4.5f}, {13.0f, 4.5f}, 5, 0, 9},
                      Clip{"from_far_beyond_to_far_beyond", {-huge, 4.5f}, {huge, 4.5f}, 5, 0, 9},
                      Clip{"wholly_above", {0.0f, 20.0f}, {10.0f, 20.0f}, 0, 0, -1},
                      Clip{"wholly_left", {-5.0f, 0.0f}, {-1.0f, 10.0f}, 0, 0, -1},
                      Clip{"not_a_number", {nan, 4.5f}, {5.0f, 4.5f}, 0, 0, -1}),
    [](const ::testing::TestParamInfo<Clip>& row) { return std::string(row.param.name); });

TEST_F(SmallCanvas, PointsOutsideTheSurfaceAreDroppedSilently) {
    canvas.PSet({-0.5f, 5.0f});
    canvas.PSet({5.0f, 10.5f});
    canvas.PSet({huge, -huge});
    EXPECT_EQ(count_of(canvas.picture(), white), 100);
}

TEST_F(SmallCanvas, TransparentBoxIsAnOutlineOverWhatWasThere) {
    canvas.ForeColor(colours::green);
    canvas.Line(at(0, 4), at(9, 4));
    canvas.ForeColor(colours::blue);
    canvas.Box(at(2, 2), at(7, 6));

    const QColor blue(0, 0, 255);
    EXPECT_EQ(pixel(2, 2), blue);
    EXPECT_EQ(pixel(7, 6), blue);
    EXPECT_EQ(pixel(5, 2), blue);
    EXPECT_EQ(pixel(2, 5), blue);
    EXPECT_EQ(pixel(4, 4), QColor(0, 255, 0));  // the line shows through
    EXPECT_EQ(pixel(4, 3), white);
    EXPECT_EQ(pixel(1, 1), white);
    EXPECT_EQ(pixel(8, 7), white);
    EXPECT_EQ(count_of(canvas.picture(), blue), 2 * 6 + 2 * 3);
}

class SolidFillCanvas : public SmallCanvas {
  protected:
    SolidFillCanvas() : SmallCanvas(FillStyle::solid) {}
};

TEST_F(SolidFillCanvas, BoxIsAnOutlineInForeAroundTheFillColour) {
    canvas.ForeColor(colours::blue);
    canvas.FillColor(colours::red);
    canvas.Box(at(2, 2), at(7, 6));

    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    EXPECT_EQ(pixel(2, 2), blue);
    EXPECT_EQ(pixel(7, 6), blue);
    EXPECT_EQ(pixel(4, 4), red);
    EXPECT_EQ(pixel(1, 1), white);
    EXPECT_EQ(count_of(canvas.picture(), blue), 2 * 6 + 2 * 3);
    EXPECT_EQ(count_of(canvas.picture(), red), 4 * 3);
}

TEST_F(SolidFillCanvas, BoxCornersMayComeInEitherOrder) {
    QtCanvas swapped(look_of(10, 10, FillStyle::solid));
    swapped.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
    canvas.Box(at(2, 6), at(7, 2));
    swapped.Box(at(7, 2), at(2, 6));
    EXPECT_EQ(canvas.picture(), swapped.picture());
    EXPECT_EQ(pixel(4, 4), QColor(255, 0, 0));
}

TEST_F(SolidFillCanvas, BoxReachingPastTheEdgeIsCutThere) {
    canvas.ForeColor(colours::blue);
    canvas.Box({-100.0f, 12.0f}, at(4, 4));
    const QColor blue(0, 0, 255);
    EXPECT_EQ(pixel(4, 0), blue);  // right side, from the top
    EXPECT_EQ(pixel(0, 4), blue);  // bottom side, from the left
    EXPECT_EQ(pixel(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(count_of(canvas.picture(), blue), 5 + 5 - 1);
}

TEST_F(SmallCanvas, WidgetShowsThePictureWithChildLabelsOnTop) {
    canvas.Line(at(0, 9), at(9, 0));
    auto* mark = new QLabel(&canvas);
    mark->setGeometry(6, 0, 4, 4);
    mark->setAutoFillBackground(true);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    mark->setPalette(palette);

    const QImage shown = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& picture = canvas.picture();
    ASSERT_EQ(shown.size(), picture.size());
    EXPECT_EQ(shown.pixelColor(2, 7), picture.pixelColor(2, 7));
    EXPECT_EQ(shown.pixelColor(2, 7), QColor(0, 0, 0));
    EXPECT_EQ(shown.copy(0, 4, 10, 6), picture.copy(0, 4, 10, 6));
    EXPECT_EQ(shown.pixelColor(8, 1), QColor(255, 0, 0));
}

}  // namespace
}  // namespace quorvel

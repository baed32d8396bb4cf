// The raster canvas puts into its pixels exactly what the drawing calls ask for, at every
// device pixel ratio a screen may have.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ios>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "layout.h"
#include "raster_canvas.h"

namespace quorvel {
namespace {

int count_of(const RasterCanvas& canvas, Colour colour) {
    const std::uint32_t word = pixel_word(colour);
    int n = 0;
    for (int y = 0; y < canvas.pixel_height(); ++y) {
        for (int x = 0; x < canvas.pixel_width(); ++x) {
            n += canvas.pixel(x, y) == word ? 1 : 0;
        }
    }
    return n;
}

bool same_pixels(const RasterCanvas& a, const RasterCanvas& b) {
    if (a.pixel_width() != b.pixel_width() || a.pixel_height() != b.pixel_height()) {
        return false;
    }
    const auto n = static_cast<std::size_t>(a.pixel_width() * a.pixel_height());
    return std::equal(a.pixels(), a.pixels() + n, b.pixels());
}

SurfaceLook look_of(int width_px, int height_px, FillStyle style = FillStyle::transparent) {
    SurfaceLook look;
    look.back = colours::white;
    look.fore = colours::black;
    look.fill = colours::red;
    look.fill_style = style;
    look.width_twips = twips_of_pixels(width_px);
    look.height_twips = twips_of_pixels(height_px);
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
    bool is(int col, int row, Colour c) const { return canvas.pixel(col, row) == pixel_word(c); }

    RasterCanvas canvas;
};

// Light yellow is red FF, green FF, blue C0: each layout's bytes in memory, alpha opaque.
struct WordBytes {
    PixelLayout layout;
    unsigned char bytes[4];
};

TEST(RasterCanvasWords, HoldTheColourInTheLayoutsByteOrder) {
    const WordBytes rows[] = {
        {PixelLayout::rgba_bytes, {0xFF, 0xFF, 0xC0, 0xFF}},
        {PixelLayout::argb_words, {0xC0, 0xFF, 0xFF, 0xFF}},
    };
    for (const WordBytes& row : rows) {
        const std::uint32_t word = pixel_word(colours::light_yellow, row.layout);
        unsigned char bytes[4];
        std::memcpy(bytes, &word, 4);
        EXPECT_EQ(std::memcmp(bytes, row.bytes, 4), 0)
            << "layout " << static_cast<int>(row.layout) << ": " << std::hex << word;
    }
}

TEST(RasterCanvasPlot, AxisRunsAlongTheMiddleRowInTheForeColour) {
    // A harmonic plot: 2532 × 1212 twips, y from 10 at the top to -10 at the bottom.
    RasterCanvas canvas(look_of(169, 81));
    canvas.Scale({0.0f, 10.0f}, {6.2831802f, -10.0f});
    canvas.ForeColor(colours::blue);
    canvas.Line({0.0f, 0.0f}, {6.2831802f, 0.0f});

    ASSERT_EQ(canvas.pixel_width(), 169);
    ASSERT_EQ(canvas.pixel_height(), 81);
    const int middle = 40;
    const std::uint32_t blue = pixel_word(colours::blue);
    EXPECT_EQ(canvas.pixel(0, middle), blue);
    EXPECT_EQ(canvas.pixel(84, middle), blue);
    EXPECT_EQ(canvas.pixel(168, middle), blue);
    EXPECT_EQ(canvas.pixel(84, middle - 1), pixel_word(colours::white));
    EXPECT_EQ(canvas.pixel(84, middle + 1), pixel_word(colours::white));
    EXPECT_EQ(count_of(canvas, colours::blue), 169);
}

TEST(RasterCanvasPlot, PointsOnTheFarEdgesLandOnTheLastPixels) {
    RasterCanvas canvas(look_of(169, 81));
    canvas.Scale({0.0f, 10.0f}, {6.2831802f, -10.0f});
    canvas.PSet({0.0f, 10.0f});
    canvas.PSet({6.2831802f, -10.0f});
    canvas.PSet({6.28f, -9.6f});

    EXPECT_EQ(canvas.pixel(0, 0), pixel_word(colours::black));
    EXPECT_EQ(canvas.pixel(168, 80), pixel_word(colours::black));
    EXPECT_EQ(canvas.pixel(168, 79), pixel_word(colours::black));
    EXPECT_EQ(count_of(canvas, colours::black), 3);
}

TEST_F(SmallCanvas, ClsPaintsTheBackgroundOverEverything) {
    canvas.Line(at(0, 0), at(9, 9));
    canvas.PSet(at(3, 7));
    canvas.Cls();
    EXPECT_EQ(count_of(canvas, colours::white), 100);
}

TEST_F(SmallCanvas, EveryDrawingCallCountsAsAChange) {
    const std::uint64_t before = canvas.revision();
    canvas.Line(at(0, 0), at(9, 9));
    canvas.Box(at(1, 1), at(2, 2));
    canvas.PSet(at(3, 7));
    canvas.Cls();
    EXPECT_EQ(canvas.revision(), before + 4);
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
    const int expected = std::max(0, c.last - c.first + 1);
    EXPECT_EQ(count_of(canvas, colours::black), expected);
    for (int col = c.first; col <= c.last; ++col) {
        EXPECT_TRUE(is(col, c.row, colours::black)) << "column " << col;
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
    testing::CaseName{});

TEST_F(SmallCanvas, PointsOutsideTheSurfaceAreDroppedSilently) {
    canvas.PSet({-0.5f, 5.0f});
    canvas.PSet({5.0f, 10.5f});
    canvas.PSet({huge, -huge});
    EXPECT_EQ(count_of(canvas, colours::white), 100);
}

TEST_F(SmallCanvas, TransparentBoxIsAnOutlineOverWhatWasThere) {
    canvas.ForeColor(colours::green);
    canvas.Line(at(0, 4), at(9, 4));
    canvas.ForeColor(colours::blue);
    canvas.Box(at(2, 2), at(7, 6));

    EXPECT_TRUE(is(2, 2, colours::blue));
    EXPECT_TRUE(is(7, 6, colours::blue));
    EXPECT_TRUE(is(5, 2, colours::blue));
    EXPECT_TRUE(is(2, 5, colours::blue));
    EXPECT_TRUE(is(4, 4, colours::green));  // the line shows through
    EXPECT_TRUE(is(4, 3, colours::white));
    EXPECT_TRUE(is(1, 1, colours::white));
    EXPECT_TRUE(is(8, 7, colours::white));
    EXPECT_EQ(count_of(canvas, colours::blue), 2 * 6 + 2 * 3);
}

class SolidFillCanvas : public SmallCanvas {
  protected:
    SolidFillCanvas() : SmallCanvas(FillStyle::solid) {}
};

TEST_F(SolidFillCanvas, BoxIsAnOutlineInForeAroundTheFillColour) {
    canvas.ForeColor(colours::blue);
    canvas.FillColor(colours::red);
    canvas.Box(at(2, 2), at(7, 6));

    EXPECT_TRUE(is(2, 2, colours::blue));
    EXPECT_TRUE(is(7, 6, colours::blue));
    EXPECT_TRUE(is(4, 4, colours::red));
    EXPECT_TRUE(is(1, 1, colours::white));
    EXPECT_EQ(count_of(canvas, colours::blue), 2 * 6 + 2 * 3);
    EXPECT_EQ(count_of(canvas, colours::red), 4 * 3);
}

TEST_F(SolidFillCanvas, BoxCornersMayComeInEitherOrder) {
    RasterCanvas swapped(look_of(10, 10, FillStyle::solid));
    swapped.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
    canvas.Box(at(2, 6), at(7, 2));
    swapped.Box(at(7, 2), at(2, 6));
    EXPECT_TRUE(same_pixels(canvas, swapped));
    EXPECT_TRUE(is(4, 4, colours::red));
}

TEST_F(SolidFillCanvas, BoxReachingPastTheEdgeIsCutThere) {
    canvas.ForeColor(colours::blue);
    canvas.Box({-100.0f, 12.0f}, at(4, 4));
    EXPECT_TRUE(is(4, 0, colours::blue));  // right side, from the top
    EXPECT_TRUE(is(0, 4, colours::blue));  // bottom side, from the left
    EXPECT_TRUE(is(0, 0, colours::red));
    EXPECT_EQ(count_of(canvas, colours::blue), 5 + 5 - 1);
}

// The same drawing at each device pixel ratio a screen or a zoom may give.
class AtRatio : public ::testing::TestWithParam<double> {};

std::string ratio_name(const ::testing::TestParamInfo<double>& row) {
    return "ratio_" + std::to_string(static_cast<int>(std::lround(row.param * 100.0)));
}

// The spectrum chart: 2652 × 1092 twips, y from 10 at the top down to 0 at the bottom.
SurfaceLook chart_look() {
    return look_of(177, 73, FillStyle::solid);
}
void use_chart_scale(RasterCanvas& chart) {
    chart.Scale({0.0f, 10.0f}, {4.3333335f, 0.0f});
}

TEST_P(AtRatio, ZeroBarsOnTheChartsBottomEdgeLeaveItEmpty) {
    RasterCanvas chart(chart_look(), GetParam());
    use_chart_scale(chart);
    for (const Colour c : {colours::red, colours::blue, colours::dark_orange}) {
        chart.ForeColor(c);
        for (int i = 0; i < 4; ++i) {
            const float x = static_cast<float>(i) + 1.0f / 3.0f;
            chart.Box({x - 1.0f / 3.0f, 0.0f}, {x, 0.0f});
        }
    }
    chart.Box({0.0f, 0.0f}, {1.0f / 3.0f, -3.0f});
    EXPECT_EQ(count_of(chart, colours::white), chart.pixel_width() * chart.pixel_height());
}

TEST_P(AtRatio, AFullBarReachesTheTopAndStandsOnTheBottomRow) {
    RasterCanvas chart(chart_look(), GetParam());
    use_chart_scale(chart);
    chart.ForeColor(colours::red);
    chart.Box({2.0f, 0.0f}, {2.0f + 1.0f / 3.0f, 10.0f});
    const int column = static_cast<int>(std::floor(2.1 / 4.3333335 * chart.pixel_width()));
    EXPECT_EQ(chart.pixel(column, 0), pixel_word(colours::red));
    EXPECT_EQ(chart.pixel(column, chart.pixel_height() - 1), pixel_word(colours::red));
}

TEST_P(AtRatio, LinesAreOneLogicalPixelWide) {
    RasterCanvas canvas(look_of(10, 10), GetParam());
    canvas.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
    canvas.Line({0.0f, 4.5f}, {10.0f, 4.5f});
    const int stroke = std::max(1, static_cast<int>(GetParam()));
    EXPECT_EQ(count_of(canvas, colours::black), canvas.pixel_width() * stroke);
}

// a0 = -10 on its harmonic plot: the line along the bottom edge is the last row.
TEST_P(AtRatio, ALineAlongTheBottomEdgeIsSeenOnTheLastRow) {
    RasterCanvas canvas(look_of(169, 81), GetParam());
    canvas.Scale({0.0f, 10.0f}, {6.2831802f, -10.0f});
    canvas.Line({0.0f, -10.0f}, {6.2831802f, -10.0f});
    const int stroke = std::max(1, static_cast<int>(GetParam()));
    for (const int column : {0, canvas.pixel_width() / 2, canvas.pixel_width() - 1}) {
        EXPECT_EQ(canvas.pixel(column, canvas.pixel_height() - stroke), pixel_word(colours::black))
            << "column " << column;
    }
    EXPECT_EQ(count_of(canvas, colours::black), canvas.pixel_width() * stroke);
}

TEST_P(AtRatio, ANewRatioDrawsAgainAsIfDrawnThereFirst) {
    const auto draw = [](RasterCanvas& canvas) {
        canvas.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
        canvas.Cls();
        canvas.Line({0.5f, 0.5f}, {9.5f, 7.5f});
        canvas.Box({2.0f, 2.0f}, {6.0f, 5.0f});
        canvas.PSet({8.5f, 1.5f});
    };
    RasterCanvas moved(look_of(10, 10, FillStyle::solid), 1.0);
    draw(moved);
    moved.set_ratio(GetParam());
    RasterCanvas there(look_of(10, 10, FillStyle::solid), GetParam());
    draw(there);
    EXPECT_TRUE(same_pixels(moved, there));
}

// A copy for print takes the drawing since Cls, its scale and background, in the palette
// asked for, and leaves the surface it came from as it was.
TEST_P(AtRatio, ACopyAtAnotherRatioIsTheDrawingDoneThere) {
    const auto draw = [](RasterCanvas& canvas) {
        canvas.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
        canvas.Line({0.5f, 9.5f}, {9.5f, 0.5f});
        canvas.Cls();
        canvas.ForeColor(colours::red);
        canvas.Line({0.5f, 0.5f}, {9.5f, 7.5f});
        canvas.Box({2.0f, 2.0f}, {6.0f, 5.0f});
        canvas.PSet({8.5f, 1.5f});
    };
    RasterCanvas window(look_of(10, 10, FillStyle::solid), 1.5, PixelLayout::argb_words);
    window.set_palette(Palette::high_contrast);
    draw(window);
    const std::vector<std::uint32_t> before(
        window.pixels(), window.pixels() + window.pixel_width() * window.pixel_height());
    const RasterCanvas printed(window, GetParam(), Palette::seed);
    RasterCanvas there(look_of(10, 10, FillStyle::solid), GetParam(), PixelLayout::argb_words);
    draw(there);
    EXPECT_TRUE(same_pixels(printed, there));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), window.pixels()));
    EXPECT_EQ(window.palette(), Palette::high_contrast);
}

// The desktop's and the web page's packings of one drawing are the same colours at the
// same pixels.
TEST_P(AtRatio, EveryLayoutHoldsTheSameColoursAtTheSamePixels) {
    const auto draw = [](RasterCanvas& canvas) {
        use_chart_scale(canvas);
        const Colour colours_drawn[] = {colours::red, colours::blue, colours::dark_orange,
                                        colours::green, colours::light_yellow};
        for (int i = 0; i < 5; ++i) {
            const float x = static_cast<float>(i) * 0.8f;
            canvas.ForeColor(colours_drawn[i]);
            canvas.Box({x, 0.0f}, {x + 0.5f, 2.0f + static_cast<float>(i)});
            canvas.Line({x, 9.0f}, {x + 0.7f, 6.0f});
            canvas.PSet({x + 0.2f, 8.0f});
        }
    };
    RasterCanvas rgba(chart_look(), GetParam(), PixelLayout::rgba_bytes);
    RasterCanvas argb(chart_look(), GetParam(), PixelLayout::argb_words);
    draw(rgba);
    draw(argb);
    const Colour seen[] = {colours::white,       colours::red,   colours::blue,
                           colours::dark_orange, colours::green, colours::light_yellow};
    int mismatches = 0;
    for (int y = 0; y < rgba.pixel_height(); ++y) {
        for (int x = 0; x < rgba.pixel_width(); ++x) {
            const auto* colour = std::find_if(std::begin(seen), std::end(seen), [&](Colour c) {
                return rgba.pixel(x, y) == pixel_word(c, PixelLayout::rgba_bytes);
            });
            ASSERT_NE(colour, std::end(seen)) << "pixel " << x << "," << y;
            mismatches += argb.pixel(x, y) == pixel_word(*colour, PixelLayout::argb_words) ? 0 : 1;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_LT(count_of(rgba, colours::white), rgba.pixel_width() * rgba.pixel_height());
}

INSTANTIATE_TEST_SUITE_P(Screens, AtRatio, ::testing::Values(1.0, 1.25, 1.5, 2.0), ratio_name);

}  // namespace
}  // namespace quorvel

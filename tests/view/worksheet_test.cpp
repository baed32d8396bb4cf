// The printed sheet's words and numbers: the table a student fills in and the key that
// answers it, with the example's coefficients as the window's ANS shows them.
#include "worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout.h"
#include "number_text.h"

namespace quorvel {
namespace {

// An example with the coefficients a0 … a4 and b1 … b4 (b0 is never used).
FormState example(std::vector<int> a, std::vector<int> b) {
    FormState form;
    for (int i = 0; i <= highest_harmonic; ++i) {
        form.ex_a(i) = Value(static_cast<float>(a[static_cast<std::size_t>(i)]));
        form.ex_b(i) = Int16(i == 0 ? 0 : b[static_cast<std::size_t>(i - 1)]);
    }
    return form;
}

std::vector<std::string> column(const Worksheet& sheet, std::string SheetRow::*cell) {
    std::vector<std::string> out;
    for (const SheetRow& row : sheet.rows) {
        out.push_back(row.*cell);
    }
    return out;
}

TEST(Worksheet, TableRunsFromA0ThroughCosAndSinOfEachHarmonic) {
    const Worksheet sheet = worksheet(SheetKind::worksheet, "ABCD-EFG",
                                      example({3, 5, 0, 0, 0}, {-2, 0, 0, 0}), Catalogue{});
    EXPECT_EQ(column(sheet, &SheetRow::n),
              (std::vector<std::string>{"0", "1", "1", "2", "2", "3", "3", "4", "4"}));
    EXPECT_EQ(
        column(sheet, &SheetRow::wave),
        (std::vector<std::string>{"cos", "cos", "sin", "cos", "sin", "cos", "sin", "cos", "sin"}));
    // The student's sheet gives away no number.
    EXPECT_EQ(column(sheet, &SheetRow::coefficient),
              (std::vector<std::string>{
                  "a0 =", "a1 =", "b1 =", "a2 =", "b2 =", "a3 =", "b3 =", "a4 =", "b4 ="}));
    EXPECT_EQ(column(sheet, &SheetRow::mean), std::vector<std::string>(9, ""));
    EXPECT_EQ(sheet.answer, "f(\u03b8) =");
    EXPECT_EQ(sheet.code, "ABCD-EFG");
    EXPECT_NE(sheet.name_label, "");
}

struct KeyCase {
    const char* name;
    std::vector<int> a;
    std::vector<int> b;
    std::vector<std::string> coefficients;
    std::vector<std::string> means;
    std::string series;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class AnswerKey : public ::testing::TestWithParam<KeyCase> {};

// S/T is a0 itself and half of every other coefficient; the series leaves out zero terms
// and writes a negative one with a minus sign.
TEST_P(AnswerKey, GivesTheExamplesCoefficientsAndMeans) {
    const KeyCase& c = GetParam();
    const Worksheet key =
        worksheet(SheetKind::answer_key, "ABCD-EFG", example(c.a, c.b), Catalogue{});
    EXPECT_EQ(column(key, &SheetRow::coefficient), c.coefficients);
    EXPECT_EQ(column(key, &SheetRow::mean), c.means);
    EXPECT_EQ(key.answer, "f(\u03b8) = " + c.series);
    EXPECT_EQ(key.name_label, "");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AnswerKey,
    ::testing::Values(
        KeyCase{"level_one",
                {3, 5, 0, 0, 0},
                {-2, 0, 0, 0},
                {"a0 = 3", "a1 = 5", "b1 = -2", "a2 = 0", "b2 = 0", "a3 = 0", "b3 = 0", "a4 = 0",
                 "b4 = 0"},
                {"3", "2.5", "-1", "0", "0", "0", "0", "0", "0"},
                "3 + 5 cos 1\u03b8 \u2212 2 sin 1\u03b8"},
        KeyCase{"level_four_with_negative_a0",
                {-10, 1, 7, -9, 10},
                {10, -1, 4, 6},
                {"a0 = -10", "a1 = 1", "b1 = 10", "a2 = 7", "b2 = -1", "a3 = -9", "b3 = 4",
                 "a4 = 10", "b4 = 6"},
                {"-10", "0.5", "5", "3.5", "-0.5", "-4.5", "2", "5", "3"},
                "-10 + 1 cos 1\u03b8 + 10 sin 1\u03b8 + 7 cos 2\u03b8 \u2212 1 sin 2\u03b8 "
                "\u2212 9 cos 3\u03b8 + 4 sin 3\u03b8 + 10 cos 4\u03b8 + 6 sin 4\u03b8"}),
    [](const ::testing::TestParamInfo<KeyCase>& row) { return std::string(row.param.name); });

// The printed plot is the window's canvas drawn again at the print ratio, never its
// pixels enlarged: a one-pixel line becomes a band sheet_plot_ratio dots thick.
TEST(SheetPlot, IsTheCanvasDrawnAtThePrintRatio) {
    SurfaceLook look;
    look.width_twips = twips_of_pixels(20);
    look.height_twips = twips_of_pixels(10);
    RasterCanvas window(look, 1.0, PixelLayout::argb_words);
    window.Scale({0.0f, 10.0f}, {20.0f, 0.0f});
    window.Line({0.0f, 4.5f}, {20.0f, 4.5f});
    const SheetPlot plot = sheet_plot(window);
    ASSERT_EQ(plot.width, 20 * sheet_plot_ratio);
    ASSERT_EQ(plot.height, 10 * sheet_plot_ratio);
    const auto at = [&](int x, int y) {
        return plot.pixels[static_cast<std::size_t>(y * plot.width + x)];
    };
    const std::uint32_t black = pixel_word(colours::black, PixelLayout::argb_words);
    const std::uint32_t white = pixel_word(colours::white, PixelLayout::argb_words);
    for (int y = 0; y < plot.height; ++y) {
        const bool on_line = y >= 55 && y < 55 + sheet_plot_ratio;
        EXPECT_EQ(at(plot.width / 2, y), on_line ? black : white) << "row " << y;
    }
}

}  // namespace
}  // namespace quorvel

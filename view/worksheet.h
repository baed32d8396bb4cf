#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "form_state.h"
#include "raster_canvas.h"

namespace quorvel {

// A page to print for the exercise on the window, written once for every shell: the
// student's worksheet (the example wave and a table to work it out by hand) or the
// teacher's answer key (the same table with the example's true numbers in it).
enum class SheetKind { worksheet, answer_key };

// The example's plot at print resolution: the window's raster canvas drawn afresh at
// sheet_plot_ratio device pixels per logical pixel, in the program's own colours.
struct SheetPlot {
    int width = 0;  // device pixels
    int height = 0;
    std::vector<std::uint32_t> pixels;  // rows top to bottom, in the canvas's pixel layout
};

// The plot is printed at sheet_plot_dpi so that each of its pixels is one printer dot
// there: the window's 169-pixel-wide plot becomes 1690 dots, 143 mm across. A whole ratio
// keeps every line a whole number of dots wide, so the print is as crisp as the screen.
inline constexpr int sheet_plot_ratio = 10;
inline constexpr int sheet_plot_dpi = 300;

SheetPlot sheet_plot(const RasterCanvas& example);

// One row of the table: n, the essential wave's kind, S/T and the coefficient it gives.
// On the worksheet S/T is left empty and the coefficient reads "a1 =" for the student to
// finish; on the key both are filled in.
struct SheetRow {
    std::string n;
    std::string wave;
    std::string mean;
    std::string coefficient;
};

// Every text of the page, in the reader's language and the window's number format. The
// shells lay it out; the address and its label are for the web page, which has one.
struct Worksheet {
    std::string title;
    std::string name_label;  // where the student writes their name (worksheet only)
    std::string code_label;
    std::string code;
    std::string address_label;
    std::string plot_caption;
    std::string instructions;
    std::array<std::string, 4> headings;
    std::vector<SheetRow> rows;  // n = 0 with cos only, then n = 1 … 4 with cos and sin
    std::string answer_heading;
    std::string answer;  // "f(θ) =" to be finished, or on the key the whole sum
};

// The sheet for the exercise whose code is `code` and whose example the form holds.
Worksheet worksheet(SheetKind kind, std::string_view code, const FormState& form,
                    const Catalogue& catalogue);

}  // namespace quorvel

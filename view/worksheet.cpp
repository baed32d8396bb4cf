#include "worksheet.h"

#include <string>

#include "number_text.h"
#include "translatable.h"

namespace quorvel {
namespace {

std::string translated(const Catalogue& catalogue, std::string_view english) {
    return std::string(catalogue.translate(english));
}

// " + 5 cos 2θ" or " − 3 sin 2θ"; nothing for a zero term.
std::string term_text(const std::string& coefficient, std::string_view wave, int n) {
    if (coefficient == "0" || coefficient.empty()) {
        return {};
    }
    const bool negative = coefficient.front() == '-';
    const std::string size = negative ? coefficient.substr(1) : coefficient;
    return std::string(negative ? " \u2212 " : " + ") + size + " " + std::string(wave) + " " +
           std::to_string(n) + "\u03b8";
}

}  // namespace

SheetPlot sheet_plot(const RasterCanvas& example) {
    const RasterCanvas printed(example, sheet_plot_ratio, Palette::seed);
    const auto* first = printed.pixels();
    const auto count = static_cast<std::size_t>(printed.pixel_width()) *
                       static_cast<std::size_t>(printed.pixel_height());
    return {printed.pixel_width(), printed.pixel_height(), {first, first + count}};
}

Worksheet worksheet(SheetKind kind, std::string_view code, const FormState& form,
                    const Catalogue& catalogue) {
    const bool key = kind == SheetKind::answer_key;
    Worksheet sheet{
        .title = translated(
            catalogue, key ? N_("Fourier series: answer key") : N_("Fourier series worksheet")),
        .name_label = key ? std::string() : translated(catalogue, N_("Name:")),
        .code_label = translated(catalogue, N_("Exercise code:")),
        .code = std::string(code),
        .address_label = translated(catalogue, N_("Open it at:")),
        .plot_caption = translated(catalogue, N_("The example wave")),
        .instructions = translated(
            catalogue, N_("For each row set n and cos or sin, press CALC and write down S/T. "
                          "S/T is a0 for n = 0, and an/2 or bn/2 for n = 1 to 4.")),
        .headings = {"n", translated(catalogue, N_("cos or sin")), "S/T",
                     translated(catalogue, N_("Coefficient"))},
        .rows = {},
        .answer_heading = translated(
            catalogue, key ? N_("The example wave's series") : N_("Your synthesised wave")),
        .answer = "f(\u03b8) =",
    };
    const std::string cos = translated(catalogue, N_("cos"));
    const std::string sin = translated(catalogue, N_("sin"));
    std::string sum;
    for (int n = 0; n <= highest_harmonic; ++n) {
        const std::string index = std::to_string(n);
        const Value a = form.ex_a(n);
        const Int16 b = form.ex_b(n);
        // S/T is the mean of the product: a0 itself, half of an or bn above it.
        const auto mean_of = [&](double coefficient) {
            return text_of(n == 0 ? coefficient : coefficient / 2.0);
        };
        const auto row = [&](const std::string& wave, const std::string& name,
                             const std::string& value, double coefficient) {
            sheet.rows.push_back({index, wave, key ? mean_of(coefficient) : std::string(),
                                  name + index + " =" + (key ? " " + value : std::string())});
        };
        row(cos, "a", a.text(), a.as_double());
        if (n == 0) {
            sum = a.text();
            continue;
        }
        row(sin, "b", text_of(b), static_cast<double>(b.value()));
        sum += term_text(a.text(), cos, n) + term_text(text_of(b), sin, n);
    }
    if (key) {
        sheet.answer += " " + sum;
    }
    return sheet;
}

}  // namespace quorvel

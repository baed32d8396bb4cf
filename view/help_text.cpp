#include "help_text.h"

#include <array>

#include "project_version.h"
#include "range_prose.h"

namespace quorvel {
namespace {

constexpr auto steps = std::to_array<std::string_view>({
    "Look at the Example Wave (W0). It is y(θ) = a0 + Σ [an·cos nθ + bn·sin nθ], and your "
    "task is to find its whole-number coefficients. The level (\"lebel=\") says how many "
    "harmonics it has: at level 1 only a0, a1 and b1 are there; every coefficient it has is "
    "a whole number from 1 to {coef_max}.",

    "Leave n at 0 and press CALC. With n = 0 the Essential Wave (E) is the constant 1, so "
    "the product (W2) is the example itself: CALC draws the rectangles under it and S/T "
    "shows their mean, which is a0.",

    "Set your a0 with the spin button in C0. The C0 plot, the Simulate Wave (W1) and the "
    "spectrum chart follow at once.",

    "Step n to 1 with the spin button beside \"n=\". With \"cos\" chosen, press CALC: S/T "
    "is now a1/2, so a1 = 2 × S/T. Choose \"sin\" and press CALC again: S/T is b1/2.",

    "Enter a1 in C1 and b1 in S1. At a higher level, do the same for n = 2, 3 and 4. When "
    "every coefficient is right, the Simulate Wave (W1) has the same shape as the Example "
    "Wave (W0).",

    "Press ANS to see the example's true coefficients beside the Simulate Wave, and "
    "compare them with yours.",

    "For the next exercise press RESET under the Example Wave, or change the level with its "
    "spin button: a new example is drawn, the answers are hidden and your coefficients go "
    "back to 0.",
});

constexpr auto glossary = std::to_array<HelpTerm>({
    {"W0", "Example Wave: the wave whose coefficients you are finding, over one period."},
    {"W1",
     "Simulate Wave: the sum of your harmonics C0 … C4 and S1 … S4. After ANS the true "
     "coefficients a0 … a4 and b1 … b4 are listed at its left."},
    {"E",
     "Essential Wave: cos nθ or sin nθ. Its spin button sets n ({Spin_n.min} … "
     "{Spin_n.max}), \"cos\" and \"sin\" choose the function, and its RESET goes back to "
     "n = 0, cos."},
    {"W2",
     "Example Wave * Essential Wave: the product of W0 and E. CALC draws k rectangles under "
     "it (k = {Spin_k.min} … {Spin_k.max}, set with the spin button beside \"k=\") and "
     "shows their mean as S/T: a0 for n = 0, an/2 with cos and bn/2 with sin for n ≥ 1."},
    {"C0 … C4",
     "Your cosine terms: C0 is the constant a0, Cn is an·cos nθ. The spin button at the "
     "frame's left steps the coefficient by {Spin_a0.step} (a0 from {Spin_a0.min} to "
     "{Spin_a0.max}, the others from {Spin_a1.min} to {Spin_a1.max})."},
    {"S1 … S4", "Your sine terms bn·sin nθ, set the same way ({Spin_b1.min} to {Spin_b1.max})."},
    {"Spectol",
     "The spectrum chart of your coefficients: a bar for a0 over \"0\", and over each "
     "harmonic 1/T … 4/T a red bar for an and a blue bar for bn, up to {coef_max} at the top."},
    {"T", "Marks the end of one period in every plot."},
});

constexpr std::string_view readout =
    "CALC adds up k samples in single-precision arithmetic, with π taken as {pi}, so a "
    "mean that should be exactly 3 can come out a hair below it, as 2.99999…. The readout "
    "is then cut to four decimals (floored, not rounded), which shows 2.9999; likewise -3 "
    "can read -3.0001. Every coefficient is a whole number: take the nearest one (for "
    "n ≥ 1, the nearest whole number to 2 × S/T).";

constexpr auto fonts = std::to_array<HelpFont>({
    {"Liberation Serif, Liberation Sans", "SIL Open Font License 1.1"},
    {"IPAPGothic (IPA fonts)", "IPA Font License Agreement v1.0"},
});

constexpr HelpText text{
    .title = "How to use Quorvel",
    .intro =
        "Quorvel gives you a periodic wave and the tools to find its Fourier "
        "coefficients by hand: multiply the wave by cos nθ or sin nθ, take the mean "
        "over one period, and build the wave again from what you found.",
    .steps_heading = "One exercise, step by step",
    .steps = steps,
    .glossary_heading = "What the window shows",
    .glossary = glossary,
    .readout_heading = "Why S/T can read 2.9999 for 3",
    .readout = readout,
    .keys_heading = "Keys",
    .about_heading = "About",
    .about =
        {
            .program = "Quorvel",
            .summary = "Fourier series by hand",
            .version = QUORVEL_VERSION,
            .copyright = "Copyright (c) 2026 Quorvel developers",
            .licence = "MIT License. Its full text is the LICENSE file of the source, "
                       "installed as the package's copyright file.",
            .fonts = fonts,
        },
};

}  // namespace

const HelpText& help_text() {
    return text;
}

std::string meaning_of(const HelpTerm& term, const SpinRangeOf& range_of,
                       const FormNumberOf& number_of) {
    return help_prose(term.meaning, range_of, number_of);
}

std::string help_prose(std::string_view prose, const SpinRangeOf& range_of,
                       const FormNumberOf& number_of) {
    return with_ranges(prose, range_of, "−", {}, number_of);
}

}  // namespace quorvel

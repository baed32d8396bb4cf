#include "accessible_texts.h"

#include <array>

#include "range_prose.h"
#include "translatable.h"

namespace quorvel {
namespace {

constexpr auto texts = std::to_array<AccessibleText>({
    // Frames: the group a screen reader announces when the focus enters it.
    {{"example"}, N_("Example Wave"), N_("The wave whose coefficients you are finding")},
    {{"simulate"}, N_("Simulate Wave"), N_("The sum of your trial harmonics, and the answers")},
    {{"Frame1"},
     N_("Essential Wave"),
     N_("cos nθ or sin nθ, chosen with n and the cos and sin buttons")},
    {{"Frame2"},
     N_("Example Wave times Essential Wave"),
     N_("The product of the two waves; CALC gives its mean S/T")},
    {{"Frame3"}, N_("Spectrum"), N_("Your coefficients as bars, one group per harmonic 0 … 4")},
    {{"s_wave", 0}, N_("Coefficient a0"), N_("Your constant term a0; set it with the spin button")},
    {{"s_wave", 1},
     N_("Coefficient a1"),
     N_("Your cosine term a1 cos θ; set a1 with the spin button")},
    {{"s_wave", 2},
     N_("Coefficient a2"),
     N_("Your cosine term a2 cos 2θ; set a2 with the spin button")},
    {{"s_wave", 3},
     N_("Coefficient a3"),
     N_("Your cosine term a3 cos 3θ; set a3 with the spin button")},
    {{"s_wave", 4},
     N_("Coefficient a4"),
     N_("Your cosine term a4 cos 4θ; set a4 with the spin button")},
    {{"c_wave", 1},
     N_("Coefficient b1"),
     N_("Your sine term b1 sin θ; set b1 with the spin button")},
    {{"c_wave", 2},
     N_("Coefficient b2"),
     N_("Your sine term b2 sin 2θ; set b2 with the spin button")},
    {{"c_wave", 3},
     N_("Coefficient b3"),
     N_("Your sine term b3 sin 3θ; set b3 with the spin button")},
    {{"c_wave", 4},
     N_("Coefficient b4"),
     N_("Your sine term b4 sin 4θ; set b4 with the spin button")},

    // Push buttons and option buttons. The two RESET buttons say which RESET they are.
    {{"Command1"},
     N_("RESET (new example)"),
     N_("A new example at the same level; hides the answers and sets your coefficients to 0")},
    {{"Command2"}, N_("RESET (essential wave)"), N_("Sets the essential wave back to n = 0, cos")},
    {{"Command3"},
     N_("CALC"),
     N_("Computes S/T, the mean of the product over k rectangles: a0 for n = 0, an/2 (cos) or ")
         N_("bn/2 (sin) for n ≥ 1")},
    {{"Command4"}, N_("ANS"), N_("Shows the example wave's true coefficients")},
    {{"switch_c"}, N_("cos"), N_("Makes the essential wave cos nθ, to find an")},
    {{"switch_s"}, N_("sin"), N_("Makes the essential wave sin nθ, to find bn")},

    // Spin buttons, named after what they change; their value is their readout's caption.
    // N_("{min}"), "{max}" and "{step}" are the button's own bounds, from the form.
    {{"Spin_lebel"},
     N_("level"),
     "Steps the level, how many harmonics the example has ({min} to {max}); each step draws "
     "a new example",
     {"value_lebel"}},
    {{"Spin_n"}, "n", "Steps n, the order of the essential wave ({min} to {max})", {"value_n"}},
    {{"Spin_k"}, "k", "Steps k, how many rectangles CALC uses ({min} to {max})", {"value_k"}},
    {{"Spin_a0"}, "a0", "Steps your a0 by {step} ({min} to {max})", {"value_a", 0}},
    {{"Spin_a1"}, "a1", "Steps your a1 by {step} ({min} to {max})", {"value_a", 1}},
    {{"Spin_a2"}, "a2", "Steps your a2 by {step} ({min} to {max})", {"value_a", 2}},
    {{"Spin_a3"}, "a3", "Steps your a3 by {step} ({min} to {max})", {"value_a", 3}},
    {{"Spin_a4"}, "a4", "Steps your a4 by {step} ({min} to {max})", {"value_a", 4}},
    {{"Spin_b1"}, "b1", "Steps your b1 by {step} ({min} to {max})", {"value_b", 1}},
    {{"Spin_b2"}, "b2", "Steps your b2 by {step} ({min} to {max})", {"value_b", 2}},
    {{"Spin_b3"}, "b3", "Steps your b3 by {step} ({min} to {max})", {"value_b", 3}},
    {{"Spin_b4"}, "b4", "Steps your b4 by {step} ({min} to {max})", {"value_b", 4}},

    // Labels whose caption changes: the name says what they show, the caption is the value.
    {{"value_lebel"}, "level value", "The example's level"},
    {{"value_n"}, "n value", "The order of the essential wave"},
    {{"value_k"}, "k value", "The number of rectangles"},
    {{"value_s"},
     "S/T",
     "The mean of the product after CALC, cut to four decimals: 2.9999 reads as 3"},
    {{"value_a", 0}, "a0 value", "Your trial a0"},
    {{"value_a", 1}, "a1 value", "Your trial a1"},
    {{"value_a", 2}, "a2 value", "Your trial a2"},
    {{"value_a", 3}, "a3 value", "Your trial a3"},
    {{"value_a", 4}, "a4 value", "Your trial a4"},
    {{"value_b", 1}, "b1 value", "Your trial b1"},
    {{"value_b", 2}, "b2 value", "Your trial b2"},
    {{"value_b", 3}, "b3 value", "Your trial b3"},
    {{"value_b", 4}, "b4 value", "Your trial b4"},
    {{"ans_a", 0}, "a0 answer", "The example's true a0, after ANS"},
    {{"ans_a", 1}, "a1 answer", "The example's true a1, after ANS"},
    {{"ans_a", 2}, "a2 answer", "The example's true a2, after ANS"},
    {{"ans_a", 3}, "a3 answer", "The example's true a3, after ANS"},
    {{"ans_a", 4}, "a4 answer", "The example's true a4, after ANS"},
    {{"ans_b", 1}, "b1 answer", "The example's true b1, after ANS"},
    {{"ans_b", 2}, "b2 answer", "The example's true b2, after ANS"},
    {{"ans_b", 3}, "b3 answer", "The example's true b3, after ANS"},
    {{"ans_b", 4}, "b4 answer", "The example's true b4, after ANS"},

    // Picture surfaces: which wave they show, never what its coefficients are.
    {{"campus_ex"}, "Example wave", "The example wave over one period T: find its coefficients"},
    {{"campus_sim"},
     "Simulate wave",
     "The sum of your harmonics; it has the example's shape when every coefficient is right"},
    {{"campus_ess"}, "Essential wave", "cos nθ or sin nθ for the chosen n"},
    {{"campus_sqr"},
     "Product of example and essential wave",
     "The example times the essential wave; after CALC, the k rectangles whose mean is S/T"},
    {{"campus_graph"},
     "Spectrum",
     "Bars of your coefficients: a0 at 0, then for each harmonic an in red and bn in blue"},
    {{"campus_a", 0}, "Constant term a0", "Your constant term a0"},
    {{"campus_a", 1}, "Cosine harmonic 1", "Your a1 cos θ"},
    {{"campus_a", 2}, "Cosine harmonic 2", "Your a2 cos 2θ"},
    {{"campus_a", 3}, "Cosine harmonic 3", "Your a3 cos 3θ"},
    {{"campus_a", 4}, "Cosine harmonic 4", "Your a4 cos 4θ"},
    {{"campus_b", 1}, "Sine harmonic 1", "Your b1 sin θ"},
    {{"campus_b", 2}, "Sine harmonic 2", "Your b2 sin 2θ"},
    {{"campus_b", 3}, "Sine harmonic 3", "Your b3 sin 3θ"},
    {{"campus_b", 4}, "Sine harmonic 4", "Your b4 sin 4θ"},
});

}  // namespace

std::span<const AccessibleText> accessible_texts() {
    return texts;
}

std::string description_of(const AccessibleText& row, const SpinRangeOf& range_of,
                           const Catalogue& catalogue) {
    return with_ranges(catalogue.translate(row.description), range_of, "-", row.control);
}

const AccessibleText* find_accessible_text(ControlName control) {
    for (const AccessibleText& row : texts) {
        if (row.control == control) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace quorvel

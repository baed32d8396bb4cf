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
     N_("Computes S/T, the mean of the product over k rectangles: a0 for n = 0, an/2 (cos) or "
        "bn/2 (sin) for n ≥ 1")},
    {{"Command4"}, N_("ANS"), N_("Shows the example wave's true coefficients")},
    {{"switch_c"}, N_("cos"), N_("Makes the essential wave cos nθ, to find an")},
    {{"switch_s"}, N_("sin"), N_("Makes the essential wave sin nθ, to find bn")},

    // Spin buttons, named after what they change; their value is their readout's caption.
    // "{min}", "{max}" and "{step}" are the button's own bounds, from the form.
    {{"Spin_lebel"},
     N_("level"),
     N_("Steps the level, how many harmonics the example has ({min} to {max}); each step draws "
        "a new example"),
     {"value_lebel"}},
    {{"Spin_n"},
     N_("n"),
     N_("Steps n, the order of the essential wave ({min} to {max})"),
     {"value_n"}},
    {{"Spin_k"},
     N_("k"),
     N_("Steps k, how many rectangles CALC uses ({min} to {max})"),
     {"value_k"}},
    {{"Spin_a0"}, N_("a0"), N_("Steps your a0 by {step} ({min} to {max})"), {"value_a", 0}},
    {{"Spin_a1"}, N_("a1"), N_("Steps your a1 by {step} ({min} to {max})"), {"value_a", 1}},
    {{"Spin_a2"}, N_("a2"), N_("Steps your a2 by {step} ({min} to {max})"), {"value_a", 2}},
    {{"Spin_a3"}, N_("a3"), N_("Steps your a3 by {step} ({min} to {max})"), {"value_a", 3}},
    {{"Spin_a4"}, N_("a4"), N_("Steps your a4 by {step} ({min} to {max})"), {"value_a", 4}},
    {{"Spin_b1"}, N_("b1"), N_("Steps your b1 by {step} ({min} to {max})"), {"value_b", 1}},
    {{"Spin_b2"}, N_("b2"), N_("Steps your b2 by {step} ({min} to {max})"), {"value_b", 2}},
    {{"Spin_b3"}, N_("b3"), N_("Steps your b3 by {step} ({min} to {max})"), {"value_b", 3}},
    {{"Spin_b4"}, N_("b4"), N_("Steps your b4 by {step} ({min} to {max})"), {"value_b", 4}},

    // Labels whose caption changes: the name says what they show, the caption is the value.
    {{"value_lebel"}, N_("level value"), N_("The example's level")},
    {{"value_n"}, N_("n value"), N_("The order of the essential wave")},
    {{"value_k"}, N_("k value"), N_("The number of rectangles")},
    {{"value_s"},
     N_("S/T"),
     N_("The mean of the product after CALC, cut to four decimals: 2.9999 reads as 3")},
    {{"value_a", 0}, N_("a0 value"), N_("Your trial a0")},
    {{"value_a", 1}, N_("a1 value"), N_("Your trial a1")},
    {{"value_a", 2}, N_("a2 value"), N_("Your trial a2")},
    {{"value_a", 3}, N_("a3 value"), N_("Your trial a3")},
    {{"value_a", 4}, N_("a4 value"), N_("Your trial a4")},
    {{"value_b", 1}, N_("b1 value"), N_("Your trial b1")},
    {{"value_b", 2}, N_("b2 value"), N_("Your trial b2")},
    {{"value_b", 3}, N_("b3 value"), N_("Your trial b3")},
    {{"value_b", 4}, N_("b4 value"), N_("Your trial b4")},
    {{"ans_a", 0}, N_("a0 answer"), N_("The example's true a0, after ANS")},
    {{"ans_a", 1}, N_("a1 answer"), N_("The example's true a1, after ANS")},
    {{"ans_a", 2}, N_("a2 answer"), N_("The example's true a2, after ANS")},
    {{"ans_a", 3}, N_("a3 answer"), N_("The example's true a3, after ANS")},
    {{"ans_a", 4}, N_("a4 answer"), N_("The example's true a4, after ANS")},
    {{"ans_b", 1}, N_("b1 answer"), N_("The example's true b1, after ANS")},
    {{"ans_b", 2}, N_("b2 answer"), N_("The example's true b2, after ANS")},
    {{"ans_b", 3}, N_("b3 answer"), N_("The example's true b3, after ANS")},
    {{"ans_b", 4}, N_("b4 answer"), N_("The example's true b4, after ANS")},

    // Picture surfaces: which wave they show, never what its coefficients are.
    {{"campus_ex"},
     N_("Example wave"),
     N_("The example wave over one period T: find its coefficients")},
    {{"campus_sim"},
     N_("Simulate wave"),
     N_("The sum of your harmonics; it has the example's shape when every coefficient is right")},
    {{"campus_ess"}, N_("Essential wave"), N_("cos nθ or sin nθ for the chosen n")},
    {{"campus_sqr"},
     N_("Product of example and essential wave"),
     N_("The example times the essential wave; after CALC, the k rectangles whose mean is S/T")},
    {{"campus_graph"},
     N_("Spectrum"),
     N_("Bars of your coefficients: a0 at 0, then for each harmonic an in red and bn in blue")},
    {{"campus_a", 0}, N_("Constant term a0"), N_("Your constant term a0")},
    {{"campus_a", 1}, N_("Cosine harmonic 1"), N_("Your a1 cos θ")},
    {{"campus_a", 2}, N_("Cosine harmonic 2"), N_("Your a2 cos 2θ")},
    {{"campus_a", 3}, N_("Cosine harmonic 3"), N_("Your a3 cos 3θ")},
    {{"campus_a", 4}, N_("Cosine harmonic 4"), N_("Your a4 cos 4θ")},
    {{"campus_b", 1}, N_("Sine harmonic 1"), N_("Your b1 sin θ")},
    {{"campus_b", 2}, N_("Sine harmonic 2"), N_("Your b2 sin 2θ")},
    {{"campus_b", 3}, N_("Sine harmonic 3"), N_("Your b3 sin 3θ")},
    {{"campus_b", 4}, N_("Sine harmonic 4"), N_("Your b4 sin 4θ")},
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

#include "accessible_texts.h"

#include <array>

namespace quorvel {
namespace {

constexpr auto texts = std::to_array<AccessibleText>({
    // Frames: the group a screen reader announces when the focus enters it.
    {{"example"}, "Example Wave", "The wave whose coefficients you are finding"},
    {{"simulate"}, "Simulate Wave", "The sum of your trial harmonics, and the answers"},
    {{"Frame1"}, "Essential Wave", "cos nθ or sin nθ"},
    {{"Frame2"}, "Example Wave times Essential Wave", "The product and its mean S/T"},
    {{"Frame3"}, "Spectrum", "Your trial coefficients by harmonic"},
    {{"s_wave", 0}, "Coefficient a0", "Your constant term"},
    {{"s_wave", 1}, "Coefficient a1", "Your cosine harmonic 1"},
    {{"s_wave", 2}, "Coefficient a2", "Your cosine harmonic 2"},
    {{"s_wave", 3}, "Coefficient a3", "Your cosine harmonic 3"},
    {{"s_wave", 4}, "Coefficient a4", "Your cosine harmonic 4"},
    {{"c_wave", 1}, "Coefficient b1", "Your sine harmonic 1"},
    {{"c_wave", 2}, "Coefficient b2", "Your sine harmonic 2"},
    {{"c_wave", 3}, "Coefficient b3", "Your sine harmonic 3"},
    {{"c_wave", 4}, "Coefficient b4", "Your sine harmonic 4"},

    // Push buttons and option buttons. The two RESET buttons say which RESET they are.
    {{"Command1"},
     "RESET (new example)",
     "Draws a new example wave at the same level and sets your trial back to zero"},
    {{"Command2"}, "RESET (essential wave)", "Sets the essential wave back to n = 0, cos"},
    {{"Command3"}, "CALC", "Computes S/T, the mean of the product wave over k rectangles"},
    {{"Command4"}, "ANS", "Shows the example wave's true coefficients"},
    {{"switch_c"}, "cos", "Essential wave cos nθ"},
    {{"switch_s"}, "sin", "Essential wave sin nθ"},

    // Spin buttons, named after what they change; their value is their readout's caption.
    {{"Spin_lebel"}, "level", "How many harmonics the example has", {"value_lebel"}},
    {{"Spin_n"}, "n", "The order n of the essential wave", {"value_n"}},
    {{"Spin_k"}, "k", "How many rectangles CALC uses", {"value_k"}},
    {{"Spin_a0"}, "a0", "Your trial coefficient a0", {"value_a", 0}},
    {{"Spin_a1"}, "a1", "Your trial coefficient a1", {"value_a", 1}},
    {{"Spin_a2"}, "a2", "Your trial coefficient a2", {"value_a", 2}},
    {{"Spin_a3"}, "a3", "Your trial coefficient a3", {"value_a", 3}},
    {{"Spin_a4"}, "a4", "Your trial coefficient a4", {"value_a", 4}},
    {{"Spin_b1"}, "b1", "Your trial coefficient b1", {"value_b", 1}},
    {{"Spin_b2"}, "b2", "Your trial coefficient b2", {"value_b", 2}},
    {{"Spin_b3"}, "b3", "Your trial coefficient b3", {"value_b", 3}},
    {{"Spin_b4"}, "b4", "Your trial coefficient b4", {"value_b", 4}},

    // Labels whose caption changes: the name says what they show, the caption is the value.
    {{"value_lebel"}, "level value", "The example's level"},
    {{"value_n"}, "n value", "The order of the essential wave"},
    {{"value_k"}, "k value", "The number of rectangles"},
    {{"value_s"}, "S/T", "The mean of the product wave, after CALC"},
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
    {{"campus_ex"}, "Example wave", "The example wave over its periods"},
    {{"campus_sim"}, "Simulate wave", "The sum of your trial harmonics"},
    {{"campus_ess"}, "Essential wave", "cos nθ or sin nθ for the chosen n"},
    {{"campus_sqr"},
     "Product of example and essential wave",
     "After CALC, with the rectangles whose mean is S/T"},
    {{"campus_graph"}, "Spectrum", "Bars of your trial coefficients by harmonic"},
    {{"campus_a", 0}, "Constant term a0", "Your a0"},
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

const AccessibleText* find_accessible_text(ControlName control) {
    for (const AccessibleText& row : texts) {
        if (row.control == control) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace quorvel

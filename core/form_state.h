#pragma once

#include <cstdint>

#include "fixed_array.h"
#include "int16.h"
#include "random_source.h"
#include "value.h"

namespace quorvel {

// The highest harmonic of every wave the exercise draws: the example, the trial, the
// essential wave's n. Form_Load starts max_order at it; arrays indexed by harmonic and the
// loops over them are sized by it.
inline constexpr int highest_harmonic = 4;

// Every variable of a run, with the types the numerics depend on. All start zero or
// empty; Form_Load gives them their start values.
struct FormState {
    // The short circle constant 3.14159 every plot and the mean use, not full-precision π.
    float pi = 0.0f;
    // The highest harmonic index (4); the coefficient arrays run 0 … max_order.
    Int16 max_order;
    // n of the essential wave cos nθ or sin nθ, 0 … n_max; value_n shows it.
    Int16 ess_n;
    // The level: the highest harmonic the random example may hold, 1 … max_order.
    Int16 lebel;
    // k, the number of rectangles over one period for the mean: 10, 20 … div_k_max.
    Int16 div_k;
    // The rectangles' width in θ: one period (2·periods·pi) over div_k.
    float d_theta = 0.0f;
    // The bound on every coefficient's size (10), and the harmonic plots' half-height.
    Value coef_max;
    // The highest n the essential wave may take (4).
    Value n_max;
    // The highest k (50).
    Int16 div_k_max;
    // How many periods every wave plot spans (1).
    Int16 periods;
    // The mean S/T of the product wave as CALC last worked it out.
    float s_over_t = 0.0f;
    // The example wave's true cosine coefficients a0 … a4, drawn at random.
    FixedArray<Value, 0, highest_harmonic> ex_a;
    // The example wave's true sine coefficients; b0 is drawn but never shown or summed.
    FixedArray<Int16, 0, highest_harmonic> ex_b;
    // The student's trial cosine coefficients a0 … a4, shown in value_a(i).
    FixedArray<Value, 0, highest_harmonic> sim_a;
    // The student's trial sine coefficients b1 … b4 (b0 stays 0), shown in value_b(i).
    FixedArray<Int16, 0, highest_harmonic> sim_b;
    // The left edges θ_j of the rectangles of the last mean.
    FixedArray<Value, 0, 50> sqr_x;
    // The product wave at θ_j: the heights of those rectangles.
    FixedArray<float, 0, 50> sqr_y;
    // Whether the essential wave is cos nθ (true) or sin nθ (false).
    Value cos_mode;
    // Whether ANS has shown the true coefficients: 0 = False, -1 = True.
    Int16 ans_shown;

    // The example's random numbers; never seeded, so every run draws the same examples.
    RandomSource rnd;

    // The random source's state just before the current example was drawn: with lebel it
    // names the exercise on the form, and so gives its code.
    std::uint32_t example_drawn_from = 0;
};

}  // namespace quorvel

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
    float pi = 0.0f;
    Int16 max_order;
    Int16 ess_n;
    Int16 lebel;
    Int16 div_k;
    float d_theta = 0.0f;
    Value coef_max;
    Value n_max;
    Int16 div_k_max;
    Int16 periods;
    float s_over_t = 0.0f;
    FixedArray<Value, 0, highest_harmonic> ex_a;
    FixedArray<Int16, 0, highest_harmonic> ex_b;
    FixedArray<Value, 0, highest_harmonic> sim_a;
    FixedArray<Int16, 0, highest_harmonic> sim_b;
    FixedArray<Value, 0, 50> sqr_x;
    FixedArray<float, 0, 50> sqr_y;
    Value cos_mode;
    Int16 ans_shown;  // 0 = False, -1 = True

    RandomSource rnd;

    // The random source's state just before the current example was drawn: with lebel it
    // names the exercise on the form, and so gives its code.
    std::uint32_t example_drawn_from = 0;
};

}  // namespace quorvel

#pragma once

#include "canvas.h"
#include "fixed_array.h"
#include "form_state.h"
#include "int16.h"
#include "value.h"

namespace quorvel {

// Every wave plot spans θ = 0 … E with E = 2·periods·pi: the whole number 2·periods is
// formed in 16 bits, converted to a 32-bit float, then multiplied by the short pi.
float angle_end(const FormState& s);

// Number of segments of every wave plot.
inline constexpr int segments_per_plot = 150;

// Visits θ = 0, s, 2s, … while θ ≤ end, with s = end / 150 and θ advanced by repeated
// 32-bit addition (151 samples for one period, the last just below the end).
template <typename Visit>
void for_each_sample(float end, Visit visit) {
    const float step = end / static_cast<float>(segments_per_plot);
    for (float theta = 0.0f; theta <= end; theta = theta + step) {
        visit(theta);
    }
}

// Clears the surface, draws the horizontal axis in `axis` and then the black curve
// y = wave(θ): one PSet at θ = 0 and a Line to every later sample.
template <typename Wave>
void plot_wave(Canvas& canvas, float end, Colour axis, Wave wave) {
    canvas.Cls();
    canvas.ForeColor(axis);
    canvas.Line({0.0f, 0.0f}, {end, 0.0f});
    canvas.ForeColor(colours::black);
    for_each_sample(end, [&](float theta) {
        const PointF p{theta, wave(theta)};
        if (theta == 0.0f) {
            canvas.PSet(p);
        } else {
            canvas.Line(p);
        }
    });
}

// a0 + Σ (i = 1 … terms) [a_i·cos iθ + b_i·sin iθ], the constant taken whole: each
// harmonic is added in 64 bits as (sum + a·cos) + b·sin from the 32-bit angle i·θ, and
// the running sum is stored back as a 32-bit float after every i.
float wave_value(const FixedArray<Value, 0, highest_harmonic>& a,
                 const FixedArray<Int16, 0, highest_harmonic>& b, Int16 terms, float theta);

// The essential factor: cos nθ when n = 0 or cosine is selected, sin nθ otherwise,
// from the 32-bit angle n·θ, in 64 bits.
double essential_factor(const FormState& s, float theta);

// The example times the essential factor, stored as a 32-bit float.
float product_value(const FormState& s, Int16 terms, float theta);

}  // namespace quorvel

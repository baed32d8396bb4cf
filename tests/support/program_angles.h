#pragma once

#include <cstdint>
#include <vector>

#include "form_state.h"

namespace quorvel::testing {

// pi and periods as start-up sets them; nothing ever changes them.
FormState start_values();

// The θ at which every wave plot samples: the program's own sampling loop over 0 … end.
std::vector<float> plot_samples(const FormState& s);

// The left edges of the k rectangles CALC draws, θ_j = d_theta·j (j < k) in 32 bits, with
// d_theta as the k spinner leaves it (end / k) and, for k = 50, as start-up sets it
// ((pi + pi) / 50).
std::vector<float> rectangle_edges(const FormState& s, int k);

// Every angle the program ever hands to a cosine or a sine, sorted and each once: n·θ
// formed in 32 bits and widened, n = 0 … 4 (a wave term's harmonic number or the
// essential wave's order), θ a plot sample or a rectangle edge at k = 10, 20, … 50. The
// level, the mode, k and the coefficients only choose which of these a handler uses.
std::vector<double> program_angles(const FormState& s);

// n·2^-53·max for n a 53-bit draw of the standard 64-bit Mersenne Twister seeded with
// `seed`: the same doubles with any standard library and any compiler.
std::vector<double> sweep(std::size_t count, double max, std::uint64_t seed);

// FNV-1a over the bits of cos x and sin x for every x, in order.
std::uint64_t fingerprint(const std::vector<double>& angles, double (*cosine)(double),
                          double (*sine)(double));

}  // namespace quorvel::testing

#include "wave_sampling.h"

#include <cmath>

#include "single.h"
#include "trig.h"

namespace quorvel {

float angle_end(const FormState& s) {
    const Int16 whole = Int16(2) * s.periods;
    return checked_single(static_cast<float>(whole.value()) * s.pi);
}

float wave_value(const FixedArray<Value, 0, highest_harmonic>& a,
                 const FixedArray<Int16, 0, highest_harmonic>& b, Int16 terms, float theta) {
    float y = a(0).as_single();
    for (int i = 1; i <= terms.value(); ++i) {
        const double a_i = a(i).as_double();
        const auto b_i = static_cast<double>(b(i).value());
        // Both coefficients zero add ±0, which leaves y as it is unless y is −0: the
        // cosine and sine of that harmonic are then not needed.
        if (a_i == 0.0 && b_i == 0.0 && !(y == 0.0f && std::signbit(y))) {
            continue;
        }
        const auto angle = static_cast<double>(checked_single(static_cast<float>(i) * theta));
        const SineCosine at = sin_cos_rn(angle);
        y = to_single((static_cast<double>(y) + a_i * at.cos) + b_i * at.sin);
    }
    return y;
}

double essential_factor(const FormState& s, float theta) {
    const auto angle =
        static_cast<double>(checked_single(theta * static_cast<float>(s.ess_n.value())));
    const bool cosine = s.ess_n == Int16(0) || s.cos_mode.as_bool();
    return cosine ? cos_rn(angle) : sin_rn(angle);
}

float product_value(const FormState& s, Int16 terms, float theta) {
    const float f = wave_value(s.ex_a, s.ex_b, terms, theta);
    return to_single(static_cast<double>(f) * essential_factor(s, theta));
}

}  // namespace quorvel

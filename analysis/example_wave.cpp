#include "example_wave.h"

#include "form.h"
#include "wave_sampling.h"

namespace quorvel {
namespace {

// The whole part of r·coef_max + 1, in generic-value arithmetic (a 32-bit float).
Value random_coefficient(Form& f) {
    const Value r(f.rnd.next());
    return (r * f.coef_max + Value(Int16(1))).whole_part();
}

}  // namespace

void init_value(Form& f) {
    const Int16 last = f.max_order;
    for (Int16 i = 0; i <= last; i = i + Int16(1)) {
        if (i > f.lebel) {
            f.ex_a(i) = Value(Int16(0));
            f.ex_b(i) = Int16(0);
        } else {
            f.ex_a(i) = random_coefficient(f);
            f.ex_b(i) = random_coefficient(f).as_int16();
        }
    }
}

void get_ex(Form& f) {
    plot_wave(f.campus_ex, angle_end(f), colours::black, [&](float theta) {
        return wave_value(f.ex_a, f.ex_b, Int16(highest_harmonic), theta);
    });
}

}  // namespace quorvel

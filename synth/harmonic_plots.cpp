#include "harmonic_plots.h"

#include "form.h"
#include "single.h"
#include "trig.h"
#include "wave_sampling.h"

namespace quorvel {
namespace {

// The 32-bit angle n·θ, widened for the cosine or sine.
double harmonic_angle(const Value& n, float theta) {
    return (n * Value(theta)).as_double();
}

}  // namespace

void get_curve_a(Form& f, const Value& n) {
    const Int16 index = n.as_int16();
    Canvas& plot = f.campus_a(index);
    const double amplitude = f.sim_a(index).as_double();
    plot_wave(plot, angle_end(f), colours::green,
              [&](float theta) { return to_single(amplitude * cos_rn(harmonic_angle(n, theta))); });
}

void get_curve_b(Form& f, const Value& n) {
    const Int16 index = n.as_int16();
    Canvas& plot = f.campus_b(index);
    const auto amplitude = static_cast<double>(f.sim_b(index).value());
    plot_wave(plot, angle_end(f), colours::green,
              [&](float theta) { return to_single(amplitude * sin_rn(harmonic_angle(n, theta))); });
}

}  // namespace quorvel

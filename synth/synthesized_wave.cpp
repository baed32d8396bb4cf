#include "synthesized_wave.h"

#include "form.h"
#include "wave_sampling.h"

namespace quorvel {

void get_curve(Form& f) {
    plot_wave(f.campus_sim, angle_end(f), colours::green, [&](float theta) {
        return wave_value(f.sim_a, f.sim_b, Int16(highest_harmonic), theta);
    });
}

void get_const(Form& f) {
    Canvas& plot = f.campus_a(0);
    const float end = angle_end(f);
    plot.Cls();
    plot.ForeColor(colours::green);
    plot.Line({0.0f, 0.0f}, {end, 0.0f});
    plot.ForeColor(colours::black);
    const float a0 = f.sim_a(0).as_single();
    plot.Line({0.0f, a0}, {end, a0});
}

}  // namespace quorvel

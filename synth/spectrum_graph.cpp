#include "spectrum_graph.h"

#include "form.h"
#include "harmonic_plots.h"
#include "number_text.h"
#include "synthesized_wave.h"

namespace quorvel {

void get_graph(Form& f) {
    f.y_axis.Caption(f.coef_max.text());
    Canvas& chart = f.campus_graph;
    chart.Cls();
    const float third = 1.0f / 3.0f;
    chart.ForeColor(colours::dark_orange);
    chart.Box({0.0f, 0.0f}, {third, f.sim_a(0).as_single()});
    for (Int16 i = 1; i <= f.max_order; i = i + Int16(1)) {
        const auto x = static_cast<float>(i.value());
        chart.ForeColor(colours::red);
        chart.Box({x - third, 0.0f}, {x, f.sim_a(i).as_single()});
        chart.ForeColor(colours::blue);
        chart.Box({x, 0.0f}, {x + third, static_cast<float>(f.sim_b(i).value())});
    }
}

void reset_trial_terms(Form& f) {
    for (Int16 i = 0; i <= Int16(4); i = i + Int16(1)) {
        f.sim_a(i) = Value(Int16(0));
        f.sim_b(i) = Int16(0);
        f.value_a(i).Caption(f.sim_a(i).text());
        f.value_b(i).Caption(text_of(f.sim_b(i)));
        if (i == Int16(0)) {
            get_const(f);
        } else {
            get_curve_a(f, Value(i));
            get_curve_b(f, Value(i));
        }
    }
}

void reset_curve(Form& f) {
    reset_trial_terms(f);
    get_curve(f);
}

}  // namespace quorvel

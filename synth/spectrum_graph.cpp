#include "spectrum_graph.h"

#include "form.h"

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

}  // namespace quorvel

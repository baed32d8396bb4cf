#include "form_load.h"

#include "answer_display.h"
#include "essential_wave.h"
#include "example_wave.h"
#include "exercise_opening.h"
#include "form.h"
#include "layout.h"
#include "number_text.h"
#include "product_wave.h"
#include "single.h"
#include "spectrum_graph.h"
#include "synthesized_wave.h"
#include "trial_reset.h"
#include "wave_sampling.h"

namespace quorvel {
namespace {

void set_start_values(Form& f) {
    f.pi = 3.14159f;
    f.ess_n = Int16(0);
    f.div_k = Int16(50);
    f.max_order = Int16(highest_harmonic);
    f.lebel = Int16(1);
    f.coef_max = Value(Int16(10));
    f.n_max = Value(Int16(highest_harmonic));
    f.div_k_max = Int16(50);
    f.d_theta = (f.pi + f.pi) / static_cast<float>(f.div_k.value());
    f.periods = Int16(1);
    f.cos_mode = Value(true);
    f.ans_shown = Int16(0);
}

// The window keeps its design width; centred with no rounding and no clamping, so on a
// screen smaller than the window it hangs off both edges equally.
void centre_window(Form& f) {
    f.window.set_height(static_cast<float>(window_look.outer_height));
    f.window.set_top((f.window.screen_height() - f.window.height()) / 2.0f);
    f.window.set_left((f.window.screen_width() - f.window.width()) / 2.0f);
}

void set_coordinate_systems(Form& f) {
    const float end = angle_end(f);
    const float half = f.coef_max.as_single();
    const float tall = (Value(1.5) * f.coef_max).as_single();
    for (int i = 0; i <= highest_harmonic; ++i) {
        f.campus_a(i).Scale({0.0f, half}, {end, -half});
        f.campus_b(i).Scale({0.0f, half}, {end, -half});
    }
    f.campus_ex.Scale({0.0f, tall}, {end, -tall});
    f.campus_sim.Scale({0.0f, tall}, {end, -tall});
    f.campus_ess.Scale({0.0f, half}, {end, -half});
    f.campus_sqr.Scale({0.0f, tall}, {end, -tall});
    const float chart_width = to_single(f.max_order.value() + 1.0 / 3.0);
    f.campus_graph.Scale({0.0f, half}, {chart_width, 0.0f});
}

}  // namespace

void Form_Load(Form& f) {
    set_start_values(f);
    centre_window(f);
    draw_example(f);
    disp_ans(f);
    set_coordinate_systems(f);
    reset_trial_terms(f);
    get_ex(f);
    get_curve(f);
    f.value_n.Caption(text_of(f.ess_n));
    get_ess(f);
    f.value_k.Caption(text_of(f.div_k));
    get_sqr(f);
    f.value_lebel.Caption(text_of(f.lebel));
    get_graph(f);
}

}  // namespace quorvel

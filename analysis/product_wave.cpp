#include "product_wave.h"

#include <cmath>

#include "form.h"
#include "number_text.h"
#include "single.h"
#include "wave_sampling.h"

namespace quorvel {

void get_sqr(Form& f) {
    plot_wave(f.campus_sqr, angle_end(f), colours::black,
              [&](float theta) { return product_value(f, Int16(highest_harmonic), theta); });
}

void calc_sqr(Form& f) {
    f.campus_sqr.ForeColor(colours::green);
    f.campus_sqr.FillColor(colours::light_yellow);
    f.s_over_t = 0.0f;
    for (Int16 j = 0; j <= f.div_k - Int16(1); j = j + Int16(1)) {
        f.sqr_x(j) = Value(checked_single(f.d_theta * static_cast<float>(j.value())));
        const float left = f.sqr_x(j).as_single();
        f.sqr_y(j) = product_value(f, f.lebel, left);
        f.campus_sqr.Box({left, 0.0f}, {checked_single(left + f.d_theta), f.sqr_y(j)});
        f.s_over_t = checked_single(f.s_over_t + f.sqr_y(j) * f.d_theta);
    }
    f.s_over_t = divide_single(f.s_over_t, angle_end(f));
}

std::string s_over_t_text(float s_over_t) {
    const double cut = std::floor(static_cast<double>(s_over_t) * 10000.0) / 10000.0;
    return text_of(to_single(cut));
}

namespace {

void k_changed(Form& f) {
    f.value_k.Caption(text_of(f.div_k));
    f.value_s.Caption("");
    f.d_theta = divide_single(angle_end(f), static_cast<float>(f.div_k.value()));
    f.campus_sqr.Cls();
    get_sqr(f);
}

}  // namespace

void Spin_k_SpinUp(Form& f) {
    if (f.div_k >= f.div_k_max) {
        return;
    }
    f.div_k = f.div_k + Int16(10);
    k_changed(f);
}

void Spin_k_SpinDown(Form& f) {
    if (f.div_k <= Int16(10)) {
        return;
    }
    f.div_k = f.div_k - Int16(10);
    k_changed(f);
}

}  // namespace quorvel

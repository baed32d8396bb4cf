#include "essential_wave.h"

#include "form.h"
#include "number_text.h"
#include "product_wave.h"
#include "single.h"
#include "wave_sampling.h"

namespace quorvel {

void get_ess(Form& f) {
    plot_wave(f.campus_ess, angle_end(f), colours::black,
              [&](float theta) { return to_single(essential_factor(f, theta)); });
}

void essential_wave_changed(Form& f) {
    f.value_s.Caption("");
    get_ess(f);
    get_sqr(f);
}

namespace {

void order_changed(Form& f) {
    f.value_n.Caption(text_of(f.ess_n));
    essential_wave_changed(f);
}

}  // namespace

void Spin_n_SpinUp(Form& f) {
    if (!numerically_less(Value(f.ess_n), f.n_max)) {
        return;
    }
    f.ess_n = f.ess_n + Int16(1);
    order_changed(f);
}

void Spin_n_SpinDown(Form& f) {
    if (f.ess_n <= Int16(0)) {
        return;
    }
    f.ess_n = f.ess_n - Int16(1);
    order_changed(f);
}

}  // namespace quorvel

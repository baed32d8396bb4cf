#include "trial_reset.h"

#include "form.h"
#include "harmonic_plots.h"
#include "number_text.h"
#include "synthesized_wave.h"

namespace quorvel {

void reset_trial_terms(Form& f) {
    for (Int16 i = 0; i <= Int16(highest_harmonic); i = i + Int16(1)) {
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

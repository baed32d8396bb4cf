#include "new_exercise.h"

#include "answer_display.h"
#include "example_wave.h"
#include "exercise_opening.h"
#include "form.h"
#include "product_wave.h"
#include "spectrum_graph.h"
#include "trial_reset.h"

namespace quorvel {

void new_exercise(Form& f) {
    draw_example(f);
    get_ex(f);
    get_sqr(f);
    f.ans_shown = Int16(0);
    disp_ans(f);
    f.value_s.Caption("");
    reset_curve(f);
    get_graph(f);
}

}  // namespace quorvel

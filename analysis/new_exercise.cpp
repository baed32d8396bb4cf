#include "analysis/new_exercise.h"

#include "analysis/answer_display.h"
#include "analysis/example_wave.h"
#include "analysis/product_wave.h"
#include "analysis/spectrum_graph.h"
#include "app/form.h"

namespace quorvel {

void new_exercise(Form& f) {
    init_value(f);
    get_ex(f);
    get_sqr(f);
    f.ans_shown = Int16(0);
    disp_ans(f);
    f.value_s.Caption("");
    reset_curve(f);
    get_graph(f);
}

}  // namespace quorvel

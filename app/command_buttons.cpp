#include "command_buttons.h"

#include "answer_display.h"
#include "essential_wave.h"
#include "form.h"
#include "new_exercise.h"
#include "number_text.h"
#include "product_wave.h"

namespace quorvel {
namespace {

void select_cosine(Form& f, bool cosine) {
    f.switch_c.Value(cosine);
    f.switch_s.Value(!cosine);
    f.cos_mode = Value(cosine);
}

}  // namespace

void Command1_Click(Form& f) {
    new_exercise(f);
}

void Command2_Click(Form& f) {
    f.ess_n = Int16(0);
    f.value_n.Caption(text_of(f.ess_n));
    select_cosine(f, true);
    essential_wave_changed(f);
}

void Command3_Click(Form& f) {
    f.campus_sqr.Cls();
    get_sqr(f);
    calc_sqr(f);
    f.value_s.Caption(s_over_t_text(f.s_over_t));
}

void Command4_Click(Form& f) {
    f.ans_shown = Int16(-1);
    disp_ans(f);
}

void switch_c_Click(Form& f) {
    select_cosine(f, true);
    essential_wave_changed(f);
}

void switch_s_Click(Form& f) {
    select_cosine(f, f.ess_n == Int16(0));
    essential_wave_changed(f);
}

}  // namespace quorvel

#include "answer_display.h"

#include "form.h"
#include "number_text.h"

namespace quorvel {

void disp_ans(Form& f) {
    for (Int16 i = 0; i <= f.max_order; i = i + Int16(1)) {
        if (f.ans_shown != Int16(0)) {
            f.ans_a(i).Caption(f.ex_a(i).text());
            f.ans_b(i).Caption(text_of(f.ex_b(i)));
            f.ans_a(i).Visible(true);
            f.ans_b(i).Visible(i != Int16(0));
        } else {
            f.ans_a(i).Visible(false);
            f.ans_b(i).Visible(false);
        }
    }
}

}  // namespace quorvel

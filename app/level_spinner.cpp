#include "level_spinner.h"

#include "form.h"
#include "new_exercise.h"
#include "number_text.h"

namespace quorvel {
namespace {

void level_changed(Form& f) {
    f.value_lebel.Caption(text_of(f.lebel));
    new_exercise(f);
}

}  // namespace

void Spin_lebel_SpinUp(Form& f) {
    if (f.lebel == f.max_order) {
        return;
    }
    f.lebel = f.lebel + Int16(1);
    level_changed(f);
}

void Spin_lebel_SpinDown(Form& f) {
    if (f.lebel == Int16(1)) {
        return;
    }
    f.lebel = f.lebel - Int16(1);
    level_changed(f);
}

}  // namespace quorvel

#include "exercise_opening.h"

#include <utility>

#include "example_wave.h"
#include "form.h"
#include "new_exercise.h"
#include "number_text.h"

namespace quorvel {

void draw_example(Form& f) {
    f.example_drawn_from = f.rnd.state();
    init_value(f);
}

Exercise current_exercise(const Form& f) {
    return {f.lebel.value(), f.example_drawn_from};
}

void start_exercise(Form& f, const Exercise& exercise) {
    f.lebel = Int16(exercise.level);
    f.value_lebel.Caption(text_of(f.lebel));
    f.rnd = RandomSource(exercise.state);
    new_exercise(f);
}

std::optional<CodeError> open_exercise(Form& f, std::string_view code) {
    auto read = read_exercise_code(code, f.max_order.value());
    if (const auto* error = std::get_if<CodeError>(&read)) {
        return std::move(*error);
    }
    start_exercise(f, std::get<Exercise>(read));
    return std::nullopt;
}

}  // namespace quorvel

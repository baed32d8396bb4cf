#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "exercise_code.h"
#include "spin_range.h"

namespace quorvel {

// What a student has done on one exercise, as far as the window shows it: the exercise,
// the essential wave (n, cos or sin), k, the nine trial coefficients a0 … a4 then b1 … b4,
// and whether ANS and CALC have been pressed since the waves they show last changed.
struct Work {
    Exercise exercise;
    int n = 0;
    bool cosine = true;
    int k = 50;
    std::array<int, 9> trial{};
    bool answers_shown = false;
    bool calc_pressed = false;

    bool operator==(const Work&) const = default;
};

// The parts of a work text, in the order they are written.
enum class WorkField {
    whole,  // the text as a whole: its length, its start, its number of parts
    exercise,
    n,
    wave,
    k,
    a0,
    a1,
    a2,
    a3,
    a4,
    b1,
    b2,
    b3,
    b4,
    answers,
    calc,
};

// What is wrong with a work text, and where: the text too long (found its length, high
// the most allowed), not a work text of this version, the wrong number of parts (found
// how many, high how many wanted), a part that is no whole number or none of its two
// letters (found the part, cut short), a number outside low … high or off its step, or an
// exercise code that names no exercise (code says why).
enum class WorkFault {
    too_long,
    not_work,
    wrong_count,
    not_number,
    not_choice,
    out_of_range,
    off_step,
    bad_code,
};
struct WorkError {
    WorkFault fault = WorkFault::not_work;
    WorkField field = WorkField::whole;
    std::string found{};
    int low = 0;
    int high = 0;
    int step = 1;
    CodeError code{};

    bool operator==(const WorkError&) const = default;
};

// The longest work text read; every real one is well within it.
inline constexpr std::size_t longest_work_text = 80;

// The work as text that an address carries as it is: "1." then the exercise code, n,
// "c" or "s", k, the nine coefficients and "0" or "1" for ANS and for CALC, all separated
// by dots ("1.ABCD-EFG.2.s.30.-3.0.4.0.0.5.0.0.0.1.1"). nullopt when the exercise's level
// is one no code carries.
std::optional<std::string> work_text(const Work& work);

// The ranges a work text is read against: the spin buttons' (Spin_n, Spin_k, Spin_a0 …
// Spin_b4, Spin_lebel for the code's levels).
std::variant<Work, WorkError> read_work_text(std::string_view text, const SpinRangeOf& ranges);

// The name a refusal gives a field that is a spin button's value ("n", "a0"), empty for
// the others, which refusals describe in words.
std::string_view work_field_symbol(WorkField field);

}  // namespace quorvel

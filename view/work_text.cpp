#include "work_text.h"

#include <charconv>
#include <vector>

namespace quorvel {
namespace {

constexpr std::string_view version = "1";
constexpr std::size_t part_count = 16;
// A part quoted back in a refusal is cut to this, so a long one cannot fill a dialog.
constexpr std::size_t longest_quoted = 12;

constexpr std::array<WorkField, 9> trial_fields{WorkField::a0, WorkField::a1, WorkField::a2,
                                                WorkField::a3, WorkField::a4, WorkField::b1,
                                                WorkField::b2, WorkField::b3, WorkField::b4};
constexpr std::array<std::string_view, 9> trial_spins{"Spin_a0", "Spin_a1", "Spin_a2",
                                                      "Spin_a3", "Spin_a4", "Spin_b1",
                                                      "Spin_b2", "Spin_b3", "Spin_b4"};

std::vector<std::string_view> parts_of(std::string_view text) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto dot = text.find('.');
        parts.push_back(text.substr(0, dot));
        if (dot == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(dot + 1);
    }
}

// The part as a refusal quotes it: anything but printable ASCII (a line break, half of a
// character cut short) shown as '?', so the sentence stays one clean line.
std::string quoted(std::string_view part) {
    std::string out(part.substr(0, longest_quoted));
    for (char& c : out) {
        if (c < ' ' || c > '~') {
            c = '?';
        }
    }
    return out;
}

// A whole number as the text writes it: an optional minus and one to three digits.
std::optional<int> whole_number(std::string_view part) {
    const std::string_view digits = part.starts_with('-') ? part.substr(1) : part;
    if (digits.empty() || digits.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc{} || end != part.data() + part.size()) {
        return std::nullopt;
    }
    return value;
}

// One of two letters: the first gives true.
std::variant<bool, WorkError> choice(std::string_view part, WorkField field, std::string_view yes,
                                     std::string_view no) {
    if (part == yes || part == no) {
        return part == yes;
    }
    return WorkError{.fault = WorkFault::not_choice, .field = field, .found = quoted(part)};
}

std::variant<int, WorkError> number_in(std::string_view part, WorkField field,
                                       std::optional<SpinRange> range) {
    const auto value = whole_number(part);
    if (!value) {
        return WorkError{.fault = WorkFault::not_number, .field = field, .found = quoted(part)};
    }
    const SpinRange r = range.value_or(SpinRange{});
    WorkError error{.field = field,
                    .found = std::to_string(*value),
                    .low = r.minimum,
                    .high = r.maximum,
                    .step = r.step};
    if (*value < r.minimum || *value > r.maximum) {
        error.fault = WorkFault::out_of_range;
        return error;
    }
    if ((*value - r.minimum) % r.step != 0) {
        error.fault = WorkFault::off_step;
        return error;
    }
    return *value;
}

}  // namespace

std::optional<std::string> work_text(const Work& work) {
    const auto code = exercise_code(work.exercise);
    if (!code) {
        return std::nullopt;
    }
    std::string text = std::string(version) + '.' + *code + '.' + std::to_string(work.n) + '.' +
                       (work.cosine ? 'c' : 's') + '.' + std::to_string(work.k);
    for (const int c : work.trial) {
        text += '.' + std::to_string(c);
    }
    text += work.answers_shown ? ".1" : ".0";
    text += work.calc_pressed ? ".1" : ".0";
    return text;
}

std::variant<Work, WorkError> read_work_text(std::string_view text, const SpinRangeOf& ranges) {
    if (text.size() > longest_work_text) {
        return WorkError{.fault = WorkFault::too_long,
                         .found = std::to_string(text.size()),
                         .high = static_cast<int>(longest_work_text)};
    }
    const auto parts = parts_of(text);
    if (parts.front() != version) {
        return WorkError{.fault = WorkFault::not_work};
    }
    if (parts.size() != part_count) {
        return WorkError{.fault = WorkFault::wrong_count,
                         .found = std::to_string(parts.size()),
                         .high = static_cast<int>(part_count)};
    }
    Work work;
    const int highest_level = ranges({"Spin_lebel"}).value_or(SpinRange{1, 1, 1}).maximum;
    auto exercise = read_exercise_code(parts[1], highest_level);
    if (auto* error = std::get_if<CodeError>(&exercise)) {
        return WorkError{
            .fault = WorkFault::bad_code, .field = WorkField::exercise, .code = std::move(*error)};
    }
    work.exercise = std::get<Exercise>(exercise);

    auto n = number_in(parts[2], WorkField::n, ranges({"Spin_n"}));
    if (auto* error = std::get_if<WorkError>(&n)) {
        return std::move(*error);
    }
    work.n = std::get<int>(n);
    auto wave = choice(parts[3], WorkField::wave, "c", "s");
    if (auto* error = std::get_if<WorkError>(&wave)) {
        return std::move(*error);
    }
    work.cosine = std::get<bool>(wave);
    auto k = number_in(parts[4], WorkField::k, ranges({"Spin_k"}));
    if (auto* error = std::get_if<WorkError>(&k)) {
        return std::move(*error);
    }
    work.k = std::get<int>(k);
    for (std::size_t i = 0; i < trial_fields.size(); ++i) {
        auto c = number_in(parts[5 + i], trial_fields[i], ranges({trial_spins[i]}));
        if (auto* error = std::get_if<WorkError>(&c)) {
            return std::move(*error);
        }
        work.trial[i] = std::get<int>(c);
    }
    auto answers = choice(parts[14], WorkField::answers, "1", "0");
    if (auto* error = std::get_if<WorkError>(&answers)) {
        return std::move(*error);
    }
    work.answers_shown = std::get<bool>(answers);
    auto calc = choice(parts[15], WorkField::calc, "1", "0");
    if (auto* error = std::get_if<WorkError>(&calc)) {
        return std::move(*error);
    }
    work.calc_pressed = std::get<bool>(calc);
    return work;
}

std::string_view work_field_symbol(WorkField field) {
    switch (field) {
        case WorkField::n:
            return "n";
        case WorkField::k:
            return "k";
        case WorkField::a0:
            return "a0";
        case WorkField::a1:
            return "a1";
        case WorkField::a2:
            return "a2";
        case WorkField::a3:
            return "a3";
        case WorkField::a4:
            return "a4";
        case WorkField::b1:
            return "b1";
        case WorkField::b2:
            return "b2";
        case WorkField::b3:
            return "b3";
        case WorkField::b4:
            return "b4";
        case WorkField::whole:
        case WorkField::exercise:
        case WorkField::wave:
        case WorkField::answers:
        case WorkField::calc:
            break;
    }
    return {};
}

}  // namespace quorvel

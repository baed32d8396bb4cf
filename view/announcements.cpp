#include "announcements.h"

#include <array>

#include "translatable.h"

namespace quorvel {
namespace {

constexpr std::string_view new_example = N_("New example: answers hidden, trial back to 0.");

constexpr auto s_over_t = std::to_array<AnnouncedLabel>({{"value_s", "value_s"}});

constexpr auto answers = std::to_array<AnnouncedLabel>({
    {"a0", "ans_a(0)"},
    {"a1", "ans_a(1)"},
    {"b1", "ans_b(1)"},
    {"a2", "ans_a(2)"},
    {"b2", "ans_b(2)"},
    {"a3", "ans_a(3)"},
    {"b3", "ans_b(3)"},
    {"a4", "ans_a(4)"},
    {"b4", "ans_b(4)"},
});

constexpr auto all = std::to_array<Announcement>({
    {"Command3_Click", N_("S/T = {value_s}"), s_over_t},
    {"Command4_Click",
     N_("Answers: a0 = {a0}, a1 = {a1}, b1 = {b1}, a2 = {a2}, b2 = {b2}, a3 = {a3}, b3 = {b3}, "
        "a4 = {a4}, b4 = {b4}."),
     answers},
    {"Command1_Click", new_example},
    {"Command2_Click", N_("Essential wave back to cos, n = 0.")},
    {"Spin_lebel_SpinUp", new_example, {}, "value_lebel"},
    {"Spin_lebel_SpinDown", new_example, {}, "value_lebel"},
});

}  // namespace

std::span<const Announcement> announcements() {
    return all;
}

}  // namespace quorvel

#include "event_table.h"

#include <array>
#include <vector>

#include "coefficient_spinners.h"
#include "command_buttons.h"
#include "essential_wave.h"
#include "form_load.h"
#include "level_spinner.h"
#include "product_wave.h"

namespace quorvel {
namespace {

constexpr std::array<EventEntry, 13> own_events{{
    {"Form_Load", &Form_Load},
    {"Command1_Click", &Command1_Click},
    {"Command2_Click", &Command2_Click},
    {"Command3_Click", &Command3_Click},
    {"Command4_Click", &Command4_Click},
    {"switch_c_Click", &switch_c_Click},
    {"switch_s_Click", &switch_s_Click},
    {"Spin_lebel_SpinUp", &Spin_lebel_SpinUp},
    {"Spin_lebel_SpinDown", &Spin_lebel_SpinDown},
    {"Spin_n_SpinUp", &Spin_n_SpinUp},
    {"Spin_n_SpinDown", &Spin_n_SpinDown},
    {"Spin_k_SpinUp", &Spin_k_SpinUp},
    {"Spin_k_SpinDown", &Spin_k_SpinDown},
}};

std::vector<EventEntry> build_table() {
    std::vector<EventEntry> table(own_events.begin(), own_events.end());
    const auto spins = coefficient_spin_events();
    table.insert(table.end(), spins.begin(), spins.end());
    return table;
}

}  // namespace

std::span<const EventEntry> event_table() {
    static const std::vector<EventEntry> table = build_table();
    return table;
}

const EventEntry* find_event(std::string_view name) {
    for (const EventEntry& e : event_table()) {
        if (e.name == name) {
            return &e;
        }
    }
    return nullptr;
}

}  // namespace quorvel

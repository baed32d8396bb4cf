#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "palette.h"
#include "work_text.h"

namespace quorvel {

class Form;

// What a page keeps of its window while the tab lives, to show it again after a reload:
// the work on the form and the palette the plots are drawn in.
struct KeptState {
    Work work;
    Palette palette = Palette::seed;

    bool operator==(const KeptState&) const = default;
};

// Why a kept state is not shown again: its text is not one this program writes or has
// been changed since (damaged), another build wrote it, or its work does not fit the form
// (work says how).
enum class KeptFault { damaged, other_build, bad_work };
struct KeptError {
    KeptFault fault = KeptFault::damaged;
    WorkError work{};
};

// The longest kept state read; every real one is well within it.
inline constexpr std::size_t longest_kept_state = 200;

// The kept state as one line: "kept", the build, the palette's word and the work text,
// separated by "|", then a checksum of all of them that a hand's change breaks. `build`
// names the build that writes it (the project's version and whatever the shell adds), and
// may hold neither "|" nor a line break. nullopt when the work has no text.
std::optional<std::string> kept_state_text(const Form& f, Palette palette, std::string_view build);

// Reads a kept state written by `build` and checks its work against the form's ranges.
std::variant<KeptState, KeptError> read_kept_state(std::string_view text, std::string_view build,
                                                   const Form& f);

// A line for the developer's log saying why a kept state was not shown (not translated).
std::string kept_error_line(const KeptError& error);

}  // namespace quorvel

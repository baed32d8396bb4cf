#include "kept_state.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "work_state.h"

namespace quorvel {
namespace {

constexpr std::string_view kept_mark = "kept";

// FNV-1a over the text: enough to catch damage and a hand's edit, which is all it guards.
std::string checksum(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    std::array<char, 9> hex{};
    std::snprintf(hex.data(), hex.size(), "%08x", hash);
    return {hex.data(), 8};
}

}  // namespace

std::optional<std::string> kept_state_text(const Form& f, Palette palette, std::string_view build) {
    const auto work = work_text(work_of(f));
    if (!work) {
        return std::nullopt;
    }
    const std::string body = std::string(kept_mark) + '|' + std::string(build) + '|' +
                             std::string(palette_word(palette)) + '|' + *work;
    return body + '|' + checksum(body);
}

std::variant<KeptState, KeptError> read_kept_state(std::string_view text, std::string_view build,
                                                   const Form& f) {
    const auto last_bar = text.rfind('|');
    if (text.size() > longest_kept_state || last_bar == std::string_view::npos ||
        checksum(text.substr(0, last_bar)) != text.substr(last_bar + 1)) {
        return KeptError{KeptFault::damaged};
    }
    std::string_view rest = text.substr(0, last_bar);
    std::array<std::string_view, 4> parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto bar = i + 1 < parts.size() ? rest.find('|') : rest.size();
        if (bar == std::string_view::npos) {
            return KeptError{KeptFault::damaged};
        }
        parts[i] = rest.substr(0, bar);
        rest.remove_prefix(std::min(rest.size(), bar + 1));
    }
    if (parts[0] != kept_mark) {
        return KeptError{KeptFault::damaged};
    }
    if (parts[1] != build) {
        return KeptError{KeptFault::other_build};
    }
    const auto palette = palette_of_word(parts[2]);
    if (!palette) {
        return KeptError{KeptFault::damaged};
    }
    auto work = read_work(parts[3], f);
    if (auto* error = std::get_if<WorkError>(&work)) {
        return KeptError{KeptFault::bad_work, std::move(*error)};
    }
    return KeptState{std::get<Work>(work), *palette};
}

std::string kept_error_line(const KeptError& error) {
    switch (error.fault) {
        case KeptFault::damaged:
            return "the kept window state is damaged or was edited; starting afresh";
        case KeptFault::other_build:
            return "the kept window state is from another build; starting afresh";
        case KeptFault::bad_work:
            return "the kept window state holds work this window cannot show; starting afresh";
    }
    return {};
}

}  // namespace quorvel

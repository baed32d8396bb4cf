#include "event_bytes.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "dispatch.h"
#include "form.h"
#include "form_fixture.h"
#include "invariants.h"

namespace quorvel::testing {
namespace {

constexpr std::size_t trail_length = 20;
constexpr std::size_t forget_every = 64;

const std::vector<EventEntry>& events() {
    static const std::vector<EventEntry> all = user_events();
    return all;
}

const EventEntry& event_of(std::uint8_t byte) {
    return events()[byte % events().size()];
}

std::string report(std::span<const std::uint8_t> bytes, std::size_t failed,
                   const std::optional<RuntimeFault>& fault,
                   const std::vector<std::string>& broken) {
    std::ostringstream out;
    out << "event #" << failed << " of " << bytes.size() << " (" << event_of(bytes[failed]).name
        << ") broke the form\n";
    if (fault) {
        out << "  runtime fault: " << fault->what() << "\n";
    }
    for (const auto& line : broken) {
        out << "  " << line << "\n";
    }
    out << "last events:\n";
    for (std::size_t i = failed + 1 > trail_length ? failed + 1 - trail_length : 0; i <= failed;
         ++i) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02x", static_cast<unsigned>(bytes[i]));
        out << "  #" << i << " " << byte << " " << event_of(bytes[i]).name << "\n";
    }
    return out.str();
}

}  // namespace

std::optional<std::string> run_event_bytes(std::span<const std::uint8_t> bytes) {
    LoadedForm w;
    if (const auto broken = broken_rules(w.form); !broken.empty()) {
        std::string out = "start-up broke the form\n";
        for (const auto& line : broken) {
            out += "  " + line + "\n";
        }
        return out;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto fault = dispatch(w.form, event_of(bytes[i]).handler);
        const auto broken = broken_rules(w.form);
        if (fault || !broken.empty()) {
            return report(bytes, i, fault, broken);
        }
        if (i % forget_every == forget_every - 1) {
            w.ui.forget_drawing();  // the recorders keep every call otherwise
        }
    }
    return std::nullopt;
}

}  // namespace quorvel::testing

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvel::testing {

// Starts a form on the recording window and raises one event per byte: byte b raises the
// handler at position b mod 30 among the user events (sorted by name). After every event
// the form's rules are checked. Returns a report naming the first event after which a
// rule broke or a handler faulted, with the events that led there; nothing when all held.
std::optional<std::string> run_event_bytes(std::span<const std::uint8_t> bytes);

}  // namespace quorvel::testing

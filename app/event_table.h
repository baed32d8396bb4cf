#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "event.h"
#include "runtime_fault.h"

namespace quorvel {

// All 31 handlers the window's events reach: Form_Load, six clicks, 24 spin events.
std::span<const EventEntry> event_table();

// The row for a handler name, or nullptr when no handler has that name.
const EventEntry* find_event(std::string_view name);

// The one way an event reaches its handler. A runtime fault abandons the rest of the
// handler, keeps what it wrote, and is handed back so the caller can tell the user;
// the form stays usable for the next event.
std::optional<RuntimeFault> dispatch(Form& form, Handler handler);

}  // namespace quorvel

#pragma once

#include <span>
#include <string_view>

#include "event.h"

namespace quorvel {

// All 31 handlers the window's events reach: Form_Load, six clicks, 24 spin events.
std::span<const EventEntry> event_table();

// The row for a handler name, or nullptr when no handler has that name.
const EventEntry* find_event(std::string_view name);

}  // namespace quorvel

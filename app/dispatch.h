#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

#include "event.h"
#include "runtime_fault.h"

namespace quorvel {

// Raised for a handler name the event table does not hold: a caller's mistake, never
// the user's, so it is not a runtime fault.
class UnknownHandler : public std::invalid_argument {
  public:
    explicit UnknownHandler(std::string_view name);
};

// The one way an event reaches its handler. A runtime fault abandons the rest of the
// handler, keeps what it wrote, and is handed back so the caller can tell the user;
// the form stays usable for the next event.
std::optional<RuntimeFault> dispatch(Form& form, Handler handler);

// The handler of that name run as above; UnknownHandler when the table has none.
std::optional<RuntimeFault> dispatch(Form& form, std::string_view name);

}  // namespace quorvel

#pragma once

#include <string_view>

namespace quorvel {

class Form;

using Handler = void (*)(Form&);

// One row of the event table: the handler's name (control, underscore, event) and the
// handler itself.
struct EventEntry {
    std::string_view name;
    Handler handler = nullptr;
};

}  // namespace quorvel

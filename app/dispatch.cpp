#include "dispatch.h"

#include <string>

#include "event_table.h"

namespace quorvel {

UnknownHandler::UnknownHandler(std::string_view name)
    : std::invalid_argument("no handler named " + std::string(name)) {}

std::optional<RuntimeFault> dispatch(Form& form, Handler handler) {
    try {
        handler(form);
    } catch (const RuntimeFault& fault) {
        return fault;
    }
    return std::nullopt;
}

std::optional<RuntimeFault> dispatch(Form& form, std::string_view name) {
    const EventEntry* event = find_event(name);
    if (event == nullptr) {
        throw UnknownHandler(name);
    }
    return dispatch(form, event->handler);
}

}  // namespace quorvel

#include "filled_text.h"

#include <algorithm>

namespace quorvel {

std::string filled(std::string_view text, std::initializer_list<Filling> values) {
    std::string out;
    while (!text.empty()) {
        const auto open = text.find('{');
        const auto close = text.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            break;
        }
        const std::string_view name = text.substr(open + 1, close - open - 1);
        out += text.substr(0, open);
        const auto* value = std::find_if(values.begin(), values.end(),
                                         [&](const Filling& f) { return f.first == name; });
        out += value != values.end() ? value->second : text.substr(open, close - open + 1);
        text.remove_prefix(close + 1);
    }
    return out += text;
}

}  // namespace quorvel

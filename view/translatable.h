#pragma once

#include <string_view>

namespace quorvel {

// Marks an English text that a person reads or hears, so xgettext puts it in the
// translators' template (po/update_template.sh); where it is shown, it is looked up in the
// reader's language through their Catalogue. The text itself is unchanged.
constexpr std::string_view N_(std::string_view english) {
    return english;
}

}  // namespace quorvel

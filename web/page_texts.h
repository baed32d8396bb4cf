#pragma once

#include <span>
#include <string_view>

namespace quorvel {

// The texts of the page around the window, English (marked for translation): what the
// browser shows as its title and in search results, the start-up failure, the fault
// dialog, a failed copy, the help dialog's buttons and the installed app's names.
// `{reason}` in could_not_start is filled with the browser's own message.
struct PageText {
    std::string_view key;  // as the page description names it
    std::string_view english;
};

std::span<const PageText> page_texts();

}  // namespace quorvel

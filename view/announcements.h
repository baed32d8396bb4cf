#pragma once

#include <span>
#include <string_view>

namespace quorvel {

// A label whose text, as the window shows it, fills a placeholder of an announcement.
struct AnnouncedLabel {
    std::string_view placeholder;  // "{a0}" in the sentence is filled from ...
    std::string_view label;        // ... the label ans_a(0)
};

// What a screen reader is told after an event whose result is not already spoken: one
// short sentence, English here (marked for translation), with placeholders that the shell
// fills with the labels' texts as the window shows them, so the numbers read as the
// window writes them in every language. A spin button's value and an option button's
// state are spoken by the control itself and have no sentence.
struct Announcement {
    std::string_view handler;
    std::string_view sentence;
    std::span<const AnnouncedLabel> filled_from = {};
    // Said only when the event changed this label (a level step at a bound does nothing);
    // empty: said after every such event.
    std::string_view when_changed = {};
};

// Every announcement, one per handler that has one.
std::span<const Announcement> announcements();

}  // namespace quorvel

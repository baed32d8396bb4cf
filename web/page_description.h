#pragma once

#include <string>

#include "json_text.h"
#include "web_window.h"

namespace quorvel {

// Everything the page needs to build itself, as JSON: the window's caption, name and
// client size, how a held spin arrow repeats, the window's commands with their keys and
// the context menu's order, the words of the exercise code dialogs, then one entry per row
// of the layout table (kind, container, caption, place and size in CSS pixels, colours,
// face, alignment, visibility, the handlers it raises, accessible name and description,
// for a spin button its range and step as the form state holds them and where its arrows
// lie, and from the window's geometry its corner in the window, whether it is shown, its
// frame, its stacking and a plot's uncovered parts), the Tab order, and the same corners
// and uncovered parts when the page arranges the window for a portrait screen. Its texts
// are in the window's language, which it names with its direction, beside the languages a
// reader may choose, the page's own texts around the window and the sentences it announces
// after events.
std::string page_description(const WebWindow& window);

// The state after an event, as fields of the object json has open: the changed surfaces
// (rows), and every label and option button whose caption, visibility or selection
// changed, which it then marks as taken.
void take_changes(JsonText& json, WebWindow& window);

}  // namespace quorvel

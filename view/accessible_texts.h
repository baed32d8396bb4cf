#pragma once

#include <span>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "spin_range.h"
#include "ui.h"

namespace quorvel {

// What a screen reader says for a control: a short name, and a description it reads on
// request. Every name is fixed for the life of the window: none of them carries a
// coefficient, a level or any other value that the student is looking for.
struct AccessibleText {
    ControlName control;
    std::string_view name;  // in English: a shell shows catalogue.translate(name)
    // As written: a spin button's bounds stand as placeholders (range_prose.h), so a
    // shell shows description_of(row), never this.
    std::string_view description;
    // Spin buttons only: the label that shows the number the button steps. Assistive
    // tools read it as the spin button's current value.
    ControlName readout = {};
};

// The accessible names of the window's controls, one row per named control. Controls
// left out (the fixed captions, "T" marks and the like) are spoken by their caption.
std::span<const AccessibleText> accessible_texts();

// The description a screen reader reads and a tooltip shows, in the catalogue's language,
// with the bounds of the spin buttons it speaks of taken from range_of.
std::string description_of(const AccessibleText& row, const SpinRangeOf& range_of,
                           const Catalogue& catalogue);

// The row for one control, or nullptr.
const AccessibleText* find_accessible_text(ControlName control);

}  // namespace quorvel

#pragma once

#include <string>

#include "catalogue.h"
#include "work_text.h"

namespace quorvel {

// What the work reader found wrong with a link's text, as a clause in the reader's
// language: "n is 9, and it runs from 0 to 4".
std::string work_error_text(const WorkError& error, const Catalogue& catalogue);

// The sentence shown for a link to work that cannot be opened, around that clause.
std::string work_refusal(const WorkError& error, const Catalogue& catalogue);

}  // namespace quorvel

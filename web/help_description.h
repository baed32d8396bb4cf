#pragma once

#include <string>

#include "catalogue.h"
#include "form_state.h"

namespace quorvel {

// The "How to use" text as the page shows it, as JSON: every part in the help text's
// order, with the keys that work on the web page and, for each font, the file the site
// serves its licence in. The bounds it tells are the spin ranges of state; its texts are
// in the catalogue's language.
std::string help_description(const FormState& state, const Catalogue& catalogue);

}  // namespace quorvel

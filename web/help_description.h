#pragma once

#include <string>

namespace quorvel {

// The "How to use" text as the page shows it, as JSON: every part in the help text's
// order, with the keys that work on the web page and, for each font, the file the site
// serves its licence in.
std::string help_description();

}  // namespace quorvel

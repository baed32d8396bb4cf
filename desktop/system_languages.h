#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The languages the system asks programs to speak, best first, as BCP 47 tags: Qt reads
// them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, and needs no application for it.
std::vector<std::string> system_languages();

}  // namespace quorvel

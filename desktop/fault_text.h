#pragma once

#include <string>

#include "catalogue.h"
#include "runtime_fault.h"

namespace quorvel {

// What the fault dialog tells the student when a fault stopped a handler, in the
// catalogue's language; in English, fault_message's words.
std::string fault_text(const RuntimeFault& fault, const Catalogue& catalogue);

}  // namespace quorvel

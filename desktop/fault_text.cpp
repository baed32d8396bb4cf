#include "fault_text.h"

#include <string_view>

#include "filled_text.h"
#include "translatable.h"

namespace quorvel {
namespace {

std::string_view fault_name(FaultKind kind) {
    switch (kind) {
        case FaultKind::overflow:
            return N_("Overflow");
        case FaultKind::subscript_out_of_range:
            return N_("Subscript out of range");
        case FaultKind::division_by_zero:
            return N_("Division by zero");
        case FaultKind::invalid_operation:
            return N_("Invalid floating-point operation");
    }
    return N_("Runtime fault");
}

}  // namespace

std::string fault_text(const RuntimeFault& fault, const Catalogue& catalogue) {
    return filled(catalogue.translate(N_("This action was stopped part-way: {fault}. The window "
                                         "keeps what was drawn; you can carry on.")),
                  {{"fault", catalogue.translate(fault_name(fault.kind()))}});
}

}  // namespace quorvel

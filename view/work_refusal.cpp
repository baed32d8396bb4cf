#include "work_refusal.h"

#include <string>

#include "exercise_dialog_text.h"
#include "filled_text.h"
#include "translatable.h"

namespace quorvel {
namespace {

// How a clause names a field: its symbol, or words for the fields that have none.
std::string field_name(WorkField field, const Catalogue& catalogue) {
    switch (field) {
        case WorkField::wave:
            return std::string(catalogue.translate(N_("the choice of cos or sin")));
        case WorkField::answers:
            return std::string(catalogue.translate(N_("whether the answers are shown")));
        case WorkField::calc:
            return std::string(catalogue.translate(N_("whether CALC was pressed")));
        default:
            return std::string(work_field_symbol(field));
    }
}

}  // namespace

std::string work_error_text(const WorkError& error, const Catalogue& catalogue) {
    const std::string field = field_name(error.field, catalogue);
    const std::string low = std::to_string(error.low);
    const std::string high = std::to_string(error.high);
    switch (error.fault) {
        case WorkFault::too_long:
            return filled(catalogue.translate(N_("the link's work is {found} characters long, "
                                                 "and it has at most {high}")),
                          {{"found", error.found}, {"high", high}});
        case WorkFault::not_work:
            return std::string(
                catalogue.translate(N_("it holds no work this version of the program can read")));
        case WorkFault::wrong_count:
            return filled(catalogue.translate(N_("the link's work has {found} parts, not "
                                                 "{high}: some are missing or added")),
                          {{"found", error.found}, {"high", high}});
        case WorkFault::not_number:
            return filled(catalogue.translate(N_("{field} is '{found}', which is no whole "
                                                 "number")),
                          {{"field", field}, {"found", error.found}});
        case WorkFault::not_choice:
            return filled(catalogue.translate(N_("{field} is given as '{found}', which it "
                                                 "cannot be")),
                          {{"field", field}, {"found", error.found}});
        case WorkFault::out_of_range:
            return filled(catalogue.translate(N_("{field} is {found}, and it runs from {low} to "
                                                 "{high}")),
                          {{"field", field}, {"found", error.found}, {"low", low}, {"high", high}});
        case WorkFault::off_step:
            return filled(catalogue.translate(N_("{field} is {found}, and it goes from {low} in "
                                                 "steps of {step}")),
                          {{"field", field},
                           {"found", error.found},
                           {"low", low},
                           {"step", std::to_string(error.step)}});
        case WorkFault::bad_code:
            return code_error_text(error.code, catalogue);
    }
    return {};
}

std::string work_refusal(const WorkError& error, const Catalogue& catalogue) {
    return filled(catalogue.translate(N_("This link to a student's work cannot be opened: "
                                         "{reason}.")),
                  {{"reason", work_error_text(error, catalogue)}});
}

}  // namespace quorvel

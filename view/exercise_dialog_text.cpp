#include "exercise_dialog_text.h"

#include <string>

#include "filled_text.h"
#include "translatable.h"

namespace quorvel {

const ExerciseDialogText& exercise_dialog_text() {
    static constexpr ExerciseDialogText text{
        .share_title = N_("Share this exercise"),
        .share_intro = N_("Whoever opens this code gets this same example, and the same new "
                          "ones after RESET:"),
        .address_label = N_("Or send this address, which opens it:"),
        .qr_label = N_("The same address as a QR code, for a phone's camera"),
        .copy = N_("Copy"),
        .copied = N_("Copied."),
        .open_title = N_("Open an exercise"),
        .open_prompt = N_("Exercise code:"),
        .open = N_("Open"),
        .close = N_("Close"),
        .work_label = N_("Your work as it is now, which the web page opens as a link:"),
        .copy_work = N_("Copy the work"),
    };
    return text;
}

std::string code_error_text(const CodeError& error, const Catalogue& catalogue) {
    const std::string wanted = std::to_string(error.wanted);
    switch (error.fault) {
        case CodeFault::bad_character:
            if (error.found.empty()) {
                return std::string(
                    catalogue.translate(N_("the code holds a character that exercise codes do "
                                           "not use")));
            }
            return filled(catalogue.translate(N_("'{character}' is not a character of exercise "
                                                 "codes")),
                          {{"character", error.found}});
        case CodeFault::wrong_length:
            return filled(catalogue.translate(N_("an exercise code has {wanted} characters, not "
                                                 "{found}")),
                          {{"wanted", wanted}, {"found", error.found}});
        case CodeFault::wrong_check:
            return std::string(catalogue.translate(
                N_("the code's check character does not match: a character is mistyped or two "
                   "are swapped")));
        case CodeFault::no_such_level:
            return filled(catalogue.translate(N_("the code is for level {found}, and the levels "
                                                 "are 1 to {wanted}")),
                          {{"found", error.found}, {"wanted", wanted}});
    }
    return {};
}

std::string code_refusal(const CodeError& error, const Catalogue& catalogue) {
    return filled(catalogue.translate(N_("This exercise code cannot be opened: {reason}.")),
                  {{"reason", code_error_text(error, catalogue)}});
}

}  // namespace quorvel

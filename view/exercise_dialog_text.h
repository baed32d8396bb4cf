#pragma once

#include <string>
#include <string_view>

#include "catalogue.h"
#include "exercise_code.h"

namespace quorvel {

// The words of the two exercise code dialogs, "Share this exercise…" and "Open an
// exercise…", written once for every shell.
struct ExerciseDialogText {
    std::string_view share_title;    // the share dialog's title
    std::string_view share_intro;    // above the code: what whoever gets it will see
    std::string_view address_label;  // before the page's address with the code (web only)
    std::string_view qr_label;       // what the address's QR code is, read aloud (web only)
    std::string_view copy;           // the button that copies the code
    std::string_view copied;         // said once it is copied
    std::string_view open_title;     // the open dialog's title
    std::string_view open_prompt;    // the label of the box the code is typed into
    std::string_view open;           // the button that opens the typed code
    std::string_view close;          // the button that leaves either dialog
    std::string_view work_label;     // before the text of the student's work (desktop share)
    std::string_view copy_work;      // the button that copies that text
};

const ExerciseDialogText& exercise_dialog_text();

// What the code reader found wrong with a code, as a clause in the reader's language:
// "an exercise code has 7 characters, not 3".
std::string code_error_text(const CodeError& error, const Catalogue& catalogue);

// The sentence a dialog shows for a code that names no exercise, around that clause.
std::string code_refusal(const CodeError& error, const Catalogue& catalogue);

}  // namespace quorvel

#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The words of the two exercise code dialogs, "Share this exercise…" and "Open an
// exercise…", written once for every shell.
struct ExerciseDialogText {
    std::string_view share_title;    // the share dialog's title
    std::string_view share_intro;    // above the code: what whoever gets it will see
    std::string_view address_label;  // before the page's address with the code (web only)
    std::string_view copy;           // the button that copies the code
    std::string_view copied;         // said once it is copied
    std::string_view open_title;     // the open dialog's title
    std::string_view open_prompt;    // the label of the box the code is typed into
    std::string_view open;           // the button that opens the typed code
    std::string_view close;          // the button that leaves either dialog
};

const ExerciseDialogText& exercise_dialog_text();

// The sentence a shell shows for a code that names no exercise, around what the code
// reader found wrong with it.
std::string code_refusal(std::string_view reason);

}  // namespace quorvel

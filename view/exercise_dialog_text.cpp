#include "exercise_dialog_text.h"

namespace quorvel {

const ExerciseDialogText& exercise_dialog_text() {
    static constexpr ExerciseDialogText text{
        .share_title = "Share this exercise",
        .share_intro =
            "Whoever opens this code gets this same example, and the same new "
            "ones after RESET:",
        .address_label = "Or send this address, which opens it:",
        .copy = "Copy",
        .copied = "Copied.",
        .open_title = "Open an exercise",
        .open_prompt = "Exercise code:",
        .open = "Open",
        .close = "Close",
    };
    return text;
}

std::string code_refusal(std::string_view reason) {
    return "This exercise code cannot be opened: " + std::string(reason) + ".";
}

}  // namespace quorvel

#include "kept_text.h"

#include <variant>

#include "catalogue.h"
#include "form_fixture.h"
#include "kept_state.h"
#include "state_json.h"
#include "work_refusal.h"
#include "work_state.h"

namespace quorvel::testing {
namespace {

constexpr std::string_view build = "0.0.0+fuzz";

bool one_line(const std::string& said) {
    return !said.empty() && said.find('\n') == std::string::npos;
}

// A work read from any text: restored, it is the form's work, and its own texts read back.
std::optional<std::string> check_restored(const Work& work) {
    LoadedForm run;
    restore_work(run.form, work);
    if (!(work_of(run.form) == work)) {
        return "the restored form holds other work";
    }
    const auto text = work_text(work);
    if (!text) {
        return "read work with no text";
    }
    const auto again = read_work(*text, run.form);
    if (!std::holds_alternative<Work>(again) || !(std::get<Work>(again) == work)) {
        return "the work text " + *text + " does not read back to its work";
    }
    const auto kept = kept_state_text(run.form, Palette::high_contrast, build);
    const auto back = kept ? read_kept_state(*kept, build, run.form)
                           : std::variant<KeptState, KeptError>(KeptError{});
    if (!std::holds_alternative<KeptState>(back) ||
        !(std::get<KeptState>(back) == KeptState{work, Palette::high_contrast})) {
        return "the kept state " + kept.value_or("(none)") + " does not read back";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> check_kept_text(std::string_view text) {
    LoadedForm run;
    const std::string before = state_json(run.form, "", nullptr);
    const auto kept = read_kept_state(text, build, run.form);
    if (const auto* error = std::get_if<KeptError>(&kept)) {
        if (!one_line(kept_error_line(*error))) {
            return "a kept state's refusal that is not one line";
        }
    } else if (auto failure = check_restored(std::get<KeptState>(kept).work)) {
        return failure;
    }
    const auto work = read_work(text, run.form);
    if (const auto* error = std::get_if<WorkError>(&work)) {
        if (!one_line(work_refusal(*error, Catalogue{}))) {
            return "a work text's refusal that is not one line";
        }
    } else if (auto failure = check_restored(std::get<Work>(work))) {
        return failure;
    }
    if (state_json(run.form, "", nullptr) != before) {
        return "reading changed the form";
    }
    return std::nullopt;
}

}  // namespace quorvel::testing

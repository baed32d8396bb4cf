#pragma once

#include <optional>
#include <string_view>

#include "form.h"
#include "recording_ui.h"
#include "runtime_fault.h"

namespace quorvel::testing {

// A form on recorders, started up as the program starts it.
struct LoadedForm {
    RecordingUi ui;
    Form form{ui};

    LoadedForm();

    // Runs one handler by its name through the program's dispatch point.
    std::optional<RuntimeFault> run(std::string_view handler);
    // Runs each handler in turn; a fault fails the calling test.
    void run_all(std::initializer_list<std::string_view> handlers);

    std::string caption(ControlName name) { return ui.text(name).caption_text(); }
    RecordingCanvas& canvas(ControlName name) { return ui.canvas(name); }
};

}  // namespace quorvel::testing

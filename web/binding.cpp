// The WebAssembly module's interface to the page: plain C functions over the page's one
// window. Text comes back as JSON in a buffer that stays valid until the next call;
// pixels as a pointer into the module's memory, which the page wraps as ImageData.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "exercise_dialog_text.h"
#include "exercise_opening.h"
#include "form.h"
#include "help_description.h"
#include "json_text.h"
#include "kept_state.h"
#include "languages.h"
#include "page_description.h"
#include "page_window.h"
#include "project_version.h"
#include "runtime_fault.h"
#include "state_json.h"
#include "web_window.h"
#include "work_refusal.h"
#include "work_state.h"
#include "worksheet.h"
#include "worksheet_description.h"

namespace {

// The page's one window, with the form it owns; the last event and its fault, for the
// state line; and the text of the last reply. A page loads the module once and keeps it
// for as long as it is open.
struct Page {
    std::unique_ptr<quorvel::WebWindow> window;
    std::string last_event;
    std::optional<quorvel::RuntimeFault> last_fault;
    std::string reply;
    // The last sheet's plot, until the page has put it on its canvas.
    quorvel::SheetPlot sheet_plot;
};

Page& page() {
    static Page the_page;
    return the_page;
}

const char* reply(std::string text) {
    page().reply = std::move(text);
    return page().reply.c_str();
}

// Answers {"fault": the window's message or null, then the changes the last event made}.
const char* event_reply() {
    quorvel::JsonText json;
    json.begin_object().key("fault");
    if (page().last_fault) {
        json.value(quorvel::fault_message(*page().last_fault));
    } else {
        json.null();
    }
    quorvel::take_changes(json, *page().window);
    return reply(json.end_object().text());
}

const char* run(std::string_view handler) {
    page().last_event = handler;
    page().last_fault = page().window->raise(handler);
    return event_reply();
}

// Opens a code's exercise as an event named "exercise" and the code; {"error": what is
// wrong, "refusal": the sentence that tells the user} for a code that names none, which
// changes nothing.
const char* open_code(std::string_view code) {
    quorvel::Form& form = page().window->form();
    std::optional<quorvel::RuntimeFault> fault;
    try {
        if (const auto error = quorvel::open_exercise(form, code)) {
            quorvel::JsonText json;
            json.begin_object()
                .field("error", quorvel::code_error_text(*error, page().window->catalogue()))
                .field("refusal", quorvel::code_refusal(*error, page().window->catalogue()))
                .end_object();
            return reply(json.text());
        }
    } catch (const quorvel::RuntimeFault& raised) {
        fault = raised;
    }
    page().last_event =
        "exercise " + quorvel::exercise_code(quorvel::current_exercise(form)).value_or("");
    page().last_fault = fault;
    return event_reply();
}

// Brings the window to the work a text holds, as an event named "work" and the text;
// {"error", "refusal"} for a text that holds none, which changes nothing.
const char* open_work_text(std::string_view text) {
    quorvel::Form& form = page().window->form();
    auto read = quorvel::read_work(text, form);
    if (const auto* error = std::get_if<quorvel::WorkError>(&read)) {
        quorvel::JsonText json;
        json.begin_object()
            .field("error", quorvel::work_error_text(*error, page().window->catalogue()))
            .field("refusal", quorvel::work_refusal(*error, page().window->catalogue()))
            .end_object();
        return reply(json.text());
    }
    std::optional<quorvel::RuntimeFault> fault;
    try {
        quorvel::restore_work(form, std::get<quorvel::Work>(read));
    } catch (const quorvel::RuntimeFault& raised) {
        fault = raised;
    }
    page().last_event = "work " + std::string(text);
    page().last_fault = fault;
    return event_reply();
}

// The build a kept state is written by and read back in: the project's version and the
// moment this module was configured, so a page of another build starts afresh.
std::string kept_build() {
    return std::string(QUORVEL_VERSION) + "+" + QUORVEL_WEB_BUILD_ID;
}

// The reply after every surface is drawn afresh, which no handler raised: no fault, then
// the changes.
const char* redrawn() {
    quorvel::JsonText json;
    json.begin_object().key("fault").null();
    quorvel::take_changes(json, *page().window);
    return reply(json.end_object().text());
}

// {"error": ...} for a call that needs the window before quorvel_open has built it.
const char* not_open() {
    quorvel::JsonText json;
    json.begin_object().field("error", "no window yet: call quorvel_open first").end_object();
    return reply(json.text());
}

// The surface in a row of the layout table, or nullptr for a row that is no surface.
quorvel::WebCanvas* surface_at(int row) {
    return row < 0 ? nullptr : page().window->canvas_at(static_cast<std::size_t>(row));
}

}  // namespace

quorvel::WebWindow& page_window() {
    return *page().window;
}

extern "C" {

// Builds the window for a device pixel ratio and a viewport (CSS pixels) and runs
// Form_Load; the reply is that of an event.
EMSCRIPTEN_KEEPALIVE const char* quorvel_open(double device_ratio, int viewport_width,
                                              int viewport_height) {
    page().window =
        std::make_unique<quorvel::WebWindow>(device_ratio, viewport_width, viewport_height);
    return run("Form_Load");
}

// The window's description; {"error": ...} before quorvel_open.
EMSCRIPTEN_KEEPALIVE const char* quorvel_page() {
    if (!page().window) {
        return not_open();
    }
    return reply(quorvel::page_description(*page().window));
}

// The "How to use" text: {"title", "intro", "steps": [...], "glossary": [[term, meaning]],
// "readout", "keys": [[keys, action]], "about": {..., "fonts": [{"family", "licence",
// "file"}]}, and a heading for each part}. The spin buttons' bounds it tells are the
// form's, so it too needs quorvel_open first, and answers {"error": ...} before it.
EMSCRIPTEN_KEEPALIVE const char* quorvel_help() {
    if (!page().window) {
        return not_open();
    }
    return reply(quorvel::help_description(page().window->form(), page().window->catalogue()));
}

// Chooses the language of the page's texts from the reader's preferences, best first,
// separated by commas ("ar,en-US"): the first the program speaks, by the whole tag or its
// language, else English. Answers {"language": its code, "direction": "ltr" or "rtl"};
// quorvel_page and quorvel_help then give their texts in it. The form is not touched.
EMSCRIPTEN_KEEPALIVE const char* quorvel_set_language(const char* preferences) {
    if (!page().window) {
        return not_open();
    }
    std::vector<std::string_view> tags;
    std::string_view rest(preferences);
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        tags.push_back(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
    const quorvel::Language& chosen = quorvel::choose_language(tags);
    page().window->set_language(chosen);
    quorvel::JsonText json;
    json.begin_object()
        .field("language", chosen.code)
        .field("direction",
               chosen.direction == quorvel::TextDirection::right_to_left ? "rtl" : "ltr")
        .end_object();
    return reply(json.text());
}

// Runs a handler by name: {"fault": null or the message, "surfaces": [rows],
// "labels": [[row, caption, visible]], "options": [[row, selected]]}; {"error": ...} when
// no handler has that name.
EMSCRIPTEN_KEEPALIVE const char* quorvel_raise(const char* handler) {
    if (!page().window->knows(handler)) {
        quorvel::JsonText json;
        json.begin_object().field("error", std::string("no handler named ") + handler).end_object();
        return reply(json.text());
    }
    return run(handler);
}

// Opens the exercise a code names (typed as a person may: case, spaces and hyphens do not
// matter): the reply of an event; {"error": what is wrong with the code} when it names no
// exercise, and then nothing changed.
EMSCRIPTEN_KEEPALIVE const char* quorvel_open_exercise(const char* code) {
    if (!page().window) {
        return not_open();
    }
    return open_code(code);
}

// The work on the window as the text a link carries: {"work": the text, or null at a
// level no code carries}.
EMSCRIPTEN_KEEPALIVE const char* quorvel_work() {
    quorvel::JsonText json;
    json.begin_object().key("work");
    if (const auto text = quorvel::work_text(quorvel::work_of(page().window->form()))) {
        json.value(*text);
    } else {
        json.null();
    }
    return reply(json.end_object().text());
}

// Restores the work a link's text holds: the reply of an event; {"error": what is wrong,
// "refusal": the sentence for the reader} when it holds none, and then nothing changed.
EMSCRIPTEN_KEEPALIVE const char* quorvel_open_work(const char* text) {
    if (!page().window) {
        return not_open();
    }
    return open_work_text(text);
}

// What the page keeps in the tab's storage after every event, the plots in high contrast
// or not: {"kept": the text, or null when the window has no work to keep}.
EMSCRIPTEN_KEEPALIVE const char* quorvel_kept_state(int high_contrast) {
    const auto text = quorvel::kept_state_text(
        page().window->form(),
        high_contrast != 0 ? quorvel::Palette::high_contrast : quorvel::Palette::seed,
        kept_build());
    quorvel::JsonText json;
    json.begin_object().key("kept");
    if (text) {
        json.value(*text);
    } else {
        json.null();
    }
    return reply(json.end_object().text());
}

// Shows a kept state again on the window: the reply of an event with "palette", the
// palette's word, which the page then shows; {"error": a line for the developer's log}
// for a state that is damaged, edited or of another build, and then nothing changed.
EMSCRIPTEN_KEEPALIVE const char* quorvel_restore_kept(const char* text) {
    if (!page().window) {
        return not_open();
    }
    const auto read = quorvel::read_kept_state(text, kept_build(), page().window->form());
    if (const auto* error = std::get_if<quorvel::KeptError>(&read)) {
        quorvel::JsonText json;
        json.begin_object().field("error", quorvel::kept_error_line(*error)).end_object();
        return reply(json.text());
    }
    const auto& kept = std::get<quorvel::KeptState>(read);
    std::optional<quorvel::RuntimeFault> fault;
    try {
        quorvel::restore_work(page().window->form(), kept.work);
    } catch (const quorvel::RuntimeFault& raised) {
        fault = raised;
    }
    page().last_event = "work " + quorvel::work_text(kept.work).value_or("");
    page().last_fault = fault;
    std::string answer = event_reply();
    // The event's reply is an object; the palette goes in before its closing brace.
    answer.pop_back();
    answer += ",\"palette\":\"" + std::string(quorvel::palette_word(kept.palette)) + "\"}";
    return reply(std::move(answer));
}

// The state line after the last event, byte for byte as quorvel-replay prints it.
EMSCRIPTEN_KEEPALIVE const char* quorvel_state() {
    const auto& fault = page().last_fault;
    return reply(
        quorvel::state_json(page().window->form(), page().last_event, fault ? &*fault : nullptr));
}

// A surface's pixels (bytes R, G, B, A) and size in device pixels; taking them marks
// the surface as shown. A row that is no surface has no pixels and a size of 0.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* quorvel_pixels(int row) {
    quorvel::WebCanvas* canvas = surface_at(row);
    if (canvas == nullptr) {
        return nullptr;
    }
    canvas->mark_taken();
    return canvas->pixels();
}
EMSCRIPTEN_KEEPALIVE int quorvel_pixels_width(int row) {
    const quorvel::WebCanvas* canvas = surface_at(row);
    return canvas != nullptr ? canvas->pixel_width() : 0;
}
EMSCRIPTEN_KEEPALIVE int quorvel_pixels_height(int row) {
    const quorvel::WebCanvas* canvas = surface_at(row);
    return canvas != nullptr ? canvas->pixel_height() : 0;
}

// Draws every surface afresh at a new device pixel ratio; the reply lists them.
EMSCRIPTEN_KEEPALIVE const char* quorvel_set_device_ratio(double ratio) {
    page().window->set_device_ratio(ratio);
    return redrawn();
}

// Draws every surface afresh in a palette, 0 the program's own colours and 1 high
// contrast; the reply lists them.
EMSCRIPTEN_KEEPALIVE const char* quorvel_set_palette(int high_contrast) {
    page().window->set_palette(high_contrast != 0 ? quorvel::Palette::high_contrast
                                                  : quorvel::Palette::seed);
    return redrawn();
}

// The sheet to print for the exercise on the window, the worksheet (0) or its answer key
// (1), in the page's language (worksheet_description.h); {"error": ...} before
// quorvel_open. Its plot's pixels (bytes R, G, B, A) come from quorvel_worksheet_pixels.
EMSCRIPTEN_KEEPALIVE const char* quorvel_worksheet(int answer_key) {
    if (!page().window) {
        return not_open();
    }
    quorvel::WebWindow& window = *page().window;
    const auto code = quorvel::exercise_code(quorvel::current_exercise(window.form()));
    const quorvel::Worksheet sheet = quorvel::worksheet(
        answer_key != 0 ? quorvel::SheetKind::answer_key : quorvel::SheetKind::worksheet,
        code.value_or(""), window.form(), window.catalogue());
    page().sheet_plot = quorvel::sheet_plot(
        dynamic_cast<const quorvel::RasterCanvas&>(window.surface({"campus_ex"})));
    return reply(quorvel::worksheet_description(sheet, page().sheet_plot));
}
EMSCRIPTEN_KEEPALIVE const std::uint32_t* quorvel_worksheet_pixels() {
    return page().sheet_plot.pixels.data();
}

}  // extern "C"

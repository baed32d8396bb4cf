#include "page_description.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "accessible_texts.h"
#include "announcements.h"
#include "command_table.h"
#include "event_table.h"
#include "exercise_dialog_text.h"
#include "json_text.h"
#include "languages.h"
#include "layout.h"
#include "page_texts.h"
#include "palette.h"
#include "spin_arrows.h"
#include "spin_ranges.h"
#include "spin_repeat.h"
#include "window_geometry.h"

namespace quorvel {
namespace {

// Twips as whole CSS pixels, each control on its own, the way the desktop places its
// widgets: at 100 % zoom a CSS pixel is a desktop pixel.
int css_pixels(int twips) {
    return pixels_of_twips(twips);
}

std::string css_colour(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return text;
}

const char* align_word(Align align) {
    switch (align) {
        case Align::centre:
            return "center";
        case Align::right:
            return "right";
        case Align::left:
            break;
    }
    return "left";
}

void colour_field(JsonText& json, std::string_view key, std::optional<Colour> c) {
    json.key(key);
    if (c) {
        json.value(css_colour(*c));
    } else {
        json.null();
    }
}

void face_field(JsonText& json, FontId id) {
    json.key("font");
    if (id == FontId::none) {
        json.null();
        return;
    }
    const FontFace face = font_face(id);
    json.begin_object()
        .field("family", face.family == FontFamily::serif ? "serif" : "sans")
        .field("px", font_pixels(face.points))
        .field("bold", face.bold)
        .field("italic", face.italic)
        .end_object();
}

// Each palette's faces and the colours it shows in place of the layout table's, so the
// page colours its labels, frames and edges as the desktop does.
void palettes_field(JsonText& json) {
    json.key("palettes").begin_object();
    for (const Palette palette : {Palette::seed, Palette::high_contrast}) {
        const FaceColours faces = face_colours(palette);
        json.key(palette_word(palette))
            .begin_object()
            .field("face", css_colour(faces.face))
            .field("text", css_colour(faces.text))
            .field("frame_dark", css_colour(faces.frame_dark))
            .field("frame_light", css_colour(faces.frame_light))
            .field("border", css_colour(faces.border))
            .field("page", css_colour(faces.page));
        json.key("colours").begin_object();
        std::vector<std::string> done;
        for (const ControlRow& row : layout_table()) {
            for (const std::optional<Colour> c : {row.back, row.fore}) {
                if (!c || shown_colour(*c, palette) == *c) {
                    continue;
                }
                const std::string asked = css_colour(*c);
                if (std::find(done.begin(), done.end(), asked) == done.end()) {
                    json.field(asked, css_colour(shown_colour(*c, palette)));
                    done.push_back(asked);
                }
            }
        }
        json.end_object().end_object();
    }
    json.end_object();
}

// The handlers a control raises, as the event table names them: "click" for a push or
// option button, "up" and "down" for a spin button's arrows. A control that raises none
// has no "events".
void events_field(JsonText& json, const std::string& control) {
    constexpr std::pair<std::string_view, std::string_view> ways[] = {
        {"click", "_Click"}, {"up", "_SpinUp"}, {"down", "_SpinDown"}};
    bool any = false;
    for (const auto& [way, suffix] : ways) {
        if (const EventEntry* event = find_event(control + std::string(suffix))) {
            if (!any) {
                json.key("events").begin_object();
                any = true;
            }
            json.field(way, event->name);
        }
    }
    if (any) {
        json.end_object();
    }
}

// Where a row lies in the window as an arrangement places it, in CSS pixels: its corner
// and, for a plot, the parts that frames stacked above its own leave uncovered, each
// with the frame that leaves it out.
void place_fields(JsonText& json, const RowGeometry& at) {
    json.field("x", at.rect.left).field("y", at.rect.top);
    if (at.uncovered.empty()) {
        return;
    }
    json.key("uncovered").begin_array();
    for (const UncoveredPart& part : at.uncovered) {
        json.begin_object()
            .field("frame", full_name(part.frame))
            .field("x", part.rect.left)
            .field("y", part.rect.top)
            .field("width", part.rect.width)
            .field("height", part.rect.height)
            .end_object();
    }
    json.end_array();
}

// A spin button's arrows as the desktop lays them out in its size: each one's top and
// height in the button and the rows of its triangle.
void arrows_field(JsonText& json, const ControlRow& row) {
    json.key("arrows").begin_object();
    for (const auto& [word, arrow] : {std::pair{"up", SpinArrow::up}, {"down", SpinArrow::down}}) {
        const ArrowPlace place = spin_arrow(css_pixels(row.width), css_pixels(row.height), arrow);
        json.key(word)
            .begin_object()
            .field("top", place.top)
            .field("height", place.height)
            .field("rows", place.rows)
            .end_object();
    }
    json.end_object();
}

// The window's commands the page runs, in the command table's order: each one's id, menu
// entry, whether it shows a check mark and its keys in Qt's portable form; then the
// context menu's entries from top to bottom.
void commands_field(JsonText& json, const Catalogue& catalogue) {
    json.key("commands").begin_array();
    for (const CommandRow& row : command_table()) {
        if (row.web.by != TakenBy::window) {
            continue;
        }
        json.begin_object()
            .field("id", row.id)
            .field("label", catalogue.translate(row.label))
            .field("checkable", row.checkable)
            .key("keys")
            .begin_array();
        for (const std::string_view key : key_texts(row.web)) {
            json.value(key);
        }
        json.end_array().end_object();
    }
    json.end_array().key("menu").begin_array();
    for (const std::string_view id : context_menu_of(Shell::web)) {
        json.value(id);
    }
    json.end_array();
}

// The words of the exercise code dialogs.
void exercise_dialog_field(JsonText& json, const Catalogue& catalogue) {
    const ExerciseDialogText& text = exercise_dialog_text();
    json.key("exercise_dialog")
        .begin_object()
        .field("share_title", catalogue.translate(text.share_title))
        .field("share_intro", catalogue.translate(text.share_intro))
        .field("address_label", catalogue.translate(text.address_label))
        .field("qr_label", catalogue.translate(text.qr_label))
        .field("copy", catalogue.translate(text.copy))
        .field("copied", catalogue.translate(text.copied))
        .field("open_title", catalogue.translate(text.open_title))
        .field("open_prompt", catalogue.translate(text.open_prompt))
        .field("open", catalogue.translate(text.open))
        .field("close", catalogue.translate(text.close))
        .end_object();
}

void row_fields(JsonText& json, const ControlRow& row, const RowGeometry& at, const Form& form,
                const Catalogue& catalogue) {
    const SpinRangeOf range_of = spin_ranges(form);
    json.field("name", full_name(row.name))
        .field("kind", kind_word(row.kind))
        .field("container", full_name(row.container))
        .field("caption", row.caption)
        .field("left", css_pixels(row.left))
        .field("top", css_pixels(row.top))
        .field("width", css_pixels(row.width))
        .field("height", css_pixels(row.height));
    colour_field(json, "back", row.back);
    colour_field(json, "fore", row.fore);
    face_field(json, row.font);
    json.field("align", align_word(row.align))
        .field("transparent", row.transparent)
        .field("visible", row.visible)
        .field("selected", row.selected)
        .field("shown", at.shown)
        .field("frame", full_name(at.frame))
        .field("stacking", stacking_word(at.stacking));
    place_fields(json, at);
    events_field(json, full_name(row.name));
    if (const AccessibleText* text = find_accessible_text(row.name)) {
        json.key("accessible")
            .begin_object()
            .field("name", catalogue.translate(text->name))
            .field("description", description_of(*text, range_of, catalogue));
        if (!text->readout.name.empty()) {
            json.field("readout", full_name(text->readout));
        }
        json.end_object();
    }
    if (const std::optional<SpinRange> range = spin_range(form, row.name)) {
        json.field("min", range->minimum).field("max", range->maximum).field("step", range->step);
    }
    if (row.kind == ControlKind::spin_button) {
        arrows_field(json, row);
    }
}

const char* direction_word(TextDirection direction) {
    return direction == TextDirection::right_to_left ? "rtl" : "ltr";
}

// The languages a reader may choose, each by its own name; the page's own texts; and what
// it announces after an event, each in the catalogue's language.
void language_fields(JsonText& json, const Catalogue& catalogue) {
    json.key("languages").begin_array();
    for (const Language& language : languages()) {
        if (language.listed) {
            json.begin_object()
                .field("code", language.code)
                .field("name", language.name)
                .field("direction", direction_word(language.direction))
                .end_object();
        }
    }
    json.end_array().key("texts").begin_object();
    for (const PageText& text : page_texts()) {
        json.field(text.key, catalogue.translate(text.english));
    }
    json.end_object().key("announcements").begin_array();
    for (const Announcement& said : announcements()) {
        json.begin_object()
            .field("handler", said.handler)
            .field("sentence", catalogue.translate(said.sentence))
            .key("filled_from")
            .begin_object();
        for (const AnnouncedLabel& fill : said.filled_from) {
            json.field(fill.placeholder, fill.label);
        }
        json.end_object();
        if (!said.when_changed.empty()) {
            json.field("when_changed", said.when_changed);
        }
        json.end_object();
    }
    json.end_array();
}

// The window arranged for a screen narrower than it is tall, with every row in it.
void portrait_field(JsonText& json) {
    const PortraitArrangement portrait = portrait_arrangement();
    json.key("portrait")
        .begin_object()
        .field("width", portrait.width)
        .field("height", portrait.height);
    json.key("rows").begin_array();
    for (const RowGeometry& at : portrait.rows) {
        json.begin_object();
        place_fields(json, at);
        json.end_object();
    }
    json.end_array().end_object();
}

}  // namespace

std::string page_description(const WebWindow& window) {
    JsonText json;
    json.begin_object()
        .field("caption", window_look.caption)
        .field("window_name", full_name(window_name))
        .field("language", window.language().code)
        .field("direction", direction_word(window.language().direction))
        .field("width", css_pixels(window_look.client_width))
        .field("height", css_pixels(window_look.client_height))
        .field("button_face", css_colour(button_face));
    json.key("repeat")
        .begin_object()
        .field("first_ms", spin_repeat.first_ms)
        .field("interval_ms", spin_repeat.interval_ms)
        .end_object();
    palettes_field(json);
    commands_field(json, window.catalogue());
    language_fields(json, window.catalogue());
    exercise_dialog_field(json, window.catalogue());
    json.key("rows").begin_array();
    const auto table = layout_table();
    const std::vector<RowGeometry> geometry = window_geometry();
    for (std::size_t i = 0; i < table.size(); ++i) {
        json.begin_object();
        row_fields(json, table[i], geometry[i], window.form(), window.catalogue());
        json.end_object();
    }
    json.end_array();
    json.key("tab_order").begin_array();
    for (const ControlName& name : tab_order()) {
        json.value(full_name(name));
    }
    json.end_array();
    portrait_field(json);
    json.end_object();
    return json.text();
}

void take_changes(JsonText& json, WebWindow& window) {
    json.key("surfaces").begin_array();
    for (std::size_t row = 0; row < window.rows(); ++row) {
        if (const WebCanvas* canvas = window.canvas_at(row);
            canvas != nullptr && canvas->changed()) {
            json.value(static_cast<int>(row));
        }
    }
    json.end_array();
    json.key("labels").begin_array();
    for (std::size_t row = 0; row < window.rows(); ++row) {
        if (WebLabel* label = window.label_at(row); label != nullptr && label->changed()) {
            json.begin_array()
                .value(static_cast<int>(row))
                .value(label->caption_text())
                .value(label->is_visible())
                .end_array();
            label->mark_taken();
        }
    }
    json.end_array();
    json.key("options").begin_array();
    for (std::size_t row = 0; row < window.rows(); ++row) {
        if (WebOptionButton* option = window.option_at(row);
            option != nullptr && option->changed()) {
            json.begin_array()
                .value(static_cast<int>(row))
                .value(option->is_selected())
                .end_array();
            option->mark_taken();
        }
    }
    json.end_array();
}

}  // namespace quorvel

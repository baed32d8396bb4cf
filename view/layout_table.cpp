#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "layout.h"

namespace quorvel {
namespace {

// Colours used only by the window description.
constexpr Colour cyan{0x00FFFF00};
constexpr Colour yellow{0x0000FFFF};

using colours::black;
using colours::blue;
using colours::light_yellow;
using colours::red;
using colours::white;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How a label or button shows its text. An unset colour means the system's colour.
struct Look {
    std::optional<Colour> back = std::nullopt;
    std::optional<Colour> fore = std::nullopt;
    FontId font = FontId::none;
    Align align = Align::left;
    bool transparent = false;
    bool visible = true;
};

constexpr ControlRow control(ControlName name, ControlKind kind, ControlName in,
                             std::string_view caption, Rect r) {
    ControlRow row;
    row.name = name;
    row.kind = kind;
    row.container = in;
    row.caption = caption;
    row.left = r.left;
    row.top = r.top;
    row.width = r.width;
    row.height = r.height;
    return row;
}

constexpr ControlRow with_look(ControlRow row, const Look& look) {
    row.back = look.back;
    row.fore = look.fore;
    row.font = look.font;
    row.align = look.align;
    row.transparent = look.transparent;
    row.visible = look.visible;
    return row;
}

// A top-level frame; frames have no title text of their own.
constexpr ControlRow frame(ControlName name, Rect r, std::optional<Colour> back,
                           bool visible = true) {
    return with_look(control(name, ControlKind::frame, window_name, "", r),
                     {.back = back, .visible = visible});
}

constexpr ControlRow label(ControlName name, ControlName in, std::string_view caption, Rect r,
                           const Look& look) {
    return with_look(control(name, ControlKind::label, in, caption, r), look);
}

constexpr ControlRow push_button(ControlName name, ControlName in, std::string_view caption, Rect r,
                                 std::optional<Colour> back = std::nullopt) {
    return with_look(control(name, ControlKind::push_button, in, caption, r),
                     {.back = back, .font = FontId::serif});
}

constexpr ControlRow option_button(ControlName name, ControlName in, std::string_view caption,
                                   Rect r, bool selected = false) {
    ControlRow row = with_look(control(name, ControlKind::option_button, in, caption, r),
                               {.font = FontId::serif});
    row.selected = selected;
    return row;
}

constexpr ControlRow spin_button(ControlName name, ControlName in, Rect r) {
    return control(name, ControlKind::spin_button, in, "", r);
}

// A picture surface: background, drawing colour, and the stored fill colour and style.
constexpr ControlRow surface(ControlName name, ControlName in, Rect r, std::optional<Colour> back,
                             Colour fore = black, Colour fill = black,
                             FillStyle fill_style = FillStyle::transparent) {
    ControlRow row =
        with_look(control(name, ControlKind::picture, in, "", r), {.back = back, .fore = fore});
    row.fill = fill;
    row.fill_style = fill_style;
    return row;
}

// Recurring label looks.
constexpr Look graph_tag{
    .fore = red, .font = FontId::sans_bold, .align = Align::centre, .transparent = true};
constexpr Look t_mark{
    .back = white, .fore = blue, .font = FontId::sans, .align = Align::centre, .transparent = true};
constexpr Look name_centred{
    .fore = blue, .font = FontId::serif_italic, .align = Align::centre, .transparent = true};
constexpr Look name_left{.fore = blue, .font = FontId::serif_italic, .transparent = true};
constexpr Look frame_title{.fore = black, .font = FontId::serif_italic, .align = Align::centre};
constexpr Look shaded_title{
    .back = light_yellow, .fore = black, .font = FontId::serif_italic, .align = Align::centre};
constexpr Look answer{.fore = red, .font = FontId::serif, .transparent = true};
constexpr Look axis_mark{
    .fore = blue, .font = FontId::serif, .align = Align::centre, .transparent = true};
constexpr Look trial_value{
    .fore = red, .font = FontId::serif, .align = Align::centre, .transparent = true};
constexpr Look sine_name{.back = white,
                         .fore = blue,
                         .font = FontId::serif_italic,
                         .align = Align::centre,
                         .transparent = true};

constexpr Rect plot_rect{960, 240, 2532, 1452};
constexpr Rect harmonic_plot{360, 120, 2532, 1212};
constexpr Rect harmonic_spin{0, 960, 375, 375};
constexpr Rect harmonic_tag{0, 120, 375, 255};
constexpr Rect harmonic_name{0, 360, 375, 255};
constexpr Rect harmonic_value{0, 600, 375, 255};
constexpr Rect harmonic_t_mark{2280, 600, 255, 255};
constexpr Rect wave_t_mark{2280, 720, 255, 255};

// Every control, containers before their contents. Frame3 comes first of the frames; the
// window builder decides the stacking where frames overlap.
constexpr std::array controls{
    // The spectrum chart.
    frame({"Frame3"}, {6600, 0, 3015, 1455}, cyan),
    surface({"campus_graph"}, {"Frame3"}, {240, 120, 2652, 1092}, light_green, yellow, red,
            FillStyle::solid),
    label({"Label27"}, {"campus_graph"}, "Spectol", {840, 0, 975, 255},
          {.font = FontId::serif_italic, .align = Align::centre, .transparent = true}),
    // "1/T" … "4/T" are a pixel wider on each side than 252 twips, about the same centre,
    // so the outer edges of their glyphs are not cut.
    label({"Label24"}, {"Frame3"}, "4/T", {2505, 1200, 282, 252}, axis_mark),
    label({"Label23"}, {"Frame3"}, "3/T", {1905, 1200, 282, 252}, axis_mark),
    label({"Label22"}, {"Frame3"}, "2/T", {1305, 1200, 282, 252}, axis_mark),
    label({"Label21"}, {"Frame3"}, "1/T", {705, 1200, 282, 252}, axis_mark),
    label({"Label20"}, {"Frame3"}, "0", {240, 1200, 252, 252}, axis_mark),
    label({"origin"}, {"Frame3"}, "0", {0, 1080, 252, 252}, axis_mark),
    label({"y_axis"}, {"Frame3"}, "", {0, 120, 252, 252}, axis_mark),

    // The example wave.
    frame({"example"}, {0, 0, 3612, 1812}, std::nullopt),
    push_button({"Command1"}, {"example"}, "RESET", {120, 1440, 732, 252}, white),
    surface({"campus_ex"}, {"example"}, plot_rect, white),
    label({"Label26", 10}, {"campus_ex"}, "T", wave_t_mark, t_mark),
    spin_button({"Spin_lebel"}, {"example"}, {600, 720, 255, 375}),
    label({"Label25", 9}, {"example"}, "W0", {240, 120, 495, 255}, graph_tag),
    label({"value_lebel"}, {"example"}, "", {120, 720, 375, 255},
          {.fore = red, .font = FontId::serif, .align = Align::right, .transparent = true}),
    label(
        {"Label10"}, {"example"}, "lebel=", {120, 360, 615, 255},
        {.fore = blue, .font = FontId::serif_italic, .align = Align::centre, .transparent = true}),
    label({"Label1"}, {"example"}, "Example Wave", {1440, 0, 1575, 255}, frame_title),

    // The student's summed wave and the answer table.
    frame({"simulate"}, {0, 1800, 3612, 1812}, light_yellow),
    push_button({"Command4"}, {"simulate"}, "ANS", {120, 1515, 732, 252}),
    surface({"campus_sim"}, {"simulate"}, plot_rect, white),
    label({"Label26", 9}, {"campus_sim"}, "T", wave_t_mark, t_mark),
    label({"Label25", 10}, {"simulate"}, "W1", {240, 120, 495, 255}, graph_tag),
    // The answer table, a0 … a4 and b1 … b4 with their answers, is squeezed into the
    // 64 pixels left of the plot, which covers anything further right. An answer of 10 is
    // 13 pixels wide (135 twips cut it to "1("), so the answer labels are 195 twips wide
    // and the columns stand further left, leaving at least two pixels between a name and
    // a number: the names by 45 (a) and 60 (b) twips, ans_a by 60, ans_b by 75.
    label({"Label11"}, {"simulate"}, "a0", {75, 360, 255, 255}, name_left),
    label({"Label12"}, {"simulate"}, "a1", {75, 600, 255, 255}, name_left),
    label({"Label13"}, {"simulate"}, "a2", {75, 840, 255, 255}, name_left),
    label({"Label14"}, {"simulate"}, "a3", {75, 1080, 255, 255}, name_left),
    label({"Label15"}, {"simulate"}, "a4", {75, 1320, 255, 255},
          {.back = light_yellow, .fore = blue, .font = FontId::serif_italic}),
    label({"ans_a", 0}, {"simulate"}, "", {300, 360, 195, 255}, answer),
    label({"ans_a", 1}, {"simulate"}, "", {300, 600, 195, 255}, answer),
    label({"ans_a", 2}, {"simulate"}, "", {300, 840, 195, 255}, answer),
    label({"ans_a", 3}, {"simulate"}, "", {300, 1080, 195, 255}, answer),
    label({"ans_a", 4}, {"simulate"}, "", {300, 1320, 195, 255}, answer),
    label({"Label17"}, {"simulate"}, "b1", {540, 600, 255, 255}, name_left),
    label({"Label16"}, {"simulate"}, "b2", {540, 840, 255, 255}, name_left),
    label({"Label18"}, {"simulate"}, "b3", {540, 1080, 255, 255}, name_left),
    label({"Label19"}, {"simulate"}, "b4", {540, 1320, 255, 255}, name_left),
    label({"ans_b", 1}, {"simulate"}, "", {765, 600, 195, 255}, answer),
    label({"ans_b", 2}, {"simulate"}, "", {765, 840, 195, 255}, answer),
    label({"ans_b", 3}, {"simulate"}, "", {765, 1080, 195, 255}, answer),
    label({"ans_b", 4}, {"simulate"}, "", {765, 1320, 195, 255}, answer),
    // There is no b0: this one is never shown.
    label({"ans_b", 0}, {"simulate"}, "", {600, 360, 135, 255},
          {.back = light_yellow, .fore = red, .font = FontId::serif, .visible = false}),
    label({"Label2"}, {"simulate"}, "Simulate Wave", {1440, 0, 1575, 255}, shaded_title),

    // The essential wave.
    frame({"Frame1"}, {0, 3600, 3612, 1332}, std::nullopt),
    option_button({"switch_s"}, {"Frame1"}, "sin", {120, 765, 615, 225}),
    option_button({"switch_c"}, {"Frame1"}, "cos", {120, 540, 615, 225}, true),
    push_button({"Command2"}, {"Frame1"}, "RESET", {120, 1020, 732, 252}),
    surface({"campus_ess"}, {"Frame1"}, {960, 240, 2532, 972}, white),
    label({"Label26", 11}, {"campus_ess"}, "T", {2280, 480, 255, 255}, t_mark),
    spin_button({"Spin_n"}, {"Frame1"}, {720, 240, 255, 375}),
    label({"Label25", 11}, {"Frame1"}, "E", {240, 120, 495, 255}, graph_tag),
    label({"value_n"}, {"Frame1"}, "", {360, 315, 255, 255},
          {.fore = red, .font = FontId::sans, .align = Align::right, .transparent = true}),
    label({"Label9"}, {"Frame1"}, "", {120, 480, 252, 132},
          {.fore = red, .font = FontId::sans_tiny}),
    label({"Label8"}, {"Frame1"}, "n=", {120, 300, 255, 255}, name_centred),
    label({"Label3"}, {"Frame1"}, "Essential Wave", {1440, 0, 1575, 255}, frame_title),

    // The product wave and its mean.
    frame({"Frame2"}, {0, 4920, 3615, 1815}, std::nullopt),
    push_button({"Command3"}, {"Frame2"}, "CALC", {120, 1440, 732, 252}),
    surface({"campus_sqr"}, {"Frame2"}, plot_rect, white, colours::green, light_yellow),
    label({"Label26", 12}, {"campus_sqr"}, "T", wave_t_mark, t_mark),
    spin_button({"Spin_k"}, {"Frame2"}, {720, 360, 255, 375}),
    label({"Label25", 12}, {"Frame2"}, "W2", {240, 120, 495, 255}, graph_tag),
    label({"value_s"}, {"Frame2"}, "", {120, 1080, 735, 255}, answer),
    label({"value_k"}, {"Frame2"}, "", {360, 480, 255, 255},
          {.fore = red, .font = FontId::sans, .align = Align::right}),
    label({"Label7"}, {"Frame2"}, "", {360, 1320, 252, 252},
          {.fore = red, .font = FontId::sans_small}),
    // A pixel wider on each side than 375 twips, same centre: "S/T=" is 26 pixels wide.
    label({"Label6"}, {"Frame2"}, "S/T=", {105, 840, 405, 255}, name_centred),
    label({"Label5"}, {"Frame2"}, "k=", {120, 480, 255, 255}, name_centred),
    label({"Label4"}, {"Frame2"}, "Example Wave * Essential Wave", {720, 0, 2775, 255},
          frame_title),

    // One frame per cosine harmonic a0 … a4.
    frame({"s_wave", 0}, {3600, 0, 3015, 1335}, light_yellow),
    surface({"campus_a", 0}, {"s_wave", 0}, harmonic_plot, white),
    label({"Label26", 0}, {"campus_a", 0}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_a0"}, {"s_wave", 0}, harmonic_spin),
    label({"Label25", 0}, {"s_wave", 0}, "C0", harmonic_tag, graph_tag),
    label({"Label_a", 0}, {"s_wave", 0}, "a0", harmonic_name, name_centred),
    label({"value_a", 0}, {"s_wave", 0}, "", harmonic_value, trial_value),

    frame({"s_wave", 1}, {3600, 1320, 3012, 1332}, light_yellow),
    surface({"campus_a", 1}, {"s_wave", 1}, harmonic_plot, white),
    label({"Label26", 1}, {"campus_a", 1}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_a1"}, {"s_wave", 1}, harmonic_spin),
    label({"Label25", 1}, {"s_wave", 1}, "C1", harmonic_tag, graph_tag),
    label({"Label_a", 1}, {"s_wave", 1}, "a1", harmonic_name, name_centred),
    label({"value_a", 1}, {"s_wave", 1}, "", harmonic_value, trial_value),

    frame({"s_wave", 2}, {3600, 2640, 3012, 1332}, light_yellow),
    surface({"campus_a", 2}, {"s_wave", 2}, harmonic_plot, white),
    label({"Label26", 2}, {"campus_a", 2}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_a2"}, {"s_wave", 2}, harmonic_spin),
    label({"Label25", 2}, {"s_wave", 2}, "C2", harmonic_tag, graph_tag),
    label({"Label_a", 2}, {"s_wave", 2}, "a2", harmonic_name, name_centred),
    label({"value_a", 2}, {"s_wave", 2}, "", harmonic_value, trial_value),

    frame({"s_wave", 3}, {3600, 3960, 3012, 1332}, light_yellow),
    surface({"campus_a", 3}, {"s_wave", 3}, harmonic_plot, white),
    label({"Label26", 3}, {"campus_a", 3}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_a3"}, {"s_wave", 3}, harmonic_spin),
    label({"Label25", 3}, {"s_wave", 3}, "C3", harmonic_tag, graph_tag),
    label({"Label_a", 3}, {"s_wave", 3}, "a3", harmonic_name, name_centred),
    label({"value_a", 3}, {"s_wave", 3}, "", {0, 600, 372, 252}, trial_value),

    frame({"s_wave", 4}, {3600, 5280, 3015, 1455}, light_yellow),
    surface({"campus_a", 4}, {"s_wave", 4}, harmonic_plot, white),
    label({"Label26", 4}, {"campus_a", 4}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_a4"}, {"s_wave", 4}, harmonic_spin),
    label({"Label25", 4}, {"s_wave", 4}, "C4", harmonic_tag, graph_tag),
    label({"Label_a", 4}, {"s_wave", 4}, "a4", harmonic_name, name_centred),
    label({"value_a", 4}, {"s_wave", 4}, "", harmonic_value, trial_value),

    // There is no b0: its frame exists only to complete the array and is never shown.
    frame({"c_wave", 0}, {6600, 1440, 3012, 1332}, std::nullopt, false),
    surface({"campus_b", 0}, {"c_wave", 0}, harmonic_plot, white),
    surface({"SpinButton1"}, {"c_wave", 0}, {120, 960, 132, 252}, std::nullopt),
    label({"value_b", 0}, {"c_wave", 0}, "", {120, 600, 132, 252},
          {.fore = red, .font = FontId::serif_italic_tiny, .align = Align::centre}),
    label({"Label_b", 0}, {"c_wave", 0}, "b0", {120, 240, 132, 252},
          {.back = white,
           .fore = blue,
           .font = FontId::serif_italic_tiny,
           .align = Align::centre,
           .transparent = true}),

    // One frame per sine harmonic b1 … b4.
    frame({"c_wave", 1}, {6600, 1320, 3012, 1332}, light_yellow),
    surface({"campus_b", 1}, {"c_wave", 1}, harmonic_plot, white),
    label({"Label26", 5}, {"campus_b", 1}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_b1"}, {"c_wave", 1}, harmonic_spin),
    // A pixel lower than the other tags: the spectrum frame, lifted above this one, covers
    // its top 135 twips and so the top row of "S1".
    label({"Label25", 5}, {"c_wave", 1}, "S1", {0, 135, 375, 255}, graph_tag),
    label({"Label_b", 1}, {"c_wave", 1}, "b1", harmonic_name, sine_name),
    label({"value_b", 1}, {"c_wave", 1}, "", harmonic_value, trial_value),

    frame({"c_wave", 2}, {6600, 2640, 3012, 1332}, light_yellow),
    surface({"campus_b", 2}, {"c_wave", 2}, harmonic_plot, white),
    label({"Label26", 6}, {"campus_b", 2}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_b2"}, {"c_wave", 2}, harmonic_spin),
    label({"Label25", 6}, {"c_wave", 2}, "S2", harmonic_tag, graph_tag),
    label({"Label_b", 2}, {"c_wave", 2}, "b2", harmonic_name, sine_name),
    label({"value_b", 2}, {"c_wave", 2}, "", harmonic_value, trial_value),

    frame({"c_wave", 3}, {6600, 3960, 3012, 1332}, light_yellow),
    surface({"campus_b", 3}, {"c_wave", 3}, harmonic_plot, white),
    label({"Label26", 7}, {"campus_b", 3}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_b3"}, {"c_wave", 3}, harmonic_spin),
    label({"Label25", 7}, {"c_wave", 3}, "S3", harmonic_tag, graph_tag),
    label({"Label_b", 3}, {"c_wave", 3}, "b3", harmonic_name, sine_name),
    label({"value_b", 3}, {"c_wave", 3}, "", harmonic_value, trial_value),

    frame({"c_wave", 4}, {6600, 5280, 3015, 1455}, light_yellow),
    surface({"campus_b", 4}, {"c_wave", 4}, harmonic_plot, white),
    label({"Label26", 8}, {"campus_b", 4}, "T", harmonic_t_mark, t_mark),
    spin_button({"Spin_b4"}, {"c_wave", 4}, harmonic_spin),
    label({"Label25", 8}, {"c_wave", 4}, "S4", harmonic_tag, graph_tag),
    label({"Label_b", 4}, {"c_wave", 4}, "b4", harmonic_name, sine_name),
    label({"value_b", 4}, {"c_wave", 4}, "", harmonic_value, trial_value),
};

constexpr auto focus_order = std::to_array<ControlName>({
    {"campus_a", 1}, {"campus_a", 2},  {"campus_a", 3}, {"campus_a", 4}, {"campus_b", 0},
    {"campus_b", 1}, {"campus_b", 2},  {"campus_b", 3}, {"campus_b", 4}, {"campus_ex"},
    {"campus_sim"},  {"SpinButton1"},  {"campus_ess"},  {"campus_sqr"},  {"Command1"},
    {"Command2"},    {"Command3"},     {"campus_a", 0}, {"Command4"},    {"switch_c"},
    {"switch_s"},    {"campus_graph"}, {"Spin_lebel"},  {"Spin_n"},      {"Spin_k"},
    {"Spin_a0"},     {"Spin_a1"},      {"Spin_a2"},     {"Spin_a3"},     {"Spin_a4"},
    {"Spin_b1"},     {"Spin_b2"},      {"Spin_b3"},     {"Spin_b4"},
});

}  // namespace

const char* kind_word(ControlKind kind) {
    switch (kind) {
        case ControlKind::frame:
            return "frame";
        case ControlKind::label:
            return "label";
        case ControlKind::push_button:
            return "push_button";
        case ControlKind::option_button:
            return "option_button";
        case ControlKind::spin_button:
            return "spin_button";
        case ControlKind::picture:
            return "picture";
    }
    return "unknown";
}

FontFace font_face(FontId id) {
    switch (id) {
        case FontId::serif_italic:
            return {.family = FontFamily::serif, .points = 9.75f, .italic = true};
        case FontId::serif:
            return {.family = FontFamily::serif, .points = 9.75f};
        case FontId::sans:
            return {.family = FontFamily::sans, .points = 9.75f};
        case FontId::sans_bold:
            return {.family = FontFamily::sans, .points = 9.75f, .bold = true};
        case FontId::sans_small:
            return {.family = FontFamily::sans, .points = 7.5f};
        case FontId::sans_tiny:
            return {.family = FontFamily::sans, .points = 6.0f};
        case FontId::serif_italic_tiny:
            return {.family = FontFamily::serif, .points = 6.0f, .italic = true};
        case FontId::none:
            break;
    }
    // Controls without a font of their own (frames, surfaces, spin buttons) never show text.
    return FontFace{};
}

std::span<const ControlRow> layout_table() {
    return controls;
}

std::span<const ControlName> tab_order() {
    return focus_order;
}

const ControlRow* find_control(ControlName name) {
    for (const ControlRow& row : controls) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

std::size_t row_index(ControlName name) {
    const ControlRow* row = find_control(name);
    if (row == nullptr) {
        throw std::logic_error("the layout table has no control " + std::string(name.name));
    }
    return static_cast<std::size_t>(row - controls.data());
}

}  // namespace quorvel

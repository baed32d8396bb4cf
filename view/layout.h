#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "canvas.h"
#include "colour.h"
#include "ui.h"

namespace quorvel {

// The window, described once as data: the window builder and the tests both read it.
// Positions and sizes are in twips (15 twips = 1 pixel), relative to the container's
// client area.

// The window itself, as the container of the top-level controls.
inline constexpr ControlName window_name{"Form1"};

enum class ControlKind { frame, label, push_button, option_button, spin_button, picture };
// The kind as a word, "push_button" for a push button, for tools and the web page.
const char* kind_word(ControlKind kind);
enum class Align { left, centre, right };
// The window's faces, named for what they look like; sizes are in font_face.
enum class FontId {
    none,
    serif_italic,       // names and titles
    serif,              // buttons, answers and readouts
    sans,               // the T marks and the n and k readouts
    sans_bold,          // graph tags
    sans_small,         // 7.5 points
    sans_tiny,          // 6 points
    serif_italic_tiny,  // the never-shown b0 labels
};
enum class FontFamily { serif, sans };

struct FontFace {
    FontFamily family = FontFamily::serif;
    float points = 9.75f;
    bool bold = false;
    bool italic = false;
};

// The size and style of a face; the families are substitutes chosen by the window (a serif and
// a sans-serif).
FontFace font_face(FontId id);

// A face's size in whole pixels: its points at 96 dots per inch, rounded to the nearest,
// so every shell and platform lays the captions out alike.
inline int font_pixels(float points) {
    return static_cast<int>(std::lround(static_cast<double>(points) * 96.0 / 72.0));
}

struct ControlRow {
    ControlName name;
    ControlKind kind = ControlKind::label;
    ControlName container;  // window_name for the window itself
    std::string_view caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<Colour> back;  // nullopt: the system's button face
    std::optional<Colour> fore;  // text colour, or a surface's drawing colour
    FontId font = FontId::none;
    Align align = Align::left;
    bool transparent = false;
    bool visible = true;
    bool selected = false;  // option buttons: selected when the window is built
    // Picture surfaces only: stored fill colour and fill style.
    Colour fill = colours::black;
    FillStyle fill_style = FillStyle::transparent;
};

struct WindowLook {
    std::string_view caption = "Fourier Series";
    int client_width = 9705;   // twips
    int client_height = 6825;  // twips
    int outer_height = 7215;   // twips, set at start-up
    Colour fore = colours::dark_orange;
};

inline constexpr WindowLook window_look{};

// The spectrum plot's background, which the high-contrast palette keeps its bars legible on.
inline constexpr Colour light_green{0x00C0FFC0};

// A picture surface's stored settings as its row gives them; system_face stands in for a
// background the row leaves to the system.
SurfaceLook surface_look(const ControlRow& row, Colour system_face);

// Every control in creation order (containers before their contents).
std::span<const ControlRow> layout_table();

// The controls that take the keyboard focus, in Tab order.
std::span<const ControlName> tab_order();

// The row of one control, or nullptr.
const ControlRow* find_control(ControlName name);

// Where a control's row stands in the table; std::logic_error for a name the table lacks.
std::size_t row_index(ControlName name);

inline constexpr int twips_per_pixel = 15;

// A length or position in twips as whole pixels, rounded to the nearest, and kept within
// what a screen coordinate can hold (0 for a NaN).
inline int pixels_of_twips(double twips) {
    if (std::isnan(twips)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::clamp(twips / twips_per_pixel, -1.0e6, 1.0e6)));
}

inline constexpr float twips_of_pixels(int pixels) {
    return static_cast<float>(pixels * twips_per_pixel);
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Where a control lies in the window's client area, in pixels: its corner summed container
// by container, each step rounded to whole pixels on its own, the way the window places
// its widgets (a child lies relative to its frame's corner, border included). nullopt for
// a name the table lacks or one inside a container it lacks.
std::optional<PixelRect> client_rect(ControlName name);

// Whether the control and every container around it are visible when the window is built.
bool shown_at_start(ControlName name);

}  // namespace quorvel

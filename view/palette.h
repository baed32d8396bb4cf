#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"

namespace quorvel {

// The colours a window is shown in. The program asks for its own colours (the form's
// procedures and the layout table name them); a palette decides the colour each becomes
// on screen, so a choice of palette changes pixels and never the form's state.
enum class Palette : std::uint8_t {
    // The program's own colours, each shown as asked: the window opens in it, and the other
    // palette is made from it by darkening some of its colours.
    seed,
    high_contrast,  // every text at 4.5:1 or more, every line, bar and frame at 3:1 or more
};

// The palette's word as the shells' options spell it: "seed", "high-contrast".
std::string_view palette_word(Palette palette);
std::optional<Palette> palette_of_word(std::string_view word);

// The colour shown for a colour the program asks for.
Colour shown_colour(Colour asked, Palette palette);

// The face of buttons and of frames and labels without a colour of their own, in every
// palette: the light grey the desktop's style paints and the page takes from its
// description.
inline constexpr Colour button_face{0x00EFEFEF};

// The colours of what the window's style draws around the program's own colours: the
// face of buttons, frames and labels without a colour, their text, and the shades of an
// etched frame, a control's border and a spin button's arrows.
struct FaceColours {
    Colour face;         // button face, and frames and labels without a colour
    Colour text;         // text without a colour of its own
    Colour frame_dark;   // the etched frame's dark line
    Colour frame_light;  // the etched frame's light line
    Colour border;       // the border of a push button, option mark and spin arrow
    Colour page;         // around the window on the web page
};
FaceColours face_colours(Palette palette);

// WCAG 2.x relative luminance (0 black … 1 white) and the contrast ratio of two colours
// (1 … 21), the measures the high-contrast palette is held to.
double relative_luminance(Colour c);
double contrast_ratio(Colour a, Colour b);

// One pair of colours the window shows one on the other, and the ratio it must reach in
// the high-contrast palette: 4.5 for text, 3 for lines, bars, marks and frames.
enum class PairKind : std::uint8_t { text, graphic };
struct ColourPair {
    std::string what;  // the control, or what a plot draws
    Colour fore;
    Colour back;
    PairKind kind;
};

// Every text on its background and every line, bar, mark and frame on its plot or frame
// that the window shows, as the palette shows them: the labels, buttons and frames from
// the layout table, and what the plots' procedures draw.
std::vector<ColourPair> shown_pairs(Palette palette);

inline constexpr double text_ratio = 4.5;
inline constexpr double graphic_ratio = 3.0;

}  // namespace quorvel

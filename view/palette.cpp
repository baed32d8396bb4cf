#include "palette.h"

#include <array>
#include <cmath>

#include "layout.h"

namespace quorvel {
namespace {

// Where the high-contrast palette differs from the program's colours: each is the
// program's hue made darker, just far enough for text on the palest face it stands on
// (the spectrum's cyan) and for lines on a white plot.
struct Substitute {
    Colour asked;
    Colour shown;
};
constexpr auto high_contrast_substitutes = std::to_array<Substitute>({
    {colours::red, Colour{0x000000C0}},    // #c00000: labels and spectrum bars
    {colours::green, Colour{0x00008000}},  // #008000: curves, axes and rectangles
});

constexpr FaceColours seed_faces{
    .face = button_face,
    .text = colours::black,
    .frame_dark = Colour{0x009F9F9F},
    .frame_light = colours::white,
    .border = Colour{0x009F9F9F},
    .page = Colour{0x00D4D4D4},
};

// The same light face; only the shades that outline a frame or a control are darker.
constexpr FaceColours high_contrast_faces{
    .face = button_face,
    .text = colours::black,
    .frame_dark = Colour{0x006E6E6E},
    .frame_light = colours::white,
    .border = Colour{0x006E6E6E},
    .page = Colour{0x00D4D4D4},
};

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// What a plot's procedures draw, on the surface they draw it on.
struct Drawing {
    std::string_view what;
    Colour fore;
    Colour back;
};
constexpr auto drawings = std::to_array<Drawing>({
    {"wave curves and axes", colours::black, colours::white},
    {"trial harmonic curves and a0's axis", colours::green, colours::white},
    {"CALC's rectangles", colours::green, colours::white},
    {"a0 bar outline", colours::dark_orange, light_green},
    {"cosine bar outline", colours::red, light_green},
    {"sine bar outline", colours::blue, light_green},
    {"bar fill", colours::red, light_green},
});

// The colour behind a row: its own background, or its container's when it paints none.
Colour background_of(const ControlRow& row, const FaceColours& faces) {
    if (row.kind == ControlKind::picture) {
        return row.back.value_or(colours::white);
    }
    if (!row.transparent || row.kind == ControlKind::frame) {
        return row.back.value_or(faces.face);
    }
    const ControlRow* container = find_control(row.container);
    return container != nullptr ? background_of(*container, faces) : faces.face;
}

}  // namespace

std::string_view palette_word(Palette palette) {
    return palette == Palette::high_contrast ? "high-contrast" : "seed";
}

std::optional<Palette> palette_of_word(std::string_view word) {
    for (const Palette p : {Palette::seed, Palette::high_contrast}) {
        if (word == palette_word(p)) {
            return p;
        }
    }
    return std::nullopt;
}

Colour shown_colour(Colour asked, Palette palette) {
    if (palette == Palette::high_contrast) {
        for (const Substitute& s : high_contrast_substitutes) {
            if (s.asked == asked) {
                return s.shown;
            }
        }
    }
    return asked;
}

FaceColours face_colours(Palette palette) {
    return palette == Palette::high_contrast ? high_contrast_faces : seed_faces;
}

double relative_luminance(Colour c) {
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast_ratio(Colour a, Colour b) {
    const double la = relative_luminance(a);
    const double lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<ColourPair> shown_pairs(Palette palette) {
    const FaceColours faces = face_colours(palette);
    const auto shown = [palette](Colour c) { return shown_colour(c, palette); };
    std::vector<ColourPair> pairs;
    for (const ControlRow& row : layout_table()) {
        const Colour back = shown(background_of(row, faces));
        const std::string name = full_name(row.name);
        switch (row.kind) {
            case ControlKind::label:
                pairs.push_back({name, shown(row.fore.value_or(faces.text)), back, PairKind::text});
                break;
            case ControlKind::push_button:
            case ControlKind::option_button:
            case ControlKind::spin_button: {
                const ControlRow* container = find_control(row.container);
                const Colour around =
                    container != nullptr ? shown(background_of(*container, faces)) : faces.face;
                if (row.kind != ControlKind::spin_button) {
                    pairs.push_back({name, faces.text, back, PairKind::text});
                } else {
                    pairs.push_back({name + " arrows", faces.text, faces.face, PairKind::graphic});
                }
                pairs.push_back({name + " border", faces.border, around, PairKind::graphic});
                break;
            }
            case ControlKind::frame:
                pairs.push_back({name + " edge", faces.frame_dark, back, PairKind::graphic});
                break;
            case ControlKind::picture:
                break;
        }
    }
    for (const Drawing& d : drawings) {
        pairs.push_back({std::string(d.what), shown(d.fore), shown(d.back), PairKind::graphic});
    }
    return pairs;
}

}  // namespace quorvel

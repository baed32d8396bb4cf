#include "control_colours.h"

#include "qt_canvas.h"
#include "qt_colour.h"

namespace quorvel {
namespace {

void set_role(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

void fill_background(QWidget& widget, const QColor& colour) {
    set_role(widget, QPalette::Window, colour);
    widget.setAutoFillBackground(true);
}

// Fusion outlines a button, an option mark and a spin arrow in its Window colour made
// darker by 140 %: the face gives the program's own grey outline, and high contrast asks
// for the palette's border there instead.
void outline_control(QWidget& widget, Palette palette) {
    if (palette == Palette::seed && !widget.testAttribute(Qt::WA_SetPalette)) {
        return;  // a control that never had its own palette outlines in the window's face
    }
    const FaceColours faces = face_colours(palette);
    set_role(widget, QPalette::Window,
             palette == Palette::high_contrast ? to_qcolor(faces.border).lighter(140)
                                               : to_qcolor(faces.face));
}

// High contrast draws text with its stems on whole pixels, so that a thin glyph (a serif
// "0" or "1") has pixels of its full colour rather than only smoothed halves of it.
void sharpen_text(QWidget& widget, Palette palette) {
    const QFont::HintingPreference wanted =
        palette == Palette::high_contrast ? QFont::PreferFullHinting : QFont::PreferDefaultHinting;
    if (widget.font().hintingPreference() != wanted) {
        QFont font = widget.font();
        font.setHintingPreference(wanted);
        widget.setFont(font);
    }
}

}  // namespace

void colour_control(const ControlRow& row, QWidget& widget, Palette palette) {
    const FaceColours faces = face_colours(palette);
    const auto shown = [palette](Colour c) { return to_qcolor(shown_colour(c, palette)); };
    switch (row.kind) {
        case ControlKind::frame:
            fill_background(widget, shown(row.back.value_or(faces.face)));
            return;
        case ControlKind::label:
            sharpen_text(widget, palette);
            set_role(widget, QPalette::WindowText, shown(row.fore.value_or(faces.text)));
            if (!row.transparent) {
                fill_background(widget, shown(row.back.value_or(faces.face)));
            }
            return;
        case ControlKind::push_button:
            if (row.back) {
                set_role(widget, QPalette::Button, shown(*row.back));
            }
            outline_control(widget, palette);
            return;
        case ControlKind::option_button:
        case ControlKind::spin_button:
            outline_control(widget, palette);
            return;
        case ControlKind::picture:
            if (auto* canvas = dynamic_cast<QtCanvas*>(&widget)) {
                canvas->set_palette(palette);
            }
            return;
    }
}

}  // namespace quorvel

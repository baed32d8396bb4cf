#include "qt_fonts.h"

#include <QStringList>

namespace quorvel {
namespace {

// The first choice, then faces with the same advance widths, so the captions keep the
// widths the layout was measured with when the first is missing (fontconfig's own fallback,
// often DejaVu, is wider and cut "Example Wave * Essential Wave" at both ends). Serif: Times
// New Roman's metric twins; FreeSerif comes before Nimbus Roman and TeX Gyre Termes, whose
// taller digits put the lowest answers' last row under the ANS button. Sans-serif: MS
// PGothic's twins, then other proportional Japanese Gothic faces.
QStringList serif_faces() {
    return {QStringLiteral("Liberation Serif"),
            QStringLiteral("Times New Roman"),
            QStringLiteral("Tinos"),
            QStringLiteral("FreeSerif"),
            QStringLiteral("Nimbus Roman"),
            QStringLiteral("TeX Gyre Termes")};
}

QStringList sans_faces() {
    return {QStringLiteral("IPAPGothic"),       QStringLiteral("MS PGothic"),
            QStringLiteral("TakaoPGothic"),     QStringLiteral("VL PGothic"),
            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Liberation Sans")};
}

}  // namespace

QFont qt_font(FontId id) {
    const FontFace face = font_face(id);
    QFont font;
    if (face.family == FontFamily::serif) {
        font.setFamilies(serif_faces());
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies(sans_faces());
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(font_pixels(face.points));
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(face.italic);
    return font;
}

}  // namespace quorvel

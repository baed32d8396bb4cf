#include "qt_fonts.h"

#include <QStringList>
#include <cmath>

namespace quorvel {

QFont qt_font(FontId id) {
    const FontFace face = font_face(id);
    QFont font;
    if (face.family == FontFamily::serif) {
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(static_cast<int>(std::lround(face.points * 96.0 / 72.0)));
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(face.italic);
    return font;
}

}  // namespace quorvel

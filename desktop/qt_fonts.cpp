#include "qt_fonts.h"

#include <QStringList>
#include <cmath>

namespace quorvel {

QFont qt_font(FontId id) {
    const FontFace spec = font_face(id);
    QFont font;
    if (spec.family == FontFamily::serif) {
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0)));
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    return font;
}

}  // namespace quorvel

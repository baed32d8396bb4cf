// Every character of every language's catalogue can be drawn with the fonts installed:
// by the application's own font or by one Qt falls back on for it. A script that no
// installed font carries would show empty boxes; the failure lists its characters per
// language, so the font package to install is easy to find.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QString>
#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "languages.h"

namespace quorvel {
namespace {

// Line breaks and the invisible marks that steer the text's direction take no glyph.
bool takes_a_glyph(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category != QChar::Other_Control && category != QChar::Other_Format;
}

// The application's own font, and every installed family Qt can fall back on: each is
// read only when the application's font lacks a character (reading them all is slow and
// noisy).
class InstalledFonts {
  public:
    InstalledFonts() : own_(QApplication::font()) {}

    // The characters of `texts` that no installed font draws.
    std::set<char32_t> missing(const std::vector<std::string_view>& texts) const {
        std::set<char32_t> lacking;
        for (const std::string_view text : texts) {
            const QString shown =
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            for (const char32_t c : shown.toUcs4()) {
                if (takes_a_glyph(c) && !own_.inFontUcs4(c)) {
                    lacking.insert(c);
                }
            }
        }
        if (lacking.empty()) {
            return lacking;
        }
        std::vector<QRawFont> faces;
        for (const QString& family : QFontDatabase::families()) {
            QRawFont face = QRawFont::fromFont(QFont(family));
            if (face.isValid()) {
                faces.push_back(std::move(face));
            }
        }
        std::erase_if(lacking, [&faces](char32_t c) {
            return std::any_of(faces.begin(), faces.end(),
                               [c](const QRawFont& face) { return face.supportsCharacter(c); });
        });
        return lacking;
    }

  private:
    QFontMetrics own_;
};

std::string listed(const std::set<char32_t>& characters) {
    std::string out;
    for (const char32_t c : characters) {
        out += QStringLiteral(" U+%1 ")
                   .arg(static_cast<uint>(c), 4, 16, QChar(u'0'))
                   .toUpper()
                   .toStdString();
        out += QString::fromUcs4(&c, 1).toStdString();
    }
    return out;
}

// The check itself: a character that no font has is found, and one that takes no glyph
// is not asked for.
TEST(ScriptFonts, FindsWhatNoFontDraws) {
    struct Case {
        const char* what;
        std::string_view text;
        std::set<char32_t> missing;
    };
    const Case cases[] = {
        {"plain Latin", "Fourier Series", {}},
        {"a private-use character no font has", "a0 = \U0010FFFD", {U'\U0010FFFD'}},
        {"line breaks and direction marks", "a\n\u200Fb\u2068c\u2069\t", {}},
    };
    const InstalledFonts fonts;
    for (const Case& row : cases) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(listed(fonts.missing({row.text})), listed(row.missing));
    }
}

std::vector<std::string_view> language_codes() {
    std::vector<std::string_view> codes;
    for (const Language& language : languages()) {
        codes.push_back(language.code);
    }
    return codes;
}

class LanguageFonts : public ::testing::TestWithParam<std::string_view> {};

TEST_P(LanguageFonts, EveryCharacterOfTheCatalogueIsDrawn) {
    const Language& language = *find_language(GetParam());
    const Catalogue catalogue = catalogue_of(language);
    std::vector<std::string_view> texts = catalogue.translations();
    texts.push_back(language.name);  // as the Language menu lists it
    const std::set<char32_t> missing = InstalledFonts().missing(texts);
    EXPECT_TRUE(missing.empty()) << GetParam()
                                 << " has characters no installed font draws:" << listed(missing);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFonts, ::testing::ValuesIn(language_codes()),
                         [](const auto& param_info) {
                             std::string name(param_info.param);
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
}  // namespace quorvel

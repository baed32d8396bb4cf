#include "catalogue.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

namespace quorvel {
namespace {

// tests/view/fixtures/catalogue_fixture.po as msgfmt compiled it.
std::vector<std::byte> fixture_bytes() {
    std::ifstream file(QUORVEL_FIXTURE_MO, std::ios::binary);
    const std::vector<char> chars{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::byte> bytes(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        bytes[i] = static_cast<std::byte>(chars[i]);
    }
    return bytes;
}

struct Lookup {
    std::string_view english;
    std::string_view shown;
};

TEST(Catalogue, ShowsTheTranslationOrElseTheEnglish) {
    const std::vector<std::byte> bytes = fixture_bytes();
    ASSERT_FALSE(bytes.empty());
    const std::optional<Catalogue> catalogue = Catalogue::from_mo(bytes);
    ASSERT_TRUE(catalogue.has_value());
    for (const Lookup& row : {
             Lookup{"Zoom in", "Vergrößern"},
             Lookup{"How to use…", "Anleitung…"},
             Lookup{"Steps n, the order of the essential wave ({min} to {max})",
                    "Ändert n, die Ordnung der Grundwelle ({min} bis {max})"},
             // Left empty by its translator: shown in English, never blank.
             Lookup{"Not yet translated", "Not yet translated"},
             Lookup{"Zoom", "Zoom"},
             // The header's key is not a text anyone reads.
             Lookup{"", ""},
         }) {
        EXPECT_EQ(catalogue->translate(row.english), row.shown) << row.english;
    }
    EXPECT_EQ(catalogue->size(), 3u);
}

TEST(Catalogue, EnglishShowsEveryTextAsItIs) {
    EXPECT_EQ(Catalogue{}.translate("Zoom in"), "Zoom in");
}

// A catalogue cut short anywhere is refused whole: its last text lies at its end, followed
// only by the NUL that ends it, which holds nothing to lose.
TEST(Catalogue, RefusesEveryTruncation) {
    const std::vector<std::byte> bytes = fixture_bytes();
    ASSERT_EQ(bytes.back(), std::byte{0});
    for (std::size_t length = 0; length + 1 < bytes.size(); ++length) {
        EXPECT_FALSE(Catalogue::from_mo(std::span(bytes).first(length)).has_value())
            << "cut to " << length << " bytes";
    }
}

TEST(Catalogue, RefusesAnotherMagicNumberAndTablesPastTheEnd) {
    const std::vector<std::byte> good = fixture_bytes();
    struct Damage {
        const char* name;
        std::size_t at;  // the first byte of a 32-bit word of the header
    };
    for (const Damage& damage :
         {Damage{"magic number", 0}, Damage{"count", 8}, Damage{"originals' table", 12},
          Damage{"translations' table", 16}}) {
        std::vector<std::byte> bytes = good;
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[damage.at + i] = std::byte{0x7f};
        }
        EXPECT_FALSE(Catalogue::from_mo(bytes).has_value()) << damage.name;
    }
}

}  // namespace
}  // namespace quorvel

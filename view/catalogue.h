#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One language's translations as msgfmt compiles them (a GNU .mo file): each English text
// a person reads or hears, and what stands for it in that language. A text the catalogue
// does not hold is shown in English, so an incomplete catalogue never hides a text.
class Catalogue {
  public:
    // English: every text stands for itself.
    Catalogue() = default;

    // Reads a compiled catalogue, or nothing when the bytes are not one (too short, another
    // magic number, a table or a text reaching past the end): a damaged file is refused
    // whole rather than shown in part.
    static std::optional<Catalogue> from_mo(std::span<const std::byte> bytes);

    // The text in this language, or `english` itself when the catalogue has no entry.
    std::string_view translate(std::string_view english) const;

    // How many texts it translates.
    std::size_t size() const { return entries_.size(); }

    // Every translation it holds, in no particular order: for checks over a whole
    // language, such as whether the installed fonts can draw it.
    std::vector<std::string_view> translations() const;

  private:
    struct Entry {
        std::string english;
        std::string translated;
    };
    std::vector<Entry> entries_;  // sorted by `english`, as msgfmt writes them
};

}  // namespace quorvel

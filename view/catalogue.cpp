#include "catalogue.h"

#include <algorithm>
#include <cstdint>

namespace quorvel {
namespace {

constexpr std::uint32_t mo_magic = 0x950412deu;

// Reads the 32-bit words of a .mo file in the byte order its magic number was written in.
class Words {
  public:
    explicit Words(std::span<const std::byte> bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> at(std::size_t offset, bool swapped) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 4) {
            return std::nullopt;
        }
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t from = swapped ? 3 - i : i;
            word |= std::to_integer<std::uint32_t>(bytes_[offset + from]) << (8 * i);
        }
        return word;
    }

    // The text a (length, offset) pair of a string table points at, or nothing when it
    // reaches past the end of the file.
    std::optional<std::string> text(std::size_t pair, bool swapped) const {
        const auto length = at(pair, swapped);
        const auto offset = at(pair + 4, swapped);
        if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length) {
            return std::nullopt;
        }
        const auto* first = reinterpret_cast<const char*>(bytes_.data()) + *offset;
        return std::string(first, *length);
    }

  private:
    std::span<const std::byte> bytes_;
};

}  // namespace

std::optional<Catalogue> Catalogue::from_mo(std::span<const std::byte> bytes) {
    const Words words(bytes);
    const auto magic = words.at(0, false);
    if (!magic) {
        return std::nullopt;
    }
    const bool swapped = *magic != mo_magic;
    if (swapped && words.at(0, true) != mo_magic) {
        return std::nullopt;
    }
    const auto count = words.at(8, swapped);
    const auto originals = words.at(12, swapped);
    const auto translations = words.at(16, swapped);
    // Each entry takes two 8-byte pairs: a file cannot hold more entries than that allows.
    if (!count || !originals || !translations || *count > bytes.size() / 16) {
        return std::nullopt;
    }
    Catalogue catalogue;
    catalogue.entries_.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        auto english = words.text(std::size_t{*originals} + 8 * i, swapped);
        auto translated = words.text(std::size_t{*translations} + 8 * i, swapped);
        if (!english || !translated) {
            return std::nullopt;
        }
        // The header (the empty text) says who translated what; no one reads it.
        if (!english->empty() && !translated->empty()) {
            catalogue.entries_.push_back({std::move(*english), std::move(*translated)});
        }
    }
    std::sort(catalogue.entries_.begin(), catalogue.entries_.end(),
              [](const Entry& a, const Entry& b) { return a.english < b.english; });
    return catalogue;
}

std::string_view Catalogue::translate(std::string_view english) const {
    const auto at = std::lower_bound(
        entries_.begin(), entries_.end(), english,
        [](const Entry& entry, std::string_view text) { return entry.english < text; });
    if (at == entries_.end() || at->english != english) {
        return english;
    }
    return at->translated;
}

std::vector<std::string_view> Catalogue::translations() const {
    std::vector<std::string_view> texts;
    texts.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        texts.push_back(entry.translated);
    }
    return texts;
}

}  // namespace quorvel

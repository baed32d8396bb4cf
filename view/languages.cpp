#include "languages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <string>

#include "compiled_catalogues.h"

namespace quorvel {
namespace {

// One line per language; its catalogue is po/<po_name>.po.
constexpr auto all_languages = std::to_array<Language>({
    {"en", "", "English"},
    {"ar", "ar", "العربية", TextDirection::right_to_left},
    {"de", "de", "Deutsch"},
    {"es", "es", "Español"},
    {"fr", "fr", "Français"},
    {"ja", "ja", "日本語"},
    {"ko", "ko", "한국어"},
    {"pt-BR", "pt_BR", "Português (Brasil)"},
    {"zh-CN", "zh_CN", "中文（简体）"},
    {"en-XA", "en_XA", "[Ƥşéûδö]", TextDirection::left_to_right, false},
});

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// "pt_BR.UTF-8@euro" -> "pt-br"; "zh-Hans-CN" -> "zh-hans-cn".
std::string normalised(std::string_view tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    std::string out = lower(tag);
    std::replace(out.begin(), out.end(), '_', '-');
    return out;
}

std::string primary(std::string_view tag) {
    const std::string whole = normalised(tag);
    return whole.substr(0, whole.find('-'));
}

}  // namespace

std::span<const Language> languages() {
    return all_languages;
}

const Language& english() {
    return all_languages.front();
}

const Language* find_language(std::string_view tag) {
    const std::string wanted = normalised(tag);
    if (wanted.empty()) {
        return nullptr;
    }
    for (const Language& language : all_languages) {
        if (normalised(language.code) == wanted) {
            return &language;
        }
    }
    // Chinese written in simplified characters, whatever the region says.
    if (wanted == "zh-hans" || wanted.starts_with("zh-hans-")) {
        return find_language("zh-CN");
    }
    return nullptr;
}

const Language& choose_language(std::span<const std::string_view> preferences) {
    for (const std::string_view tag : preferences) {
        if (const Language* exact = find_language(tag)) {
            return *exact;
        }
        const std::string wanted = primary(tag);
        for (const Language& language : all_languages) {
            if (language.listed && !wanted.empty() && primary(language.code) == wanted) {
                return language;
            }
        }
    }
    return english();
}

Catalogue catalogue_of(const Language& language) {
    if (language.po_name.empty()) {
        return {};
    }
    std::optional<Catalogue> read = Catalogue::from_mo(compiled_catalogue(language.po_name));
    if (!read) {
        // The build compiles every catalogue with msgfmt --check: a missing or damaged one
        // is the build's fault, not the user's.
        throw std::logic_error("the build holds no readable catalogue for " +
                               std::string(language.code));
    }
    return std::move(*read);
}

}  // namespace quorvel

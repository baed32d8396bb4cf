#pragma once

#include <span>
#include <string_view>

#include "catalogue.h"

namespace quorvel {

enum class TextDirection { left_to_right, right_to_left };

// A language the program speaks. `code` is its BCP 47 tag ("pt-BR"), as `?lang=`, the
// browser and `--language` give it; `po_name` the catalogue it reads (po/pt_BR.po), empty
// for English, whose texts are the sources'; `name` the language's name in itself, as the
// Language menu lists it. `listed` is false for the pseudo-language that shows any text
// left untranslated, which is chosen only by its code.
struct Language {
    std::string_view code;
    std::string_view po_name;
    std::string_view name;
    TextDirection direction = TextDirection::left_to_right;
    bool listed = true;
};

// Every language, English first.
std::span<const Language> languages();

const Language& english();

// The language a tag names, written as BCP 47 ("pt-BR", "zh-Hans-CN") or as a POSIX
// locale ("pt_BR.UTF-8", "de_DE@euro"), letter case ignored; nullptr if none matches
// exactly.
const Language* find_language(std::string_view tag);

// The language to speak to someone who prefers `preferences`, best first: the first tag
// that names a language exactly or by its primary language (pt-PT finds pt-BR, zh-TW
// finds zh-CN, en-GB English), else English. Tags that find none are passed over.
const Language& choose_language(std::span<const std::string_view> preferences);

// The language's translations (empty for English).
Catalogue catalogue_of(const Language& language);

}  // namespace quorvel

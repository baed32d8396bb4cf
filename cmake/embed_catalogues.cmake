# Writes a C++ source that holds every compiled catalogue as bytes, so each shell (the
# WebAssembly page and the single-file page included) carries its languages with it and
# reads no file at run time.
#   cmake -DOUTPUT=file.cpp -DCATALOGUES="ja=/path/ja.mo|de=/path/de.mo" -P embed_catalogues.cmake
string(REPLACE "|" ";" CATALOGUES "${CATALOGUES}")
set(body "")
set(rows "")
foreach(entry IN LISTS CATALOGUES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    file(READ "${path}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "std::byte{0x\\1}," bytes "${hex}")
    string(APPEND body "constexpr std::byte ${name}_mo[] = {${bytes}};\n")
    string(APPEND rows "    {\"${name}\", ${name}_mo},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by cmake/embed_catalogues.cmake from po/*.po; not to be edited.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include \"compiled_catalogues.h\"

namespace quorvel {
namespace {
${body}
constexpr std::pair<std::string_view, std::span<const std::byte>> catalogues[] = {
${rows}};
}  // namespace

std::span<const std::byte> compiled_catalogue(std::string_view po_name) {
    for (const auto& [name, bytes] : catalogues) {
        if (name == po_name) {
            return bytes;
        }
    }
    return {};
}

std::size_t compiled_catalogue_count() {
    return std::size(catalogues);
}

}  // namespace quorvel
")
# Only a changed source is rewritten, so a rebuild compiles it again only when it must.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")

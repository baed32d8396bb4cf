#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace quorvel {

// The catalogue compiled from po/NAME.po (NAME as in "pt_BR"), or no bytes when the build
// has none of that name. The build writes these from the project's po/ folder.
std::span<const std::byte> compiled_catalogue(std::string_view po_name);

// How many catalogues the build holds.
std::size_t compiled_catalogue_count();

}  // namespace quorvel

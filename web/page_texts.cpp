#include "page_texts.h"

#include <array>

#include "translatable.h"

namespace quorvel {
namespace {

constexpr auto texts = std::to_array<PageText>({
    {"title", N_("Fourier Series")},
    {"description", N_("Fourier Series: find the coefficients of a wave by hand, multiplying it by "
                       "cos nθ or sin nθ and taking the mean over one period.")},
    {"no_script", N_("This page needs JavaScript and WebAssembly.")},
    {"could_not_start", N_("The page could not start: {reason}")},
    {"fault_title", N_("Quorvel")},
    {"fault_close", N_("OK")},
    {"copy_failed", N_("The picture could not be copied.")},
    {"help_close", N_("Close")},
    {"licence_link", N_("licence text")},
    {"app_name", N_("Quorvel: Fourier Series")},
    {"app_description", N_("Work out the Fourier coefficients of a wave by hand")},
});

}  // namespace

std::span<const PageText> page_texts() {
    return texts;
}

}  // namespace quorvel

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
    {"work_link_copied", N_("A link to your work is copied. Whoever opens it sees this window "
                            "as it is now.")},
    {"work_link_shown", N_("Copy this link to your work:")},
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

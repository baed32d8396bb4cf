// libFuzzer entry: the input bytes are a page's kept state or a link's work, as a damaged
// store or a hand may leave them. Whatever they are, the readers answer without crashing
// and keep their promises (kept_text.h); anything else aborts, so the fuzzer keeps the
// input as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "kept_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto failure = quorvel::testing::check_kept_text(text)) {
        std::fputs((*failure + "\n").c_str(), stderr);
        std::abort();
    }
    return 0;
}

// libFuzzer entry: the input bytes are text typed as an exercise code. Whatever it is, the
// reader answers without crashing and keeps its promises (code_text.h); anything else
// aborts, so the fuzzer keeps the input as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "code_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto failure = quorvel::testing::check_code_text(text)) {
        std::fputs((*failure + "\n").c_str(), stderr);
        std::abort();
    }
    return 0;
}

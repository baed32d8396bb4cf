// libFuzzer entry: the input bytes are a sequence of user events; a broken rule or a
// runtime fault aborts, so the fuzzer keeps the input as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "event_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto failure = quorvel::testing::run_event_bytes({data, size})) {
        std::fputs(failure->c_str(), stderr);
        std::abort();
    }
    return 0;
}

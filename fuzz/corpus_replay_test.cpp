// Every kept fuzzer input, seeds and past crashes alike, replayed through the fuzzer's own
// entry, so the corpus is exercised on every build, with or without libFuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "event_bytes.h"

namespace quorvel::testing {
namespace {

std::vector<std::filesystem::path> corpus_files() {
    std::vector<std::filesystem::path> out;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEL_FUZZ_CORPUS)) {
        if (entry.is_regular_file()) {
            out.push_back(entry.path());
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(FuzzCorpus, EveryKeptInputKeepsTheFormsRules) {
    const auto files = corpus_files();
    ASSERT_FALSE(files.empty()) << "no inputs in " << QUORVEL_FUZZ_CORPUS;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        const auto failure = run_event_bytes(bytes);
        EXPECT_FALSE(failure.has_value())
            << file.filename() << " (" << bytes.size() << " events):\n"
            << failure.value_or("");
    }
}

}  // namespace
}  // namespace quorvel::testing

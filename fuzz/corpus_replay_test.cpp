// Every kept fuzzer input, seeds and past crashes alike, replayed through its fuzzer's own
// entry, so the corpora are exercised on every build, with or without libFuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "code_text.h"
#include "event_bytes.h"
#include "kept_text.h"

namespace quorvel::testing {
namespace {

std::vector<std::filesystem::path> corpus_files(const char* folder) {
    std::vector<std::filesystem::path> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            out.push_back(entry.path());
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FuzzCorpus, EveryKeptInputKeepsTheFormsRules) {
    const auto files = corpus_files(QUORVEL_FUZZ_CORPUS);
    ASSERT_FALSE(files.empty()) << "no inputs in " << QUORVEL_FUZZ_CORPUS;
    for (const auto& file : files) {
        const std::string text = contents(file);
        const std::vector<std::uint8_t> bytes(text.begin(), text.end());
        const auto failure = run_event_bytes(bytes);
        EXPECT_FALSE(failure.has_value())
            << file.filename() << " (" << bytes.size() << " events):\n"
            << failure.value_or("");
    }
}

TEST(FuzzCorpus, EveryKeptCodeTextIsReadOrRefusedInOneLine) {
    const auto files = corpus_files(QUORVEL_FUZZ_CODE_CORPUS);
    ASSERT_FALSE(files.empty()) << "no inputs in " << QUORVEL_FUZZ_CODE_CORPUS;
    for (const auto& file : files) {
        const auto failure = check_code_text(contents(file));
        EXPECT_FALSE(failure.has_value()) << file.filename() << ": " << failure.value_or("");
    }
}

TEST(FuzzCorpus, EveryKeptStateTextIsRestoredOrRefusedInOneLine) {
    const auto files = corpus_files(QUORVEL_FUZZ_KEPT_CORPUS);
    ASSERT_FALSE(files.empty()) << "no inputs in " << QUORVEL_FUZZ_KEPT_CORPUS;
    for (const auto& file : files) {
        const auto failure = check_kept_text(contents(file));
        EXPECT_FALSE(failure.has_value()) << file.filename() << ": " << failure.value_or("");
    }
}

}  // namespace
}  // namespace quorvel::testing

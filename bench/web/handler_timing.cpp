#include "handler_timing.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace quorvel {

double handler_micros(WebWindow& window, std::string_view handler, int rounds, int runs_per_round) {
    using clock = std::chrono::steady_clock;
    std::vector<double> means;
    for (int r = 0; r < std::max(1, rounds); ++r) {
        const auto start = clock::now();
        for (int i = 0; i < std::max(1, runs_per_round); ++i) {
            window.raise(handler);
        }
        const std::chrono::duration<double, std::micro> spent = clock::now() - start;
        means.push_back(spent.count() / std::max(1, runs_per_round));
    }
    std::sort(means.begin(), means.end());
    return means[means.size() / 2];
}

}  // namespace quorvel

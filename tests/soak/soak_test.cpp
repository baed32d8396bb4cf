// A long random run of user events over the logic on the recording window, checking the
// form's rules after every single event. The seed is printed first; set QUORVEL_SOAK_SEED
// (and QUORVEL_SOAK_EVENTS) to replay a failure.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dispatch.h"
#include "event_table.h"
#include "form.h"
#include "form_fixture.h"
#include "invariants.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUORVEL_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEL_SOAK_UNDER_ASAN 1
#endif
#endif

namespace quorvel::testing {
namespace {

constexpr std::uint64_t default_seed = 0x51A7C0DE2024ULL;

#if defined(QUORVEL_SOAK_UNDER_ASAN) || defined(QUORVEL_SOAK_SANITIZED)
constexpr bool sanitized = true;
constexpr long default_events = 250'000;
#else
constexpr bool sanitized = false;
constexpr long default_events = 1'000'000;
#endif

// splitmix64: the same stream on every compiler and library, so a seed replays anywhere.
class Stream {
  public:
    explicit Stream(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform enough in 0 … n-1 for the small n used here.
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(next() % n); }

  private:
    std::uint64_t state_;
};

// How often a student reaches for each control, and how many presses in a row. The trial
// spinners, n, k, the option buttons and CALC dominate; ANS and the RESETs are occasional
// and the level rarest. Spin buttons are pressed in bursts, so the bounds are reached.
struct Habit {
    std::string_view name;
    std::uint32_t weight;
    std::uint32_t max_burst;
};

constexpr std::array<Habit, 30> habits{{
    {"Spin_a0_SpinUp", 3, 12},   {"Spin_a0_SpinDown", 3, 12}, {"Spin_a1_SpinUp", 3, 12},
    {"Spin_a1_SpinDown", 3, 12}, {"Spin_a2_SpinUp", 3, 12},   {"Spin_a2_SpinDown", 3, 12},
    {"Spin_a3_SpinUp", 3, 12},   {"Spin_a3_SpinDown", 3, 12}, {"Spin_a4_SpinUp", 3, 12},
    {"Spin_a4_SpinDown", 3, 12}, {"Spin_b1_SpinUp", 3, 12},   {"Spin_b1_SpinDown", 3, 12},
    {"Spin_b2_SpinUp", 3, 12},   {"Spin_b2_SpinDown", 3, 12}, {"Spin_b3_SpinUp", 3, 12},
    {"Spin_b3_SpinDown", 3, 12}, {"Spin_b4_SpinUp", 3, 12},   {"Spin_b4_SpinDown", 3, 12},
    {"Spin_n_SpinUp", 8, 5},     {"Spin_n_SpinDown", 8, 5},   {"Spin_k_SpinUp", 5, 5},
    {"Spin_k_SpinDown", 5, 5},   {"switch_c_Click", 6, 1},    {"switch_s_Click", 6, 1},
    {"Command3_Click", 12, 2},   {"Command4_Click", 2, 2},    {"Command2_Click", 2, 1},
    {"Command1_Click", 1, 1},    {"Spin_lebel_SpinUp", 1, 4}, {"Spin_lebel_SpinDown", 1, 4},
}};

std::optional<std::uint64_t> from_environment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return std::nullopt;
    }
    char* end = nullptr;
    const unsigned long long v = std::strtoull(text, &end, 0);
    if (*end != '\0') {
        ADD_FAILURE() << name << "=" << text << " is not a number";
        return std::nullopt;
    }
    return v;
}

// The handler of each habit, looked up among the events a user can raise.
std::vector<const EventEntry*> resolve(const std::vector<EventEntry>& events) {
    std::vector<const EventEntry*> out;
    for (const Habit& h : habits) {
        const EventEntry* found = nullptr;
        for (const EventEntry& e : events) {
            if (e.name == h.name) {
                found = &e;
            }
        }
        out.push_back(found);
    }
    return out;
}

// The last few events, oldest first, for the failure report.
class Trail {
  public:
    void add(long index, std::string_view name) {
        entries_[static_cast<std::size_t>(index) % entries_.size()] = {index, name};
        count_ = index + 1;
    }
    std::string text() const {
        std::ostringstream out;
        const long n = static_cast<long>(entries_.size());
        for (long i = count_ > n ? count_ - n : 0; i < count_; ++i) {
            const auto& [index, name] = entries_[static_cast<std::size_t>(i % n)];
            out << "  #" << index << " " << name << "\n";
        }
        return out.str();
    }

  private:
    std::array<std::pair<long, std::string_view>, 20> entries_{};
    long count_ = 0;
};

// The edges of the state space a run must reach, each after at least `per_million` of
// every million events, so that a weak mix of habits fails the soak instead of passing
// it quietly.
struct Edge {
    std::string_view name;
    bool (*reached)(const Form&);
    long per_million;
};

// The floors are about a quarter of what the default seed reaches, so that any seed
// clears them.
const std::array<Edge, 8> edges{{
    {"a0=-10", [](const Form& f) { return f.sim_a(0) == Value(Int16(-10)); }, 30'000},
    {"a0=10", [](const Form& f) { return f.sim_a(0) == Value(Int16(10)); }, 30'000},
    {"b4=10", [](const Form& f) { return f.sim_b(4) == Int16(10); }, 40'000},
    {"n=4", [](const Form& f) { return f.ess_n == Int16(4); }, 70'000},
    {"k=10", [](const Form& f) { return f.div_k == Int16(10); }, 90'000},
    {"lebel=4", [](const Form& f) { return f.lebel == Int16(4); }, 100'000},
    {"answers shown", [](const Form& f) { return f.ans_shown != Int16(0); }, 120'000},
    {"S/T at n=0 with sin kept",
     [](const Form& f) {
         return !f.value_s.caption_text().empty() && !f.cos_mode.as_bool() && f.ess_n == Int16(0);
     },
     2'000},
}};

TEST(Soak, RandomEventsKeepTheFormsRules) {
    const std::uint64_t seed = from_environment("QUORVEL_SOAK_SEED").value_or(default_seed);
    const long total =
        static_cast<long>(from_environment("QUORVEL_SOAK_EVENTS").value_or(default_events));
    std::cout << "[soak] seed " << seed << " (QUORVEL_SOAK_SEED), " << total
              << " events (QUORVEL_SOAK_EVENTS, default " << default_events
              << (sanitized ? ", lowered because this build has sanitizers)" : ")") << std::endl;

    const std::vector<EventEntry> events = user_events();
    const std::vector<const EventEntry*> handlers = resolve(events);
    ASSERT_EQ(events.size(), habits.size()) << "the mix must cover every handler exactly once";
    std::uint32_t total_weight = 0;
    for (std::size_t i = 0; i < habits.size(); ++i) {
        ASSERT_NE(handlers[i], nullptr) << "no handler named " << habits[i].name;
        total_weight += habits[i].weight;
    }

    LoadedForm w;
    ASSERT_TRUE(broken_rules(w.form).empty()) << "start-up already breaks a rule";
    Stream stream(seed);
    Trail trail;
    std::array<long, edges.size()> reached{};
    std::map<std::string_view, long> presses;
    long index = 0;
    while (index < total) {
        std::uint32_t pick = stream.below(total_weight);
        std::size_t h = 0;
        while (pick >= habits[h].weight) {
            pick -= habits[h].weight;
            ++h;
        }
        const long burst = 1 + stream.below(habits[h].max_burst);
        for (long b = 0; b < burst && index < total; ++b, ++index) {
            const EventEntry& e = *handlers[h];
            trail.add(index, e.name);
            ++presses[e.name];
            const auto fault = dispatch(w.form, e.handler);
            const std::vector<std::string> broken = broken_rules(w.form);
            if (fault || !broken.empty()) {
                std::ostringstream why;
                if (fault) {
                    why << "  runtime fault: " << fault->what() << "\n";
                }
                for (const auto& line : broken) {
                    why << "  " << line << "\n";
                }
                FAIL() << "event #" << index << " (" << e.name << ") broke the form, seed " << seed
                       << "\nreplay: QUORVEL_SOAK_SEED=" << seed
                       << " QUORVEL_SOAK_EVENTS=" << index + 1 << "\nbroken:\n"
                       << why.str() << "last events:\n"
                       << trail.text();
            }
            for (std::size_t i = 0; i < edges.size(); ++i) {
                reached[i] += edges[i].reached(w.form) ? 1 : 0;
            }
            if (index % 512 == 0) {
                w.ui.forget_drawing();  // the recorders keep every call otherwise
            }
        }
    }

    std::cout << "[soak] " << index << " events, no rule broken; presses:";
    for (const auto& [name, n] : presses) {
        std::cout << " " << name << "=" << n;
    }
    std::cout << "\n[soak] states reached (events):";
    for (std::size_t i = 0; i < edges.size(); ++i) {
        std::cout << " [" << edges[i].name << "]=" << reached[i];
    }
    std::cout << std::endl;

    // A short run, replaying a failure, need not reach as far.
    if (total < default_events) {
        return;
    }
    for (const Habit& h : habits) {
        EXPECT_GT(presses[h.name], 0) << h.name << " was never pressed";
    }
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_GE(reached[i] * 1'000'000, edges[i].per_million * total)
            << "the run seldom reached " << edges[i].name << ": " << reached[i] << " of " << total
            << " events";
    }
}

}  // namespace
}  // namespace quorvel::testing

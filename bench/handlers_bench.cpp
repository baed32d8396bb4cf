// Handler costs on the real window, drawing into the same retained images it shows, on
// Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string_view>

#include "dispatch.h"
#include "main_window.h"

namespace {

using quorvel::MainWindow;

// One window for all benchmarks: start-up state, then whatever the benchmark sets up.
std::unique_ptr<MainWindow> fresh_window() {
    auto w = std::make_unique<MainWindow>();
    w->load();
    return w;
}

void raise(MainWindow& w, std::string_view handler) {
    // An unknown name throws, which ends the benchmark as surely as the abort.
    if (quorvel::dispatch(w.form(), handler).has_value()) {
        std::abort();
    }
}

void BM_FormLoad(benchmark::State& state) {
    for (auto _ : state) {
        auto w = fresh_window();
        benchmark::DoNotOptimize(w.get());
    }
}
BENCHMARK(BM_FormLoad)->Unit(benchmark::kMillisecond);

// A handler raised over and over from a prepared window; `setup` events run first.
void run_handler(benchmark::State& state, std::initializer_list<std::string_view> setup,
                 std::string_view handler) {
    auto w = fresh_window();
    for (auto e : setup) {
        raise(*w, e);
    }
    for (auto _ : state) {
        raise(*w, handler);
    }
}

// Up and down alternately, so the spinner never sits at a bound.
void run_pair(benchmark::State& state, std::initializer_list<std::string_view> setup,
              std::string_view up, std::string_view down) {
    auto w = fresh_window();
    for (auto e : setup) {
        raise(*w, e);
    }
    bool going_up = true;
    for (auto _ : state) {
        raise(*w, going_up ? up : down);
        going_up = !going_up;
    }
}

void BM_Calc_k50(benchmark::State& s) {
    run_handler(s, {}, "Command3_Click");
}
void BM_Calc_k10(benchmark::State& s) {
    run_handler(s, {"Spin_k_SpinDown", "Spin_k_SpinDown", "Spin_k_SpinDown", "Spin_k_SpinDown"},
                "Command3_Click");
}
void BM_ExampleReset(benchmark::State& s) {
    run_handler(s, {}, "Command1_Click");
}
void BM_LevelChange(benchmark::State& s) {
    run_pair(s, {}, "Spin_lebel_SpinUp", "Spin_lebel_SpinDown");
}
void BM_SpinA0(benchmark::State& s) {
    run_pair(s, {}, "Spin_a0_SpinUp", "Spin_a0_SpinDown");
}
void BM_SpinA2(benchmark::State& s) {
    run_pair(s, {}, "Spin_a2_SpinUp", "Spin_a2_SpinDown");
}
void BM_SpinB3(benchmark::State& s) {
    run_pair(s, {}, "Spin_b3_SpinUp", "Spin_b3_SpinDown");
}
void BM_NChange(benchmark::State& s) {
    run_pair(s, {}, "Spin_n_SpinUp", "Spin_n_SpinDown");
}
void BM_KChange(benchmark::State& s) {
    run_pair(s, {}, "Spin_k_SpinDown", "Spin_k_SpinUp");
}
void BM_SinCos(benchmark::State& s) {
    run_pair(s, {"Spin_n_SpinUp"}, "switch_s_Click", "switch_c_Click");
}

void BM_FullRepaint(benchmark::State& state) {
    auto w = fresh_window();
    w->resize(w->size());
    for (auto _ : state) {
        const QPixmap shot = w->grab();
        benchmark::DoNotOptimize(shot.cacheKey());
    }
}

BENCHMARK(BM_Calc_k50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calc_k10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleReset)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinA0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinA2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpinB3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SinCos)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    quorvel::use_program_look();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

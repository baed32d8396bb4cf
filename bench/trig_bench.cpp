// cos_rn and sin_rn against the platform's std::cos and std::sin on the angles the wave
// plots use (n·θ for the 151 samples and n = 1 … 4), and on arguments spread over the
// whole range below 2^16.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "program_angles.h"
#include "trig.h"

namespace {

// n·θ for every plot sample θ with the start values, in the order the plots form them.
std::vector<double> plot_angles() {
    std::vector<double> out;
    for (const float theta : quorvel::testing::plot_samples(quorvel::testing::start_values())) {
        for (int n = 1; n <= 4; ++n) {
            out.push_back(static_cast<double>(static_cast<float>(n) * theta));
        }
    }
    return out;
}

template <double (*F)(double)>
void run(benchmark::State& state, const std::vector<double>& angles) {
    double sum = 0.0;
    for (auto _ : state) {
        for (const double x : angles) {
            sum += F(x);
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(angles.size()));
}

double platform_cos(double x) {
    return std::cos(x);
}

double platform_sin(double x) {
    return std::sin(x);
}

const std::vector<double> plots = plot_angles();
const std::vector<double> spread = quorvel::testing::sweep(4096, 65536.0, 1);

void BM_CosRn_PlotAngles(benchmark::State& s) {
    run<quorvel::cos_rn>(s, plots);
}
void BM_StdCos_PlotAngles(benchmark::State& s) {
    run<platform_cos>(s, plots);
}
void BM_SinRn_PlotAngles(benchmark::State& s) {
    run<quorvel::sin_rn>(s, plots);
}
void BM_StdSin_PlotAngles(benchmark::State& s) {
    run<platform_sin>(s, plots);
}
// The pair an example wave's harmonic needs: one call against two of the platform's.
double sin_plus_cos_rn(double x) {
    const quorvel::SineCosine both = quorvel::sin_cos_rn(x);
    return both.sin + both.cos;
}
double platform_sin_plus_cos(double x) {
    return std::sin(x) + std::cos(x);
}
void BM_SinCosRn_PlotAngles(benchmark::State& s) {
    run<sin_plus_cos_rn>(s, plots);
}
void BM_StdSinCos_PlotAngles(benchmark::State& s) {
    run<platform_sin_plus_cos>(s, plots);
}
void BM_CosRn_Below2To16(benchmark::State& s) {
    run<quorvel::cos_rn>(s, spread);
}
void BM_StdCos_Below2To16(benchmark::State& s) {
    run<platform_cos>(s, spread);
}

BENCHMARK(BM_CosRn_PlotAngles);
BENCHMARK(BM_StdCos_PlotAngles);
BENCHMARK(BM_SinRn_PlotAngles);
BENCHMARK(BM_StdSin_PlotAngles);
BENCHMARK(BM_SinCosRn_PlotAngles);
BENCHMARK(BM_StdSinCos_PlotAngles);
BENCHMARK(BM_CosRn_Below2To16);
BENCHMARK(BM_StdCos_Below2To16);

}  // namespace

BENCHMARK_MAIN();

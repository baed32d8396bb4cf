#include "program_angles.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "single.h"
#include "wave_sampling.h"

namespace quorvel::testing {

FormState start_values() {
    FormState s;
    s.pi = 3.14159f;
    s.periods = Int16(1);
    return s;
}

std::vector<float> plot_samples(const FormState& s) {
    std::vector<float> out;
    for_each_sample(angle_end(s), [&](float theta) { out.push_back(theta); });
    return out;
}

std::vector<float> rectangle_edges(const FormState& s, int k) {
    std::vector<float> widths = {divide_single(angle_end(s), static_cast<float>(k))};
    if (k == 50) {
        widths.push_back((s.pi + s.pi) / 50.0f);
    }
    std::vector<float> out;
    for (const float width : widths) {
        for (int j = 0; j < k; ++j) {
            out.push_back(checked_single(width * static_cast<float>(j)));
        }
    }
    return out;
}

std::vector<double> program_angles(const FormState& s) {
    std::vector<float> thetas = plot_samples(s);
    for (int k = 10; k <= 50; k += 10) {
        const std::vector<float> edges = rectangle_edges(s, k);
        thetas.insert(thetas.end(), edges.begin(), edges.end());
    }
    std::vector<double> out;
    for (const float theta : thetas) {
        for (int n = 0; n <= 4; ++n) {
            out.push_back(static_cast<double>(checked_single(static_cast<float>(n) * theta)));
        }
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<double> sweep(std::size_t count, double max, std::uint64_t seed) {
    std::mt19937_64 draw(seed);
    std::vector<double> out(count);
    for (double& x : out) {
        x = static_cast<double>(draw() >> 11) * 0x1p-53 * max;
    }
    return out;
}

std::uint64_t fingerprint(const std::vector<double>& angles, double (*cosine)(double),
                          double (*sine)(double)) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    const auto mix = [&](double value) {
        unsigned char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        for (const unsigned char b : bytes) {
            hash = (hash ^ b) * 0x100000001b3u;
        }
    };
    for (const double x : angles) {
        mix(cosine(x));
        mix(sine(x));
    }
    return hash;
}

}  // namespace quorvel::testing

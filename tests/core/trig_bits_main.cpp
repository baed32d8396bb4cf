// Prints fingerprints of cos_rn and sin_rn over every angle the program forms and over a
// million-point sweep of their range, so that a native build and a WebAssembly build can
// be compared bit for bit (same_bits_in_webassembly.sh).
#include <cstdio>

#include "program_angles.h"
#include "trig.h"

int main() {
    using namespace quorvel;
    const std::vector<double> angles = testing::program_angles(testing::start_values());
    const std::vector<double> swept = testing::sweep(1000000, angles.back(), 1);
    std::printf("program angles: %zu, largest %a, fingerprint %016llx\n", angles.size(),
                angles.back(),
                static_cast<unsigned long long>(testing::fingerprint(angles, cos_rn, sin_rn)));
    std::printf("sweep: %zu, fingerprint %016llx\n", swept.size(),
                static_cast<unsigned long long>(testing::fingerprint(swept, cos_rn, sin_rn)));
    return 0;
}

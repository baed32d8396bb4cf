#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace quorvel::bench {

// The peak and the current resident memory of this process in KiB, as the kernel counts
// them (VmHWM and VmRSS in /proc/self/status).
struct ResidentMemory {
    long peak_kib = 0;
    long now_kib = 0;
};

inline ResidentMemory resident_memory() {
    ResidentMemory memory;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            memory.peak_kib = std::strtol(line.c_str() + 6, nullptr, 10);
        } else if (line.rfind("VmRSS:", 0) == 0) {
            memory.now_kib = std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return memory;
}

// The probes' one option, "--settle MS": instead of quitting at once when the window has
// been painted, the probe lets it run that long with its event loop, prints
// "peak_kib rss_kib" and quits, so that what a window allocates once it shows is counted.
// Returns -1 without the option.
inline int settle_ms(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--settle") == 0) {
            return std::atoi(argv[i + 1]);
        }
    }
    return -1;
}

// Called once the window has been painted: quits now, or after the settling time with
// the memory printed.
inline void finish_after(int settle) {
    if (settle < 0) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    QTimer::singleShot(settle, qApp, [] {
        const ResidentMemory memory = resident_memory();
        std::printf("%ld %ld\n", memory.peak_kib, memory.now_kib);
        QCoreApplication::quit();
    });
}

}  // namespace quorvel::bench

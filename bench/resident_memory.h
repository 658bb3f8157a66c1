// The process's resident memory, as the kernel counts it.
#pragma once

#include <fstream>
#include <string>

namespace tinzel::bench {

inline long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

}  // namespace tinzel::bench

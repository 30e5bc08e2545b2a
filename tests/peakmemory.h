#pragma once

// The peak resident size of this process, for tests that keep memory bounded.

#include <fstream>
#include <string>

// Resets the peak to the current resident size.
inline void zetPiekTerug() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The peak resident size in kB since the last reset (-1 when unknown).
inline long piekKb() {
    std::ifstream status("/proc/self/status");
    std::string regel;
    while (std::getline(status, regel)) {
        if (regel.rfind("VmHWM:", 0) == 0)
            return std::stol(regel.substr(6));
    }
    return -1;
}

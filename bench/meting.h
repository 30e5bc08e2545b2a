#pragma once

// Shared by the program benchmarks: the median of a run of figures and the process's CPU time.

#include <algorithm>
#include <sys/resource.h>
#include <vector>

inline double mediaan(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// User and system CPU seconds this process has used so far.
inline double cpuSeconden() {
    rusage gebruik{};
    getrusage(RUSAGE_SELF, &gebruik);
    auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return sec(gebruik.ru_utime) + sec(gebruik.ru_stime);
}

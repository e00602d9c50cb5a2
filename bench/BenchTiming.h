#pragma once
// Wall-clock timing for the benchmarks.

#include <algorithm>
#include <chrono>
#include <functional>

inline double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best of a few runs, for the fast side.
inline double BestSeconds(const std::function<void()>& work, int runs = 5) {
    double best = Seconds(work);
    for (int i = 1; i < runs; ++i) {
        best = std::min(best, Seconds(work));
    }
    return best;
}

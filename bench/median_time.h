// The median wall-clock time of several runs of the same work, for the benchmark figures.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace pennatran::bench {

// Runs work `runs` times (at least once) and returns the median of its times in seconds.
inline double MedianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < std::max(runs, 1); ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace pennatran::bench

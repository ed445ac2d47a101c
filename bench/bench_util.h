#pragma once

#include <QString>

#include <sys/resource.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace tavelo::bench {

// Median and worst wall time of fn over the given runs, in milliseconds.
struct Timing {
  double median = 0;
  double worst = 0;
};

inline Timing time(int runs, const std::function<void()>& fn) {
  std::vector<double> ms;
  ms.reserve(static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

inline void print(const char* what, Timing t, Timing baseline) {
  std::printf("%-44s median %8.3f ms  worst %8.3f ms  | baseline median %8.3f ms  ratio %6.1fx\n",
              what, t.median, t.worst, baseline.median,
              baseline.median > 0 ? t.median / baseline.median : 0.0);
}

inline long peakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace tavelo::bench
